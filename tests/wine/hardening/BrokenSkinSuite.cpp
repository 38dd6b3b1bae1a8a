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

std::vector<BrokenSkin> BrokenSkins::s_corpus;
std::unique_ptr<CSkinTestFiles> BrokenSkins::s_pFiles;
std::vector<std::wstring> BrokenSkins::s_installedBefore;

bool BrokenSkins::IsCorpusScreen()
{
    // A portrait screen: its landscape design is turned there, so the two hands
    // exercise both turns.
    return IsScreen(240, 320);
}

void BrokenSkins::SetUpTestSuite()
{
    s_corpus = MakeBrokenSkinCorpus();
    s_pFiles = std::make_unique<CSkinTestFiles>();
    s_installedBefore = IndexFilesIn(s_pFiles->SkinsFolder());
    for (const BrokenSkin& skin : s_corpus)
    {
        if (IsCorpusScreen() || skin.bEveryScreen)
            skin.Write(*s_pFiles);
    }
}

void BrokenSkins::TearDownTestSuite()
{
    s_pFiles.reset();
    s_corpus.clear();
    s_installedBefore.clear();
}
