#include "settings/UserWordsStore.h"

#include "settings/DataFile.h"
#include "settings/FileReplacement.h"
#include "settings/ModulePath.h"
#include "support/ModuleInstance.h"
#include "words/UserWordsFile.h"

#include <cwchar>
#include <iterator>
#include <new>
#include <vector>

namespace {

// The largest file the writer makes, twice over for the fields of later versions; a
// larger file is read only that far, its most recently used words first.
constexpr DWORD kMostRecordBytes = 2 + 4 + 4 + 1 + 2 * kMaxWordUnits + 4;
constexpr DWORD kMostFileBytes = 2 * (kUserWordsHeaderBytes + kMaxUserWords * kMostRecordBytes);

bool BuildWordsPath(WCHAR (&szPath)[MAX_PATH])
{
    WCHAR szSuffix[MAX_PATH] = L"\\";
    std::wmemcpy(szSuffix + 1, kUserWordsFileName, std::size(kUserWordsFileName));
    return BuildModulePath(g_hInstance, szSuffix, szPath) != FALSE;
}

bool ReadWholeFile(CDataFile& file, std::vector<std::uint8_t>& bytes)
{
    const DWORD cbFile = GetFileSize(file.Handle(), nullptr);
    if (cbFile == INVALID_FILE_SIZE)
        return false;
    try
    {
        bytes.resize(cbFile < kMostFileBytes ? cbFile : kMostFileBytes);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    DWORD cbRead = 0;
    if (!bytes.empty() && !ReadFile(file.Handle(), bytes.data(), static_cast<DWORD>(bytes.size()), &cbRead, nullptr))
        return false;
    bytes.resize(cbRead);
    return true;
}

bool WriteWordsFile(const WCHAR (&szPath)[MAX_PATH], const CUserWords& words)
{
    if (IsPinnedFile(szPath))
        return false;
    std::vector<std::uint8_t> bytes;
    if (!WriteUserWords(words, bytes))
        return false;
    // A replacement cut short earlier is finished first: a new one clears its way.
    FinishFileReplacement(szPath);
    CFileReplacement replacement(szPath);
    return replacement.Begin() && replacement.File().Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())) &&
           replacement.Commit();
}

}  // namespace

bool LoadUserWords(CUserWords& words)
{
    words.Clear();
    WCHAR szPath[MAX_PATH];
    if (!BuildWordsPath(szPath))
        return false;
    FinishFileReplacement(szPath);
    if (GetFileAttributesW(szPath) == INVALID_FILE_ATTRIBUTES)
        return true;
    CDataFile file;
    std::vector<std::uint8_t> bytes;
    if (!file.Open(szPath, FALSE) || !ReadWholeFile(file, bytes))
        return false;
    file.Close();
    ReadUserWords(bytes.data(), bytes.size(), words);
    return true;
}

bool SaveUserWords(const CUserWords& words)
{
    WCHAR szPath[MAX_PATH];
    return BuildWordsPath(szPath) && WriteWordsFile(szPath, words);
}

bool ClearUserWords()
{
    return SaveUserWords(CUserWords());
}
