#include "BrokenSkinCorpus.h"

#include <cwchar>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

// Seeded, so the corpus is the same on every run.
Bytes RandomBytes(std::minstd_rand& random, size_t n)
{
    Bytes bytes(n);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(random() >> 8);
    return bytes;
}

// The index every layout case uses: both screen classes name the layout "L.xml".
std::string GoodIndex()
{
    return "<?xml version=\"1.0\"?><Skin><!-- first child, never read -->"
           "<R ResolutionID=\"1\" Width=\"320\" Height=\"240\" LayoutFileName=\"L.xml\"/>"
           "<R ResolutionID=\"2\" Width=\"640\" Height=\"480\" LayoutFileName=\"L.xml\"/></Skin>";
}

// All three backgrounds, so that releasing a skin that loads gives each of them back.
std::string GoodLayoutChildren()
{
    return LayoutHeader(4, 320, 240) + "<e DefaultPath=\"bg.bmp\">CharBackground</e>\n" +
           "<e DefaultPath=\"bg.bmp\">SymbolBackground</e>\n<e DefaultPath=\"bg.bmp\">NumberBackground</e>\n" +
           KeyEntry("char_A", 10, 20, 30, 40, "a.bmp");
}

std::string GoodLayout(const std::string& extra = "")
{
    return XmlDocumentText(GoodLayoutChildren() + extra);
}

Bytes KeyBitmap()
{
    return MakeBmpBytes(30, 40, [](int x, int y) { return static_cast<uint32_t>(x * 8 + y); });
}

void WriteSkin(CSkinTestFiles& files, const std::wstring& name, const std::string& index, const std::string& layout,
               const Bytes& keyBitmap)
{
    files.Write(name + L".xml", index);
    files.Write(name + L"\\L.xml", layout);
    files.Write(name + L"\\bg.bmp", MakeBmpBytes(320, 240, [](int, int) { return 0x808080u; }));
    files.Write(name + L"\\a.bmp", keyBitmap);
}

BrokenSkin IndexCase(const std::string& what, const std::string& index, LoadOutcome outcome)
{
    return {what, [index](CSkinTestFiles& files, const std::wstring& name) {
                WriteSkin(files, name, index, GoodLayout(), KeyBitmap());
            },
            outcome};
}

BrokenSkin LayoutCase(const std::string& what, const std::string& layout, LoadOutcome outcome, bool bLost = false)
{
    return {what, [layout](CSkinTestFiles& files, const std::wstring& name) {
                WriteSkin(files, name, GoodIndex(), layout, KeyBitmap());
            },
            outcome, bLost};
}

BrokenSkin BitmapCase(const std::string& what, const Bytes& bitmap)
{
    return {what, [bitmap](CSkinTestFiles& files, const std::wstring& name) {
                WriteSkin(files, name, GoodIndex(), GoodLayout(), bitmap);
            },
            LoadOutcome::Loads, true};
}

