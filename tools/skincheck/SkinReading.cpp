#include "SkinReading.h"
#include "common/TextUtf.h"

#include "Findings.h"

#include "platform/AygShell.h"
#include "skin/SkinPaths.h"
#include "skin/SystemCodePage.h"
#include "skin/XmlDocument.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

namespace {

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
            return;
        IndexEntryRecord record{};
        record.nChild = nChild;
        const long nCount = VisitXmlAttributes(pNode, [&record](LPCWSTR pszName, BSTR bstrText) {
            return StoreResolutionAttribute(record.entry, pszName, bstrText, SysStringLen(bstrText),
                                            GetSystemCodePage());
        });
        record.bHasAttributes = nCount >= 0;
        model.entries.push_back(record);
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
            return;
        LayoutEntryRecord record{};
        record.nChild = nChild;
        CBstr bstrText;
        if (SUCCEEDED(pNode->get_text(bstrText.Put())) && bstrText.Get() != nullptr)
            record.text.assign(bstrText.Get(), bstrText.Length());
        bool bEnded = false;
        const long nCount = VisitXmlAttributes(pNode, [&record, &bEnded](LPCWSTR pszName, BSTR bstrValue) {
            bEnded = !StoreLayoutAttribute(record.values, pszName, bstrValue, SysStringLen(bstrValue),
                                           GetSystemCodePage());
            return !bEnded;
        });
        record.bHasAttributes = nCount != 0;
        record.bEnded = nCount < 0;
        record.target = ClassifyLayoutEntry(bstrText.Get());
        model.entries.push_back(record);
    }) != 0;
    return model;
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
