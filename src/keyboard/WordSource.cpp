#include "keyboard/WordSource.h"

#include "settings/DataFile.h"
#include "settings/ModulePath.h"
#include "settings/UserWordsStore.h"
#include "skin/SkinCatalogue.h"
#include "support/LogFile.h"
#include "support/ModuleInstance.h"
#include "words/Dictionary.h"
#include "words/UserWords.h"
#include "words/WordLanguage.h"
#include "words/WordSuggestions.h"

#include <cwchar>
#include <memory>
#include <new>

namespace {

// The largest dictionary read: ten times the largest shipped (1.2 MB), so that a
// damaged size cannot ask for all the device's memory.
constexpr DWORD kMostDictionaryBytes = 12u * 1024u * 1024u;

CDictionary g_dictionary;
CWordSuggester g_suggester(g_dictionary);
CUserWords g_userWords;
// The language whose dictionary was read last, and whether that read gave one.
bool g_bLanguageTried = false;
WordLanguage g_triedLanguage = WordLanguage::English;
bool g_bUserWordsRead = false;

bool BuildDictionaryPath(WordLanguage language, WCHAR (&szPath)[MAX_PATH])
{
    WCHAR szSuffix[MAX_PATH];
    const int n = std::swprintf(szSuffix, MAX_PATH, L"%ls\\%ls", kDictionaryFolder, DictionaryFileName(language));
    return n > 0 && BuildModulePath(g_hInstance, szSuffix, szPath) != FALSE;
}

bool ReadDictionary(WordLanguage language)
{
    g_dictionary.Close();
    WCHAR szPath[MAX_PATH];
    CDataFile file;
    if (!BuildDictionaryPath(language, szPath) || !file.Open(szPath, FALSE))
        return false;
    const DWORD cbFile = GetFileSize(file.Handle(), nullptr);
    if (cbFile == INVALID_FILE_SIZE || cbFile == 0 || cbFile > kMostDictionaryBytes)
        return false;
    std::unique_ptr<std::uint8_t[]> pBytes(new (std::nothrow) std::uint8_t[cbFile]);
    DWORD cbRead = 0;
    if (!pBytes || !ReadFile(file.Handle(), pBytes.get(), cbFile, &cbRead, nullptr) || cbRead != cbFile)
        return false;
    return g_dictionary.Open(std::move(pBytes), cbFile);
}

}  // namespace

bool OpenWordSource(const WordSettings& settings)
{
    const WordLanguage language = ChooseWordLanguage(settings);
    if (!g_bLanguageTried || language != g_triedLanguage)
    {
        g_bLanguageTried = true;
        g_triedLanguage = language;
        // A dictionary that cannot be read is not read again until the language changes.
        if (!ReadDictionary(language))
        {
            WCHAR szLine[96];
            std::swprintf(szLine, 96, L"word completion off: the word list %ls cannot be read",
                          DictionaryFileName(language));
            LOG_MSG(szLine);
        }
    }
    if (!g_dictionary.IsOpen())
        return false;
    g_bUserWordsRead = LoadUserWords(g_userWords);
    return true;
}

CWordSuggester& WordSuggester() { return g_suggester; }

CUserWords& UserWords() { return g_userWords; }

void SaveUserWordsIfRead()
{
    if (g_bUserWordsRead)
        SaveUserWords(g_userWords);
}
