#include "IndexAudit.h"
#include "common/TestCodePage.h"

#include <gtest/gtest.h>

namespace {

struct IndexRow
{
    std::wstring height;
    std::wstring layout;
    bool bElement = true;
    const wchar_t* pszLanguage = nullptr;  // a Language attribute's text, if any
};

IndexModel MakeIndex(const std::vector<IndexRow>& rows)
{
    IndexModel model;
    model.file = "Test.xml";
    model.bReadable = true;
    CTestCodePage codePage;
    int nChild = 2;
    for (const IndexRow& row : rows)
    {
        IndexEntryRecord record{};
        record.nChild = nChild++;
        record.bHasAttributes = row.bElement;
        if (row.bElement)
        {
            StoreResolutionAttribute(record.entry, L"Height", row.height.data(), row.height.size(), codePage);
            StoreResolutionAttribute(record.entry, L"LayoutFileName", row.layout.data(), row.layout.size(), codePage);
        }
        if (row.pszLanguage != nullptr)
        {
            record.bHasLanguage = true;
            record.language = row.pszLanguage;
            StoreResolutionAttribute(record.entry, L"Language", record.language.data(), record.language.size(),
                                     codePage);
        }
        model.entries.push_back(record);
    }
    return model;
}

const std::vector<CheckedScreen> kScreens = {{{240, 320}, 96}, {{800, 480}, 192}};

struct IndexCase
{
    const char* pszWhat;
    std::vector<IndexRow> rows;
    std::vector<int> chosen;  // per screen of kScreens
    std::string report;
};

class IndexAuditFinds : public testing::TestWithParam<IndexCase> {};

TEST_P(IndexAuditFinds, LayoutsPerScreenClass)
{
    const IndexCase& c = GetParam();
    CFindings findings;
    EXPECT_EQ(c.chosen, AuditIndex(MakeIndex(c.rows), kScreens, findings)) << c.pszWhat;
    EXPECT_EQ(c.report, findings.Format()) << c.pszWhat;
}

INSTANTIATE_TEST_SUITE_P(Table, IndexAuditFinds, testing::Values(
    IndexCase{"both classes, a one-letter name", {{L"240", L"q.xml"}, {L"480", L"v"}}, {0, 1}, ""},
    IndexCase{"a comment between entries", {{L"", L"", false}, {L"480", L"v.xml"}, {L"240", L"q.xml"}}, {2, 1}, ""},
    IndexCase{"no VGA layout", {{L"240", L"q.xml"}}, {0, 0},
              "warning: Test.xml, child 2: VGA screens (shorter side 480 pixels) use this layout drawn for 240 "
              "pixels, as no entry has a Height of 480\n"},
    IndexCase{"no QVGA layout", {{L"480", L"v.xml"}}, {-1, 0},
              "error: Test.xml: has no layout for QVGA screens (shorter side 240 pixels, no entry with a Height of "
              "240 or less); the keyboard will not open on them\n"},
    IndexCase{"no entries at all", {}, {-1, -1},
              "error: Test.xml: holds no entries after its first child (the first child of the root is never read); "
              "the keyboard will not open with this skin\n"},
    IndexCase{"a height that is no number", {{L"tall", L"x.xml"}, {L"240", L"q.xml"}, {L"480", L"v.xml"}}, {1, 2},
              "warning: Test.xml, child 2: its Height is 0, so it is never chosen\n"},
    IndexCase{"the same height twice", {{L"240", L"q.xml"}, {L"240", L"r.xml"}, {L"480", L"v.xml"}}, {0, 2},
              "warning: Test.xml, child 3: has the same Height 240 as child 2, which is chosen instead; this entry "
              "is never used\n"},
    IndexCase{"a chosen entry without layout name", {{L"240", L""}, {L"480", L"v.xml"}}, {-1, 1},
              "error: Test.xml, child 2: is chosen for QVGA screens but names no layout file (LayoutFileName "
              "missing, empty or longer than 259 characters)\n"},
    IndexCase{"the same language on every entry", {{L"240", L"q.xml", true, L"de"}, {L"480", L"v.xml", true, L"de"}},
              {0, 1}, ""},
    IndexCase{"a code of no word list, then one", {{L"240", L"q.xml", true, L"DE"}, {L"480", L"v.xml", true, L"fr"}},
              {0, 1},
              "warning: Test.xml, child 2: its Language \"DE\" names none of the word lists (en, de, fr, es, it; in "
              "lower case), so it is passed over\n"},
    IndexCase{"two languages",
              {{L"240", L"q.xml", true, L"de"}, {L"", L"", false}, {L"480", L"v.xml", true, L"fr"}}, {0, 2},
              "warning: Test.xml, child 4: its Language \"fr\" differs from the \"de\" of child 2, which names the "
              "skin's language; this one is not used\n"}));

TEST(IndexAudit, SaysWhenTheFileIsNotXml)
{
    IndexModel model;
    model.file = "Broken.xml";
    CFindings findings;
    EXPECT_EQ((std::vector<int>{-1, -1}), AuditIndex(model, kScreens, findings));
    EXPECT_EQ("error: Broken.xml: cannot be read as an XML document; the keyboard will not open with this skin\n",
              findings.Format());
}

TEST(SupportedScreens, BothOrientationsOfEachSizeAtItsDensity)
{
    std::string screens;
    for (const CheckedScreen& s : SupportedScreens(0))
        screens += Printf("%dx%d@%d ", s.size.nWidth, s.size.nHeight, s.nDpi);
    EXPECT_EQ("240x320@96 320x240@96 240x400@96 400x240@96 480x640@192 640x480@192 480x800@192 800x480@192 ", screens);
    EXPECT_EQ(120, SupportedScreens(120)[0].nDpi) << "a density given on the command line";
}

}  // namespace
