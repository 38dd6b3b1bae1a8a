#include "settings/ModulePathRules.h"

#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase
{
    const char* pszName;
    std::u16string moduleFile;
    std::u16string suffix;
    bool bExpected;
    std::u16string expected;
};

class ModulePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(ModulePathTest, ComposesOrRefuses)
{
    const PathCase& c = GetParam();
    char16_t szOut[kPathUnits];
    std::fill(std::begin(szOut), std::end(szOut), u'#');
    const bool bGot = ComposeModulePath(c.moduleFile.c_str(), c.moduleFile.size(), c.suffix.c_str(), szOut, kPathUnits);
    EXPECT_EQ(c.bExpected, bGot) << c.pszName;
    EXPECT_EQ(Utf16ToUtf8(c.expected), Utf16ToUtf8(szOut)) << c.pszName;
}

// "\Program Files\Brevanto\" is 24 units; names are padded to reach the limit exactly.
const std::u16string kFolder = u"\\Program Files\\Brevanto";

INSTANTIATE_TEST_SUITE_P(Table, ModulePathTest, testing::Values(
    PathCase{"options", kFolder + u"\\Keyboard.dll", u"\\Options.dat", true, kFolder + u"\\Options.dat"},
    PathCase{"skins", kFolder + u"\\Keyboard.dll", u"\\skins\\Silver", true, kFolder + u"\\skins\\Silver"},
    PathCase{"root", u"\\Keyboard.dll", u"\\Options.dat", true, u"\\Options.dat"},
    PathCase{"drive", u"C:\\a.b\\Keyboard.dll", u"\\skins", true, u"C:\\a.b\\skins"},
    PathCase{"forward slashes are not folders", u"C:\\x/y/Keyboard.dll", u"\\s", true, u"C:\\s"},
    PathCase{"no folder at all", u"Keyboard.dll", u"\\Options.dat", false, u""},
    PathCase{"empty module name", u"", u"\\Options.dat", false, u""},
    // folder 247 units + "\Options.dat" (12) = 259 units and the terminator: fits exactly
    PathCase{"fits exactly", u"\\" + std::u16string(246, u'f') + u"\\K.dll", u"\\Options.dat", true,
             u"\\" + std::u16string(246, u'f') + u"\\Options.dat"},
    // one unit longer: refused, not cut
    PathCase{"one unit too long", u"\\" + std::u16string(247, u'f') + u"\\K.dll", u"\\Options.dat", false, u""},
    PathCase{"far too long", u"\\" + std::u16string(258, u'f') + u"\\K", u"\\skins\\Silver", false, u""}));

TEST(ModulePath, OnlyTheGivenLengthOfTheModuleNameCounts)
{
    // GetModuleFileNameW reports a length; anything after it is not part of the name.
    const char16_t szModule[] = u"\\A\\K.dll\\stale\\rest";
    char16_t szOut[kPathUnits];
    ASSERT_TRUE(ComposeModulePath(szModule, 8, u"\\Options.dat", szOut, kPathUnits));
    EXPECT_EQ(u"\\A\\Options.dat", std::u16string(szOut));
}

TEST(ModulePath, ASmallOutputBufferIsRespected)
{
    char16_t szOut[8];
    std::fill(std::begin(szOut), std::end(szOut), u'#');
    EXPECT_FALSE(ComposeModulePath(u"\\A\\K.dll", 8, u"\\Options.dat", szOut, 8));
    EXPECT_EQ(u'\0', szOut[0]);
    EXPECT_EQ(u'#', szOut[1]);  // nothing written past the terminator
    EXPECT_TRUE(ComposeModulePath(u"\\A\\K.dll", 8, u"\\Opt", szOut, 8));
    EXPECT_EQ(u"\\A\\Opt", std::u16string(szOut));
    char16_t szNone[1] = {u'#'};
    EXPECT_FALSE(ComposeModulePath(u"\\A\\K.dll", 8, u"", szNone, 0));
    EXPECT_EQ(u'#', szNone[0]);  // no room at all: nothing written
    EXPECT_FALSE(ComposeModulePath(u"\\A\\K.dll", 8, u"\\Opt", szNone, 1));
    EXPECT_EQ(u'\0', szNone[0]);
}

}  // namespace
