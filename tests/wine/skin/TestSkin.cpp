#include "TestSkin.h"

#include "keyboard/KeyTable.h"

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

std::string Name(int nKey)
{
    return Narrow(FindKeyInfo(nKey)->pszEntry);
}

}  // namespace

TestSkinDesign TestSkinDesignFor(int nShortSideClass)
{
    return nShortSideClass >= 480 ? TestSkinDesign{640, 480} : TestSkinDesign{320, 240};
}

void TestSkinKeyRect(const TestSkinDesign& design, int nKey, int* pnLeft, int* pnTop, int* pnWidth, int* pnHeight)
{
    // 12 columns and 7 rows below a strip for the text areas; cells leave a 1-pixel gap.
    const int nCellW = design.nWidth / 12;
    const int nCellH = (design.nHeight - design.nHeight / 6) / 7;
    *pnLeft = (nKey % 12) * nCellW;
    *pnTop = design.nHeight / 6 + (nKey / 12) * nCellH;
    *pnWidth = nCellW - 1 - (nKey % 3);  // different widths and heights catch swapped sides
    *pnHeight = nCellH - 1 - (nKey % 2);
}

uint32_t TestSkinKeyColour(int nKey)
{
    return 0x000100u * static_cast<uint32_t>(nKey + 20) + 0x30u;
}

std::string TestSkinLayout(const TestSkinDesign& design, const std::string& prefix)
{
    std::string children = LayoutHeader(4, design.nWidth, design.nHeight);
    children += "<b DefaultPath=\"" + prefix + "char.bmp\">CharBackground</b>\n";
    children += "<b DefaultPath=\"" + prefix + "symbol.bmp\">SymbolBackground</b>\n";
    children += "<b DefaultPath=\"" + prefix + "number.bmp\">NumberBackground</b>\n";
    children += KeyEntry("char_charview", 0, 0, design.nWidth / 4, design.nHeight / 6);
    children += KeyEntry("char_editview", design.nWidth / 4, 0, design.nWidth * 3 / 4, design.nHeight / 6);
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        int l, t, w, h;
        TestSkinKeyRect(design, i, &l, &t, &w, &h);
        children += KeyEntry(Name(i), l, t, w, h, prefix + "key" + std::to_string(i) + ".bmp");
    }
    return XmlDocumentText(children);
}

void WriteTestSkin(CSkinTestFiles& files, const std::wstring& name)
{
    files.Write(name + L".xml", XmlDocumentText(
        "<entry ResolutionID=\"1\" Width=\"320\" Height=\"240\" LayoutFileName=\"small.xml\"/>\n"
        "<entry ResolutionID=\"2\" Width=\"640\" Height=\"480\" LayoutFileName=\"large.xml\"/>\n"));
    for (int nClass : {240, 480})
    {
        const TestSkinDesign design = TestSkinDesignFor(nClass);
        const std::string prefix = nClass == 240 ? "s_" : "l_";
        const std::wstring wprefix(prefix.begin(), prefix.end());
        files.Write(name + L"\\" + (nClass == 240 ? L"small.xml" : L"large.xml"), TestSkinLayout(design, prefix));
        const uint32_t backgrounds[3] = {0xC0C0C0, 0x80C0FF, 0xFFC080};
        const wchar_t* names[3] = {L"char.bmp", L"symbol.bmp", L"number.bmp"};
        for (int v = 0; v < 3; ++v)
        {
            const uint32_t colour = backgrounds[v];
            files.Write(name + L"\\" + wprefix + names[v], MakeBmpBytes(design.nWidth, design.nHeight,
                [colour](int x, int y) { return x == 0 && y == 0 ? kMarker : colour; }));
        }
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            int l, t, w, h;
            TestSkinKeyRect(design, i, &l, &t, &w, &h);
            const uint32_t colour = TestSkinKeyColour(i);
            files.Write(name + L"\\" + wprefix + L"key" + std::to_wstring(i) + L".bmp",
                        MakeBmpBytes(w, h, [colour](int x, int y) { return x == 0 && y == 0 ? kMarker : colour; }));
        }
    }
}
