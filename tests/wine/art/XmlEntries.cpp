#include "XmlEntries.h"

#include <windows.h>
#include <msxml2.h>
#include <objbase.h>

namespace {

// The DOMDocument class of MSXML 3 ({2933BF90-7B36-11D2-B20E-00C04F983E60}), spelt out so
// that no import library has to provide it.
const CLSID kDomDocumentClass = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

template <typename T>
class CComPtrLite
{
public:
    CComPtrLite() = default;
    ~CComPtrLite()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    CComPtrLite(const CComPtrLite&) = delete;
    CComPtrLite& operator=(const CComPtrLite&) = delete;
    T** Out() { return &m_p; }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p = nullptr;
};

std::wstring TakeBstr(BSTR bstr)
{
    std::wstring s = bstr != nullptr ? std::wstring(bstr, SysStringLen(bstr)) : std::wstring();
    SysFreeString(bstr);
    return s;
}

bool ReadNode(IXMLDOMNode* pNode, XmlEntry& entry)
{
    DOMNodeType type = NODE_INVALID;
    if (FAILED(pNode->get_nodeType(&type)))
        return false;
    entry.bElement = type == NODE_ELEMENT;
    entry.bComment = type == NODE_COMMENT;
    BSTR bstrText = nullptr;
    if (SUCCEEDED(pNode->get_text(&bstrText)))
        entry.text = TakeBstr(bstrText);
    if (!entry.bElement)
        return true;
    CComPtrLite<IXMLDOMNamedNodeMap> attributes;
    long nCount = 0;
    if (pNode->get_attributes(attributes.Out()) != S_OK || attributes.Get() == nullptr ||
        attributes->get_length(&nCount) != S_OK)
        return false;
    for (long i = 0; i < nCount; ++i)
    {
        CComPtrLite<IXMLDOMNode> attribute;
        BSTR bstrName = nullptr;
        BSTR bstrValue = nullptr;
        if (attributes->get_item(i, attribute.Out()) != S_OK || attribute.Get() == nullptr ||
            FAILED(attribute->get_nodeName(&bstrName)) || FAILED(attribute->get_text(&bstrValue)))
            return false;
        const std::wstring name = TakeBstr(bstrName);
        entry.attributes[name] = TakeBstr(bstrValue);
        entry.attributeOrder.push_back(name);
    }
    return true;
}

}  // namespace

bool ReadXmlEntries(const std::wstring& path, std::vector<XmlEntry>& entries)
{
    entries.clear();
    const HRESULT hrInit = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(hrInit))
        return false;
    bool bOk = false;
    {
        CComPtrLite<IXMLDOMDocument> document;
        CComPtrLite<IXMLDOMElement> root;
        CComPtrLite<IXMLDOMNodeList> children;
        VARIANT_BOOL bLoaded = VARIANT_FALSE;
        VARIANT source;
        VariantInit(&source);
        source.vt = VT_BSTR;
        source.bstrVal = SysAllocString(path.c_str());
        long nLength = 0;
        if (SUCCEEDED(CoCreateInstance(kDomDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                       reinterpret_cast<void**>(document.Out()))) &&
            document->load(source, &bLoaded) == S_OK && bLoaded == VARIANT_TRUE &&
            document->get_documentElement(root.Out()) == S_OK &&
            root->get_childNodes(children.Out()) == S_OK && children->get_length(&nLength) == S_OK)
        {
            bOk = true;
            for (long i = 0; i < nLength && bOk; ++i)
            {
                CComPtrLite<IXMLDOMNode> node;
                XmlEntry entry;
                bOk = children->get_item(i, node.Out()) == S_OK && ReadNode(node.Get(), entry);
                entries.push_back(entry);
            }
        }
        VariantClear(&source);
    }
    CoUninitialize();
    return bOk;
}

std::wstring ProgramFolder()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath);
    return path.substr(0, path.find_last_of(L'\\'));
}
