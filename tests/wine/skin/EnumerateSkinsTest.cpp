#include "SkinTestFiles.h"

#include "skin/FileFinder.h"
#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<std::wstring, std::wstring> ListedSkins()
{
    CRecordList list;
    EnumerateSkins(&list, GetModuleHandleW(nullptr));
    std::map<std::wstring, std::wstring> skins;  // file name -> display name
    for (int i = 0; i < list.Count(); ++i)
    {
        SkinListEntry entry{};
        EXPECT_EQ(1, list.Get(i, &entry, sizeof entry));
        EXPECT_TRUE(skins.emplace(entry.szFileName, entry.szDisplayName).second) << "listed twice";
    }
    return skins;
}

TEST(EnumerateSkins, ListsIndexFilesWithTheirDisplayNames)
{
    CSkinTestFiles files;
    files.Write(L"ZzOne.xml", std::string("<r/>"));
    files.Write(L"Zz.My.Skin.xml", std::string("<r/>"));
    files.Write(L"ZzNotASkin.txt", std::string("x"));
    files.MakeFolder(L"ZzFolder.xml");
    files.Write(L"ZzOne\\Nested.xml", std::string("<r/>"));

    const std::map<std::wstring, std::wstring> skins = ListedSkins();
    ASSERT_EQ(1u, skins.count(L"ZzOne.xml"));
    EXPECT_EQ(L"ZzOne", skins.at(L"ZzOne.xml"));
    ASSERT_EQ(1u, skins.count(L"Zz.My.Skin.xml"));
    EXPECT_EQ(L"Zz.My.Skin", skins.at(L"Zz.My.Skin.xml"));
    EXPECT_EQ(0u, skins.count(L"ZzNotASkin.txt"));
    EXPECT_EQ(0u, skins.count(L"ZzFolder.xml")) << "a folder is not a skin";
    EXPECT_EQ(0u, skins.count(L"Nested.xml"));
}

TEST(FileFinder, NothingFoundInAMissingFolder)
{
    CSkinTestFiles files;
    CFileFinder finder;
    finder.FindFirst((files.SkinsFolder() + L"\\ZzNoSuchFolder\\*.xml").c_str());
    EXPECT_FALSE(finder.IsFound());
    finder.FindFirst(nullptr);
    EXPECT_FALSE(finder.IsFound());
}

}  // namespace
