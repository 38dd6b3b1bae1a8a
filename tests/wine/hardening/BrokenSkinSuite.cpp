#include "BrokenSkinSuite.h"

#include "WineTestSupport.h"

std::unique_ptr<std::vector<BrokenSkin>> BrokenSkins::s_pCorpus;
std::unique_ptr<CSkinTestFiles> BrokenSkins::s_pFiles;
std::unique_ptr<std::vector<std::wstring>> BrokenSkins::s_pInstalledBefore;

namespace {

std::vector<std::wstring> IndexFilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW data{};
    HANDLE hFind = FindFirstFileW((folder + L"\\*.xml").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return files;
    do
    {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            files.push_back(data.cFileName);
    } while (FindNextFileW(hFind, &data));
    FindClose(hFind);
    return files;
}

}  // namespace

bool BrokenSkins::IsCorpusScreen()
{
    // A portrait screen: its landscape design is turned there, so the two hands
    // exercise both turns.
    return IsScreen(240, 320);
}

void BrokenSkins::SetUpTestSuite()
{
    s_pCorpus = std::make_unique<std::vector<BrokenSkin>>(MakeBrokenSkinCorpus());
    s_pFiles = std::make_unique<CSkinTestFiles>();
    s_pInstalledBefore = std::make_unique<std::vector<std::wstring>>(IndexFilesIn(s_pFiles->SkinsFolder()));
    for (const BrokenSkin& skin : *s_pCorpus)
    {
        if (IsCorpusScreen() || skin.bEveryScreen)
            skin.Write(*s_pFiles);
    }
}

void BrokenSkins::TearDownTestSuite()
{
    s_pFiles.reset();
    s_pCorpus.reset();
    s_pInstalledBefore.reset();
}
