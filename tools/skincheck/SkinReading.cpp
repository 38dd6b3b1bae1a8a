#include "SkinReading.h"
#include "device/harness/TextUtf.h"

#include "Findings.h"

#include "platform/AygShell.h"
#include "skin/SkinPaths.h"
#include "skin/SystemCodePage.h"
#include "skin/XmlDocument.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cwchar>

namespace {

// The height of the keyboard's text font at 96 DPI.
constexpr int kTextFontHeight96 = 16;

bool IsElement(IXMLDOMNode* pNode)
{
    DOMNodeType type = NODE_INVALID;
    return SUCCEEDED(pNode->get_nodeType(&type)) && type == NODE_ELEMENT;
}

}  // namespace

IndexModel ReadIndexModel(LPCWSTR pszSkinsFolder, LPCWSTR pszIndexFile)
{
    IndexModel model;
    model.file = Narrow(pszIndexFile);
    WCHAR szPath[MAX_PATH];
    if (!JoinSkinPath(szPath, MAX_PATH, pszSkinsFolder, pszIndexFile))
        return model;
    int nChild = 1;
    model.bReadable = ReadXmlDocument(szPath, nullptr, [&model, &nChild](IXMLDOMNode* pNode) {
        ++nChild;
        if (!IsElement(pNode))
            return true;
        IndexEntryRecord record{};
        record.nChild = nChild;
        const long nCount = VisitXmlAttributes(pNode, [&record](LPCWSTR pszName, BSTR bstrText) {
            if (pszName != nullptr && std::wcscmp(pszName, kSkinLanguageAttribute) == 0)
            {
                record.bHasLanguage = true;
                record.language.assign(bstrText, SysStringLen(bstrText));
            }
            return StoreResolutionAttribute(record.entry, pszName, bstrText, SysStringLen(bstrText),
                                            GetSystemCodePage());
        });
        record.bHasAttributes = nCount >= 0;
        model.entries.push_back(record);
        return true;
    }) != 0;
    return model;
}

LayoutModel ReadLayoutModel(LPCWSTR pszSkinFolder, LPCWSTR pszLayoutFile, const std::string& label)
{
    LayoutModel model;
    model.file = label;
    WCHAR szPath[MAX_PATH];
    if (!JoinSkinPath(szPath, MAX_PATH, pszSkinFolder, pszLayoutFile))
        return model;
    const DWORD dwAttributes = GetFileAttributesW(szPath);
    model.bPresent = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    int nChild = 1;
    model.bReadable = ReadXmlDocument(szPath, nullptr, [&model, &nChild](IXMLDOMNode* pNode) {
        ++nChild;
        if (!IsElement(pNode))
            return true;
        LayoutEntryRecord record{};
        record.nChild = nChild;
        CBstr bstrText;
        if (SUCCEEDED(pNode->get_text(bstrText.Put())) && bstrText.Get() != nullptr)
            record.text.assign(bstrText.Get(), bstrText.Length());
        const long nCount = VisitXmlAttributes(pNode, [&record](LPCWSTR pszName, BSTR bstrValue) {
            if (pszName != nullptr && std::wcscmp(pszName, L"Alternates") == 0)
                record.alternates.assign(bstrValue, SysStringLen(bstrValue));
            return StoreLayoutAttribute(record.values, pszName, bstrValue, SysStringLen(bstrValue),
                                        GetSystemCodePage());
        });
        record.bHasAttributes = nCount != 0;
        record.bEnded = nCount < 0;
        record.target = ClassifyLayoutEntry(bstrText.Get());
        model.entries.push_back(record);
        return true;
    }) != 0;
    return model;
}

void ReadGlyphFacts(LayoutModel& layout)
{
    std::wstring text;
    for (const LayoutEntryRecord& record : layout.entries)
        text += record.alternates;
    if (text.empty())
        return;
    CWindowDc dc(nullptr);
    WCHAR szFace[LF_FACESIZE] = {};
    GetTextFaceW(dc.Get(), LF_FACESIZE, szFace);
    CUniqueFont font(CreateFontW(ScaleByDpi(kTextFontHeight96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, szFace));
    CSelectObject selected(dc.Get(), font.Get());
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(dc.Get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (glyphs[i] == 0xFFFF)
            layout.missingGlyphs.insert(text[i]);
    }
}

void ReadBitmapFacts(LPCWSTR pszSkinFolder, const LayoutModel& layout, BitmapTable& bitmaps)
{
    for (const LayoutEntryRecord& record : layout.entries)
    {
        const std::wstring name = record.values.szBitmapName;
        if (name.empty() || bitmaps.count(name) != 0)
            continue;
        BitmapFacts facts;
        WCHAR szPath[MAX_PATH];
        if (JoinSkinPath(szPath, MAX_PATH, pszSkinFolder, name.c_str()))
        {
            const DWORD dwAttributes = GetFileAttributesW(szPath);
            if (dwAttributes == INVALID_FILE_ATTRIBUTES)
                facts.state = BitmapFacts::State::Missing;
            else if ((dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                facts.state = BitmapFacts::State::IsFolder;
            else
            {
                // The loader's own way of reading a bitmap.
                CUniqueBitmap bitmap(SHLoadDIBitmap(szPath));
                facts.state = bitmap ? BitmapFacts::State::Loaded : BitmapFacts::State::Unreadable;
                facts.nWidth = GetBitmapWidth(bitmap.Get());
                facts.nHeight = GetBitmapHeight(bitmap.Get());
            }
        }
        bitmaps[name] = facts;
    }
}
