#include "SkinTestFiles.h"

#include "device/harness/TextUtf.h"
#include "support/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The list the reader left, one "id width height name" an entry, '|' between.
std::string ReadBack()
{
    std::string text;
    for (int i = 0; g_skin.pResolutionList != nullptr && i < g_skin.pResolutionList->Count(); ++i)
    {
        ResolutionEntry e{};
        EXPECT_TRUE(g_skin.pResolutionList->Get(i, &e, sizeof e));
        text += (i > 0 ? "|" : "") + std::to_string(e.ResolutionID) + " " + std::to_string(e.Width) + " " +
                std::to_string(e.Height) + " " + Narrow(e.LayoutFileName);
    }
    return text;
}

// The reading of attribute values is checked natively; here, what the DOM hands over.
struct TableCase
{
    const char* pszWhat;
    const char* pszXml;  // the whole index document
    int nResult;
    const char* pszEntries;
    const char* pszLanguage = "";  // the skin's, named by the first entry that names one
};

class ResolutionTableReading : public testing::TestWithParam<TableCase> {};

TEST_P(ResolutionTableReading, ReadsTheEntriesAfterTheFirstChild)
{
    const TableCase& c = GetParam();
    ResetSkinState();
    g_skin.language = SkinLanguage{true, WordLanguage::Spanish};  // each read starts afresh
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"ZzIndex.xml", std::string(c.pszXml));
    EXPECT_EQ(c.nResult, ReadResolutionTable(path.c_str())) << c.pszWhat;
    EXPECT_EQ(c.pszEntries, ReadBack()) << c.pszWhat;
    EXPECT_EQ(c.pszLanguage, std::string(g_skin.language.bNamed ? WordLanguageTag(g_skin.language.language) : ""))
        << c.pszWhat;
    ResetSkinState();
}

INSTANTIATE_TEST_SUITE_P(Table, ResolutionTableReading, testing::Values(
    TableCase{"comment first",
              "<r><!-- first --><e ResolutionID='1' Width='320' Height='240' LayoutFileName='a.xml'/>"
              "<e ResolutionID='2' Width='640' Height='480' LayoutFileName='b.xml'/></r>",
              1, "1 320 240 a.xml|2 640 480 b.xml"},
    TableCase{"only child is skipped", "<r><e ResolutionID='1' Width='320' Height='240' LayoutFileName='a.xml'/></r>",
              1, ""},
    TableCase{"an element first is skipped too",
              "<r><e Height='111' LayoutFileName='skip.xml'/><e Height='240' LayoutFileName='a.xml'/></r>", 1,
              "0 0 240 a.xml"},
    TableCase{"an element without attributes is an entry of zeros", "<r><x/><e/><e Height='240'/></r>", 1,
              "0 0 0 |0 0 240 "},
    TableCase{"comments and text between entries add nothing",
              "<r><x/><!-- c --><e Height='240'/>some text<!-- d --><e Height='480'/></r>", 1, "0 0 240 |0 0 480 "},
    TableCase{"root names and element names do not matter",
              "<anything><first/><whatever Height='480' LayoutFileName='v.xml'>text inside</whatever></anything>", 1,
              "0 0 480 v.xml"},
    TableCase{"not well-formed", "<r><x/><e Height='240'></r>", 0, ""},
    TableCase{"empty file", "", 0, ""},
    // A repeated attribute name makes the document not well-formed for the DOM: the whole
    // index is refused rather than one of the values chosen.
    TableCase{"a repeated attribute name", "<r><x/><e Height='100' Height='240'/></r>", 0, ""},
    TableCase{"a language on the second entry", "<r><x Language='de'/><e Height='240'/><e Language='fr'/></r>", 1,
              "0 0 240 |0 0 0 ", "fr"},
    TableCase{"a code of no word list, then one", "<r><x/><e Language='DE'/><e Language='it'/><e Language='es'/></r>",
              1, "0 0 0 |0 0 0 |0 0 0 ", "it"}));

}  // namespace
