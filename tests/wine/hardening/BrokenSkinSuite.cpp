#include "BrokenSkinSuite.h"

#include "WineTestSupport.h"

namespace {

std::vector<std::wstring> IndexFilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW data{};
    HANDLE hFind = FindFirstFileW((folder + L"\\*.xml").c_str(), &data);
    for (BOOL bFound = hFind != INVALID_HANDLE_VALUE; bFound; bFound = FindNextFileW(hFind, &data))
    {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            files.push_back(data.cFileName);
    }
    if (hFind != INVALID_HANDLE_VALUE)
        FindClose(hFind);
    return files;
}

}  // namespace

// Destroyed in reverse: the files go before the corpus that describes them.
struct BrokenSkins::Written
{
    std::vector<BrokenSkin> corpus = MakeBrokenSkinCorpus();
    CSkinTestFiles files;
    std::vector<std::wstring> installedBefore = IndexFilesIn(files.SkinsFolder());
};

std::unique_ptr<BrokenSkins::Written> BrokenSkins::s_pWritten;

bool BrokenSkins::IsCorpusScreen()
{
    // A portrait screen: its landscape design is turned there, so the two hands
    // exercise both turns.
    return IsScreen(240, 320);
}

void BrokenSkins::SetUpTestSuite()
{
    s_pWritten = std::make_unique<Written>();
    for (const BrokenSkin& skin : s_pWritten->corpus)
    {
        if (IsCorpusScreen() || skin.bEveryScreen)
            skin.Write(s_pWritten->files);
    }
}

void BrokenSkins::TearDownTestSuite()
{
    s_pWritten.reset();
}

const std::vector<BrokenSkin>& BrokenSkins::Corpus()
{
    return s_pWritten->corpus;
}

const std::vector<std::wstring>& BrokenSkins::InstalledBefore()
{
    return s_pWritten->installedBefore;
}
