#include "SkinTestFiles.h"

#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry { int nId; int nWidth; int nHeight; std::wstring name; };

std::vector<Entry> ReadBack()
{
    std::vector<Entry> entries;
    if (g_skin.pResolutionList == nullptr)
        return entries;
    for (int i = 0; i < g_skin.pResolutionList->Count(); ++i)
    {
        ResolutionEntry e{};
        if (g_skin.pResolutionList->Get(i, &e, sizeof e))
            entries.push_back({e.ResolutionID, e.Width, e.Height, e.LayoutFileName});
    }
    return entries;
}

struct TableCase
{
    const char* pszWhat;
    std::string xml;        // the whole index document
    int nResult;
    std::vector<Entry> expected;
};

class ResolutionTableReading : public testing::TestWithParam<TableCase> {};

TEST_P(ResolutionTableReading, ReadsTheEntriesAfterTheFirstChild)
{
    const TableCase& c = GetParam();
    ResetSkinState();
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"ZzIndex.xml", c.xml);
    ASSERT_EQ(c.nResult, ReadResolutionTable(path.c_str())) << c.pszWhat;
    const std::vector<Entry> got = ReadBack();
    ASSERT_EQ(c.expected.size(), got.size()) << c.pszWhat;
    for (size_t i = 0; i < got.size(); ++i)
    {
        EXPECT_EQ(c.expected[i].nId, got[i].nId) << c.pszWhat << " entry " << i;
        EXPECT_EQ(c.expected[i].nWidth, got[i].nWidth) << c.pszWhat << " entry " << i;
        EXPECT_EQ(c.expected[i].nHeight, got[i].nHeight) << c.pszWhat << " entry " << i;
        EXPECT_EQ(c.expected[i].name, got[i].name) << c.pszWhat << " entry " << i;
    }
    ResetSkinState();
}

const std::string kLong300(300, 'L');

INSTANTIATE_TEST_SUITE_P(Table, ResolutionTableReading, testing::Values(
    TableCase{"comment first",
              "<r><!-- first --><e ResolutionID='1' Width='320' Height='240' LayoutFileName='a.xml'/>"
              "<e ResolutionID='2' Width='640' Height='480' LayoutFileName='b.xml'/></r>",
              1, {{1, 320, 240, L"a.xml"}, {2, 640, 480, L"b.xml"}}},
    TableCase{"only child is skipped",
              "<r><e ResolutionID='1' Width='320' Height='240' LayoutFileName='a.xml'/></r>", 1, {}},
    TableCase{"an element first is skipped too",
              "<r><e Height='111' LayoutFileName='skip.xml'/><e Height='240' LayoutFileName='a.xml'/></r>",
              1, {{0, 0, 240, L"a.xml"}}},
    TableCase{"attributes in any order, unknown and wrong-case names ignored",
              "<r><x/><e LayoutFileName='z.xml' height='999' Extra='5' Height='480' ResolutionID='7' Width='9'/></r>",
              1, {{7, 9, 480, L"z.xml"}}},
    TableCase{"an element without attributes is an entry of zeros",
              "<r><x/><e/><e Height='240'/></r>", 1, {{0, 0, 0, L""}, {0, 0, 240, L""}}},
    TableCase{"comments and text between entries add nothing",
              "<r><x/><!-- c --><e Height='240'/>some text<!-- d --><e Height='480'/></r>",
              1, {{0, 0, 240, L""}, {0, 0, 480, L""}}},
    TableCase{"numbers read like atoi",
              "<r><x/><e ResolutionID='99999999999' Width='-5' Height=' 12abc'/><e Height='abc' Width='+3'/></r>",
              1, {{2147483647, -5, 12, L""}, {0, 3, 0, L""}}},
    TableCase{"a layout name too long to hold is dropped, not cut",
              "<r><x/><e Height='240' LayoutFileName='" + kLong300 + "'/></r>", 1, {{0, 0, 240, L""}}},
    TableCase{"root names and element names do not matter",
              "<anything><first/><whatever Height='480' LayoutFileName='v.xml'>text inside</whatever></anything>",
              1, {{0, 0, 480, L"v.xml"}}},
    TableCase{"not well-formed", "<r><x/><e Height='240'></r>", 0, {}},
    TableCase{"not XML at all", "Height=240", 0, {}},
    TableCase{"empty file", "", 0, {}}));

TEST(ResolutionTableReading, MissingFileFails)
{
    ResetSkinState();
    CSkinTestFiles files;
    EXPECT_EQ(0, ReadResolutionTable((files.SkinsFolder() + L"\\ZzAbsent.xml").c_str()));
    EXPECT_EQ(0, ReadResolutionTable(L""));
    EXPECT_EQ(nullptr, g_skin.pResolutionList);
}

// A repeated attribute name makes the document not well-formed for the DOM, so the
// whole index is refused rather than one of the values chosen.
TEST(ResolutionTableReading, RepeatedAttributeNameRefusesTheDocument)
{
    ResetSkinState();
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"ZzIndex.xml", std::string("<r><x/><e Height='100' Height='240'/></r>"));
    EXPECT_EQ(0, ReadResolutionTable(path.c_str()));
    EXPECT_TRUE(ReadBack().empty());
    ResetSkinState();
}

TEST(ResolutionTableReading, TenThousandEntriesAreAllRead)
{
    ResetSkinState();
    std::string xml = "<r><x/>";
    for (int i = 0; i < 10000; ++i)
        xml += "<e ResolutionID='" + std::to_string(i) + "' Height='" + std::to_string(i % 500) + "'/>";
    xml += "</r>";
    CSkinTestFiles files;
    ASSERT_EQ(1, ReadResolutionTable(files.Write(L"ZzIndex.xml", xml).c_str()));
    const std::vector<Entry> got = ReadBack();
    ASSERT_EQ(10000u, got.size());
    EXPECT_EQ(9999, got[9999].nId);
    EXPECT_EQ(9999 % 500, got[9999].nHeight);
    ResetSkinState();
}

}  // namespace