std::string Repeat(const std::string& s, size_t n)
{
    std::string out;
    out.reserve(s.size() * n);
    for (size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

std::string Nested(size_t nDepth, const std::string& inner, const std::string& attributes)
{
    return "<n " + attributes + ">" + Repeat("<n>", nDepth) + inner + Repeat("</n>", nDepth) + "</n>\n";
}

void AddIndexCases(std::vector<BrokenSkin>& corpus)
{
    const std::string index = GoodIndex();
    // Cut anywhere, the document is no longer well-formed.
    for (size_t n = 0; n < index.size(); n += 4)
        corpus.push_back(IndexCase("index cut to " + std::to_string(n) + " bytes", index.substr(0, n),
                                   LoadOutcome::Fails));
    std::minstd_rand random(7);
    for (size_t n : {1u, 2u, 16u, 100u, 1000u, 4096u, 65536u})
    {
        const Bytes bytes = RandomBytes(random, n);
        corpus.push_back(IndexCase("index of " + std::to_string(n) + " random bytes",
                                   std::string(bytes.begin(), bytes.end()), LoadOutcome::Fails));
    }
    const Bytes bmp = KeyBitmap();
    corpus.push_back(IndexCase("index that is a bitmap", std::string(bmp.begin(), bmp.end()), LoadOutcome::Fails));
    corpus.push_back(IndexCase("index of zero bytes only", std::string(300, '\0'), LoadOutcome::Fails));
    corpus.push_back(IndexCase("index of plain text", "Height=240 LayoutFileName=L.xml", LoadOutcome::Fails));
    corpus.push_back(IndexCase("root only", "<Skin/>", LoadOutcome::Fails));
    corpus.push_back(IndexCase("a height of a million digits",
                               "<Skin><c/><R Height=\"" + std::string(1000000, '9') + "\" LayoutFileName=\"L.xml\"/></Skin>",
                               LoadOutcome::Fails));
    corpus.push_back(IndexCase("a layout name of 100,000 characters",
                               "<Skin><c/><R Height=\"240\" LayoutFileName=\"" + std::string(100000, 'L') +
                                   "\"/><R Height=\"480\" LayoutFileName=\"" + std::string(100000, 'L') + "\"/></Skin>",
                               LoadOutcome::Fails));
    corpus.push_back(IndexCase("a layout name of 259 characters",
                               "<Skin><c/><R Height=\"240\" LayoutFileName=\"" + std::string(259, 'L') +
                                   "\"/><R Height=\"480\" LayoutFileName=\"" + std::string(259, 'L') + "\"/></Skin>",
                               LoadOutcome::Fails));
    corpus.push_back(IndexCase("a layout name with wildcards",
                               "<Skin><c/><R Height=\"240\" LayoutFileName=\"*.xml\"/>"
                               "<R Height=\"480\" LayoutFileName=\"?.xml\"/></Skin>",
                               LoadOutcome::Fails));
    corpus.push_back(IndexCase("an empty layout name",
                               "<Skin><c/><R Height=\"240\" LayoutFileName=\"\"/><R Height=\"480\"/></Skin>",
                               LoadOutcome::Fails));
    corpus.push_back(IndexCase("10,000 entries, the last one fitting",
                               "<Skin><c/>" + Repeat("<R Height=\"1000\" LayoutFileName=\"no.xml\"/>", 9998) +
                                   "<R Height=\"240\" LayoutFileName=\"L.xml\"/><R Height=\"480\" LayoutFileName=\"L.xml\"/>"
                                   "</Skin>",
                               LoadOutcome::Loads));
    corpus.push_back(IndexCase("10,000 entries, none fitting",
                               "<Skin><c/>" + Repeat("<R Height=\"0\" LayoutFileName=\"L.xml\"/>", 10000) + "</Skin>",
                               LoadOutcome::Fails));
    std::string manyAttributes;
    for (int i = 0; i < 10000; ++i)
        manyAttributes += " A" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    corpus.push_back(IndexCase("10,000 attributes on each entry",
                               "<Skin><c/><R" + manyAttributes + " Height=\"240\" LayoutFileName=\"L.xml\"/><R" +
                                   manyAttributes + " Height=\"480\" LayoutFileName=\"L.xml\"/></Skin>",
                               LoadOutcome::Loads));
    corpus.push_back(IndexCase("nesting 10,000 deep",
                               "<Skin><c/>" + Nested(10000, "", "Height=\"240\" LayoutFileName=\"L.xml\"") +
                                   "<R Height=\"480\" LayoutFileName=\"L.xml\"/></Skin>",
                               LoadOutcome::ParserSays));
    corpus.push_back(IndexCase("nesting 50 deep",
                               "<Skin><c/>" + Nested(50, "", "Height=\"240\" LayoutFileName=\"L.xml\"") +
                                   Nested(50, "", "Height=\"480\" LayoutFileName=\"L.xml\"") + "</Skin>",
                               LoadOutcome::Loads));
    corpus.push_back(IndexCase("entities that expand a thousandfold",
                               "<!DOCTYPE Skin [<!ENTITY a \"0000000000\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                               "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]><Skin><x/>"
                               "<R Height=\"&c;240\" LayoutFileName=\"L.xml\"/></Skin>",
                               LoadOutcome::ParserSays));
    corpus.push_back(IndexCase("the declaration and a comment only", XmlDocumentText(""), LoadOutcome::Fails));
    // No entry fits; the last one is lower than every screen, so it is taken.
    corpus.push_back(IndexCase("10,000 entries too high, the last one lower",
                               "<Skin><c/>" + Repeat("<R Height=\"1000\" LayoutFileName=\"no.xml\"/>", 9999) +
                                   "<R Height=\"100\" LayoutFileName=\"L.xml\"/></Skin>",
                               LoadOutcome::Loads));
    corpus.push_back({"the index file is a folder",
                      [](CSkinTestFiles& files, const std::wstring& name) { files.MakeFolder(name + L".xml"); },
                      LoadOutcome::Fails, false, true});
    corpus.push_back({"no files at all", [](CSkinTestFiles&, const std::wstring&) {}, LoadOutcome::Fails, false, true});
}

void AddLayoutCases(std::vector<BrokenSkin>& corpus)
{
    const std::string layout = GoodLayout();
    for (size_t n = 0; n < layout.size(); n += 8)
        corpus.push_back(LayoutCase("layout cut to " + std::to_string(n) + " bytes", layout.substr(0, n),
                                    LoadOutcome::Fails));
    std::minstd_rand random(11);
    for (size_t n : {3u, 64u, 5000u})
    {
        const Bytes bytes = RandomBytes(random, n);
        corpus.push_back(LayoutCase("layout of " + std::to_string(n) + " random bytes",
                                    std::string(bytes.begin(), bytes.end()), LoadOutcome::Fails));
    }
    corpus.push_back({"the layout file is missing",
                      [](CSkinTestFiles& files, const std::wstring& name) { files.Write(name + L".xml", GoodIndex()); },
                      LoadOutcome::Fails});
    corpus.push_back({"the layout file is a folder",
                      [](CSkinTestFiles& files, const std::wstring& name) {
                          files.Write(name + L".xml", GoodIndex());
                          files.MakeFolder(name + L"\\L.xml");
                      },
                      LoadOutcome::Fails});
    corpus.push_back(LayoutCase("a layout with only its first child", XmlDocumentText(""), LoadOutcome::Loads, true));
    corpus.push_back(LayoutCase("the only key entry is the first child",
                                "<skin>" + KeyEntry("char_A", 10, 20, 30, 40, "a.bmp") + "</skin>", LoadOutcome::Loads,
                                true));
    corpus.push_back(LayoutCase("a wrong root", "<html><c/>" + GoodLayoutChildren() + "</html>", LoadOutcome::Loads));
    corpus.push_back(LayoutCase("10,000 entries",
                                XmlDocumentText(GoodLayoutChildren() +
                                                Repeat(KeyEntry("char_B", 1, 2, 3, 4) + "<j Left=\"1\">junk</j>\n", 4900) +
                                                Repeat(KeyEntry("char_A", 10, 20, 30, 40, "a.bmp"), 200)),
                                LoadOutcome::Loads));
    corpus.push_back(LayoutCase("an entry text of 100,000 characters",
                                GoodLayout("<e Left=\"1\">" + std::string(100000, 'c') + "</e>\n"), LoadOutcome::Loads));
    corpus.push_back(LayoutCase("a bitmap name of 100,000 characters",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                KeyEntry("char_A", 10, 20, 30, 40, std::string(100000, 'a'))),
                                LoadOutcome::Loads, true));
    corpus.push_back(LayoutCase("a bitmap name of 259 characters",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                KeyEntry("char_A", 10, 20, 30, 40, std::string(259, 'a'))),
                                LoadOutcome::Loads, true));
    corpus.push_back(LayoutCase("a bitmap name that climbs out of the skin folder",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                KeyEntry("char_A", 10, 20, 30, 40, "..\\..\\nothing.bmp")),
                                LoadOutcome::Loads, true));
    corpus.push_back(LayoutCase("numbers of a million digits",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                "<k Left=\"" + std::string(1000000, '9') + "\" Top=\"-" +
                                                std::string(1000, '9') + "\" Width=\"30\" Height=\"40\" "
                                                "DefaultPath=\"a.bmp\">char_A</k>\n"),
                                LoadOutcome::Loads));
    // Hostile design sizes are mapped natively; these are for the keyboard placed on them.
    for (const std::string& size : {std::string("0\" BackgroundHeight=\"0"), std::string("-320\" BackgroundHeight=\"-240"),
                                    std::string("2147483647\" BackgroundHeight=\"2147483647")})
        corpus.push_back(LayoutCase("design size " + size.substr(0, size.find('"')),
                                    XmlDocumentText("<e OrientationValue=\"4\">Orientation</e>\n"
                                                    "<e BackgroundWidth=\"" + size + "\">DefaultBackground</e>\n" +
                                                    KeyEntry("char_A", 10, 20, 30, 40, "a.bmp")),
                                    LoadOutcome::Loads));
    corpus.push_back(LayoutCase("a key nested 100 deep",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                Nested(100, "char_A",
                                                       "Left=\"10\" Top=\"20\" Width=\"30\" Height=\"40\" "
                                                       "DefaultPath=\"a.bmp\"")),
                                LoadOutcome::Loads));
    corpus.push_back(LayoutCase("a key nested 10,000 deep",
                                XmlDocumentText(LayoutHeader(4, 320, 240) +
                                                Nested(10000, "char_A", "Left=\"10\" DefaultPath=\"a.bmp\"")),
                                LoadOutcome::ParserSays));
    corpus.push_back(LayoutCase("entries without attributes or text",
                                GoodLayout("<e/>\n<e></e>\n<e>char_B</e>\n<e Left=\"1\"/>\n<!-- c -->\ntext\n"),
                                LoadOutcome::Loads));
}

