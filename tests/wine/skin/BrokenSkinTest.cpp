#include "TestSkin.h"

#include "keyboard/KeyTable.h"
#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A skin damaged in one way, written under the name "ZzBroken", and what loading it gives:
// 0, or 1 with the named keys left without an image. Never a crash or a hang.
struct BrokenSkin
{
    const char* pszWhat;
    std::function<void(CSkinTestFiles&)> write;
    int nExpected;
    std::vector<int> keysWithoutImage;
    const wchar_t* pszSkinFile = L"ZzBroken.xml";
};

std::string GoodIndex(const std::string& layout = "layout.xml")
{
    return XmlDocumentText("<e Height='240' LayoutFileName='" + layout + "'/><e Height='480' LayoutFileName='" +
                           layout + "'/>");
}

uint32_t Grey(int, int) { return 0x707070; }

// A layout with a design size and the keys A, B and C; each key's bitmap named as given.
std::string SmallLayout(const std::string& a, const std::string& b, const std::string& c)
{
    return XmlDocumentText(LayoutHeader(4, 320, 240) + KeyEntry("char_A", 0, 40, 30, 30, a) +
                           KeyEntry("char_B", 30, 40, 30, 30, b) + KeyEntry("char_C", 60, 40, 30, 30, c));
}

void WriteGoodBitmap(CSkinTestFiles& files, const std::wstring& name)
{
    files.Write(L"ZzBroken\\" + name, MakeBmpBytes(30, 30, Grey));
}

std::vector<uint8_t> BitmapWithHeaderField(size_t at, uint32_t value)
{
    std::vector<uint8_t> b = MakeBmpBytes(30, 30, Grey);
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return b;
}

class BrokenSkins : public testing::TestWithParam<BrokenSkin>
{
protected:
    void SetUp() override { ResetSkinState(); }
    void TearDown() override { ResetSkinState(); }
};

TEST_P(BrokenSkins, LoadFailsCleanlyOrKeysGoWithoutImages)
{
    const BrokenSkin& c = GetParam();
    CSkinTestFiles files;
    c.write(files);
    CTestWindow window;
    SetSkinFile(c.pszSkinFile);
    ASSERT_EQ(c.nExpected, LoadSkin(GetModuleHandleW(nullptr), window.Get())) << c.pszWhat;
    for (int nKey : c.keysWithoutImage)
        EXPECT_EQ(nullptr, g_skin.keys[nKey].hPressedImage) << c.pszWhat << ": key " << nKey;
    if (c.nExpected == 1 && c.keysWithoutImage.size() < 3)
    {
        EXPECT_NE(nullptr, g_skin.keys[KEY_A].hPressedImage) << c.pszWhat << ": the good key lost its image";
    }
    ReleaseSkin();
}

const std::string kName300(300, 'n');

INSTANTIATE_TEST_SUITE_P(Table, BrokenSkins, testing::Values(
    BrokenSkin{"missing index", [](CSkinTestFiles&) {}, 0, {}},
    BrokenSkin{"malformed index", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", std::string("<skin><e Height='240' LayoutFileName='layout.xml'></skin>")); }, 0, {}},
    BrokenSkin{"binary index", [](CSkinTestFiles& f) { f.Write(L"ZzBroken.xml", MakeBmpBytes(4, 4, Grey)); }, 0, {}},
    BrokenSkin{"index whose only entry is the first child", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", std::string("<skin><e Height='240' LayoutFileName='layout.xml'/></skin>"));
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("", "", "")); }, 0, {}},
    BrokenSkin{"index with a comment only", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", XmlDocumentText("")); }, 0, {}},
    BrokenSkin{"layout name of 300 characters", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex(kName300)); }, 0, {}},
    BrokenSkin{"heights too large or negative", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", XmlDocumentText("<e Height='99999999999' LayoutFileName='layout.xml'/>"
                                                 "<e Height='-5' LayoutFileName='layout.xml'/>"));
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("", "", "")); }, 0, {}},
    BrokenSkin{"10,000 entries, none fitting", [](CSkinTestFiles& f) {
        std::string entries;
        for (int i = 0; i < 10000; ++i)
            entries += "<e Height='" + std::to_string(1000 + i) + "' LayoutFileName='layout.xml'/>";
        f.Write(L"ZzBroken.xml", XmlDocumentText(entries)); }, 0, {}},
    BrokenSkin{"10,000 entries, the last fitting", [](CSkinTestFiles& f) {
        std::string entries;
        for (int i = 0; i < 9999; ++i)
            entries += "<e Height='" + std::to_string(1000 + i) + "' LayoutFileName='none.xml'/>";
        entries += "<e Height='100' LayoutFileName='layout.xml'/>";
        f.Write(L"ZzBroken.xml", XmlDocumentText(entries));
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", "", ""));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"missing layout", [](CSkinTestFiles& f) { f.Write(L"ZzBroken.xml", GoodIndex()); }, 0, {}},
    BrokenSkin{"malformed layout", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", std::string("<skin><e>Orientation</skin")); }, 0, {}},
    BrokenSkin{"layout that is a folder", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.MakeFolder(L"ZzBroken\\layout.xml"); }, 0, {}},
    BrokenSkin{"layout with 10,000 entries", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        std::string entries = LayoutHeader(4, 320, 240) + KeyEntry("char_A", 0, 40, 30, 30, "a.bmp");
        for (int i = 0; i < 10000; ++i)
            entries += KeyEntry(i % 2 ? "char_B" : "unknown", i, i, 99999, -5);
        f.Write(L"ZzBroken\\layout.xml", XmlDocumentText(entries));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1}},
    BrokenSkin{"missing bitmaps", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", "absent.bmp", ""));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"text renamed .bmp", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", "text.bmp", "text.bmp"));
        f.Write(L"ZzBroken\\text.bmp", std::string("Just some notes.\r\n"));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"zero and huge bitmap headers", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", "zero.bmp", "huge.bmp"));
        f.Write(L"ZzBroken\\zero.bmp", BitmapWithHeaderField(14, 0));
        f.Write(L"ZzBroken\\huge.bmp", BitmapWithHeaderField(18, 0x7FFFFFFF));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"zero-sized bitmap", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", "zw.bmp", "zh.bmp"));
        f.Write(L"ZzBroken\\zw.bmp", BitmapWithHeaderField(18, 0));
        f.Write(L"ZzBroken\\zh.bmp", BitmapWithHeaderField(22, 0));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"bitmap names of 300 characters", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", SmallLayout("a.bmp", kName300, kName300 + ".bmp"));
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {1, 2}},
    BrokenSkin{"layout whose only entry is the first child", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken.xml", GoodIndex());
        f.Write(L"ZzBroken\\layout.xml", std::string("<skin>") + KeyEntry("char_A", 0, 0, 30, 30, "a.bmp") + "</skin>");
        WriteGoodBitmap(f, L"a.bmp"); }, 1, {0, 1, 2}},
    BrokenSkin{"skin file name too long for a path", [](CSkinTestFiles&) {}, 0, {},
               L"ZzBrokennnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
               L"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
               L"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.xml"},
    // The folder would be the index file itself, so there is no layout to find.
    BrokenSkin{"skin file name without a dot", [](CSkinTestFiles& f) {
        f.Write(L"ZzBroken", GoodIndex()); }, 0, {}, L"ZzBroken"},
    BrokenSkin{"skin file name that is only an extension", [](CSkinTestFiles& f) {
        f.Write(L".xml", GoodIndex()); }, 0, {}, L".xml"}));

}  // namespace
