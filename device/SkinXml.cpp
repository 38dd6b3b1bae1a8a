// The device's own reader of skin files, through the platform's MSXML DOM, apart from the keyboard's so that it checks it.
#include "SkinXml.h"

#include "support/ComApartment.h"
#include "device/harness/TextUtf.h"
#include "support/ComPointer.h"
#include "support/GdiHandles.h"

// msxml.h, not msxml2.h: mingw-w64's msxml2.h renames the DOMDocument class to
// DOMDocument2, which no import library defines.
#include <msxml.h>

namespace {

std::string Utf8(const CBstr& bstr)
{
    return Narrow(std::wstring_view(bstr.Get(), bstr.Length()));
}

bool ReadAttributes(IXMLDOMNode* pNode, SkinEntry& entry)
{
    CComPointer<IXMLDOMNamedNodeMap> attributes;
    long nCount = 0;
    if (pNode->get_attributes(attributes.Put()) != S_OK || !attributes || FAILED(attributes->get_length(&nCount)))
        return false;
    for (long i = 0; i < nCount; ++i)
    {
        CComPointer<IXMLDOMNode> attribute;
        CBstr name, value;
        if (attributes->get_item(i, attribute.Put()) != S_OK || !attribute ||
            FAILED(attribute->get_nodeName(name.Put())) || FAILED(attribute->get_text(value.Put())))
            return false;
        entry.attributes.emplace_back(Utf8(name), Utf8(value));
    }
    return true;
}

bool ReadEntry(IXMLDOMNode* pNode, SkinEntry& entry)
{
    DOMNodeType type = NODE_INVALID;
    CBstr text;
    if (FAILED(pNode->get_nodeType(&type)) || FAILED(pNode->get_text(text.Put())))
        return false;
    entry.bElement = type == NODE_ELEMENT;
    entry.text = Utf8(text);
    return !entry.bElement || ReadAttributes(pNode, entry);
}

std::string WhyNotLoaded(IXMLDOMDocument* pDocument)
{
    CComPointer<IXMLDOMParseError> error;
    CBstr reason;
    if (FAILED(pDocument->get_parseError(error.Put())) || !error || FAILED(error->get_reason(reason.Put())))
        return "not XML";
    std::string why = Utf8(reason);
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == ' '))
        why.pop_back();
    return why.empty() ? "not XML" : why;
}

bool ReadRootChildren(IXMLDOMDocument* pDocument, SkinEntries& entries)
{
    CComPointer<IXMLDOMElement> root;
    CComPointer<IXMLDOMNodeList> children;
    long nCount = 0;
    if (pDocument->get_documentElement(root.Put()) != S_OK || !root || FAILED(root->get_childNodes(children.Put())) ||
        !children || FAILED(children->get_length(&nCount)))
        return false;
    for (long i = 0; i < nCount; ++i)
    {
        CComPointer<IXMLDOMNode> node;
        entries.emplace_back();
        if (children->get_item(i, node.Put()) != S_OK || !node || !ReadEntry(node.Get(), entries.back()))
            return false;
    }
    return true;
}

}  // namespace

bool ReadSkinEntries(const std::wstring& sPath, SkinEntries& entries, std::string& sWhy)
{
    entries.clear();
    const CComApartment com;
    CComPointer<IXMLDOMDocument> document;
    if (!com.Usable() || FAILED(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                                 reinterpret_cast<void**>(document.Put()))))
    {
        sWhy = "the XML DOM cannot be created";
        return false;
    }
    CBstr path(sPath.c_str());
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = path.Get();   // still owned by path
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (FAILED(document->put_async(VARIANT_FALSE)) || document->load(source, &bLoaded) != S_OK || !bLoaded)
    {
        sWhy = Narrow(sPath) + ": " + WhyNotLoaded(document.Get());
        return false;
    }
    if (!ReadRootChildren(document.Get(), entries))
    {
        sWhy = Narrow(sPath) + ": the root element's children cannot be read";
        return false;
    }
    return true;
}