// Which bitmap files the reader refuses is checked natively, field by field
// (BmpFileTest), and by its fuzz target; that a missing file or a folder is refused,
// by SHLoadDIBitmapTest. Here, that a key bitmap cut anywhere, refused or missing
// loses the key's image and leaves the skin loaded.
void AddBitmapCases(std::vector<BrokenSkin>& corpus)
{
    const Bytes good = KeyBitmap();
    for (size_t n : {0u, 1u, 2u, 6u, 10u, 14u, 18u, 26u, 30u, 40u, 53u, 54u, 55u, 100u, 1000u, 3000u})
        corpus.push_back(BitmapCase("key bitmap cut to " + std::to_string(n) + " bytes",
                                    Bytes(good.begin(), good.begin() + static_cast<long>(std::min(n, good.size() - 1)))));
    const std::string text = "Just some notes.\r\n";
    corpus.push_back(BitmapCase("plain text named .bmp", Bytes(text.begin(), text.end())));
    corpus.push_back({"the key bitmap is missing",
                      [](CSkinTestFiles& files, const std::wstring& name) {
                          files.Write(name + L".xml", GoodIndex());
                          files.Write(name + L"\\L.xml", GoodLayout());
                      },
                      LoadOutcome::Loads, true});
}

// The skin file name names the skin folder too: up to its last dot.
void AddNameCases(std::vector<BrokenSkin>& corpus)
{
    // The index file NAME holds a good index, but only *.xml files are skins, and a
    // folder named like the file cannot be there beside it.
    BrokenSkin noDot{"an index file name without a dot",
                     [](CSkinTestFiles& files, const std::wstring& name) { files.Write(name, GoodIndex()); },
                     LoadOutcome::Fails, false, true};
    noDot.pfnIndexFile = [](const std::wstring& name) { return name; };
    corpus.push_back(noDot);
    // ".xml": listed with an empty name; its folder would be the skins folder itself.
    BrokenSkin onlyExtension{"an index file name that is only the extension",
                             [](CSkinTestFiles& files, const std::wstring&) { files.Write(L".xml", GoodIndex()); },
                             LoadOutcome::Fails};
    onlyExtension.pfnIndexFile = [](const std::wstring&) { return std::wstring(L".xml"); };
    corpus.push_back(onlyExtension);
    // A name that makes the index path longer than a path may be: no such file can exist.
    BrokenSkin tooLong{"an index file name too long for a path", [](CSkinTestFiles&, const std::wstring&) {},
                       LoadOutcome::Fails, false, true};
    tooLong.pfnIndexFile = [](const std::wstring& name) { return name + std::wstring(300, L'n') + L".xml"; };
    corpus.push_back(tooLong);
    // NAME.v2.xml is the skin NAME.v2, in the folder NAME.v2.
    BrokenSkin dotted{"an index file name with a dot inside",
                      [](CSkinTestFiles& files, const std::wstring& name) {
                          WriteSkin(files, name + L".v2", GoodIndex(), GoodLayout(), KeyBitmap());
                      },
                      LoadOutcome::Loads};
    dotted.pfnIndexFile = [](const std::wstring& name) { return name + L".v2.xml"; };
    corpus.push_back(dotted);
}

// One case of each way a skin breaks, which every screen size loads: another size or
// shape picks another layout entry and turns the skin another way, or not at all.
const char* const g_apszEveryScreen[] = {
    "no files at all",
    "index that is a bitmap",
    "the declaration and a comment only",
    "a layout name of 259 characters",
    "10,000 entries, none fitting",
    "10,000 entries too high, the last one lower",
    "the layout file is missing",
    "layout cut to 96 bytes",
    "the layout file is a folder",
    "10,000 entries",
    "the only key entry is the first child",
    "the key bitmap is missing",
    "plain text named .bmp",
    "a bitmap name of 259 characters",
    "an index file name without a dot",
    "an index file name that is only the extension",
    "an index file name too long for a path",
    "an index file name with a dot inside",
};

void MarkEveryScreen(std::vector<BrokenSkin>& corpus)
{
    for (const char* pszWhat : g_apszEveryScreen)
    {
        for (BrokenSkin& skin : corpus)
        {
            if (skin.what == pszWhat)
                skin.bEveryScreen = true;
        }
    }
}

}  // namespace

size_t EveryScreenCaseCount()
{
    return sizeof g_apszEveryScreen / sizeof g_apszEveryScreen[0];
}

std::vector<BrokenSkin> MakeBrokenSkinCorpus()
{
    std::vector<BrokenSkin> corpus;
    AddIndexCases(corpus);
    AddLayoutCases(corpus);
    AddBitmapCases(corpus);
    AddNameCases(corpus);
    MarkEveryScreen(corpus);
    for (size_t i = 0; i < corpus.size(); ++i)
    {
        wchar_t szName[16];
        std::swprintf(szName, 16, L"Broken%03u", static_cast<unsigned>(i));
        corpus[i].name = szName;
    }
    return corpus;
}
