#include "skin/XmlDocument.h"

#include "support/ComApartment.h"
#include "support/ComPointer.h"
#include "support/GdiHandles.h"

#include <memory>
#include <new>

int ReadXmlDocument(LPCWSTR pszPath, const std::function<void()>& onOpened,
                    const std::function<bool(IXMLDOMNode*)>& readEntry)
{
    if (pszPath == nullptr)
        return 0;
    CComApartment apartment;
    if (!apartment.Succeeded())
        return 0;
    // Declared after the apartment so that they are released before it ends.
    CComPointer<IXMLDOMDocument> pDocument;
    HRESULT hr = CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IXMLDOMDocument, reinterpret_cast<void**>(pDocument.Put()));
    if (FAILED(hr) || !pDocument)
        return 0;

    CBstr bstrPath(pszPath);
    if (bstrPath.Get() == nullptr)
        return 0;
    VARIANT varPath;
    VariantInit(&varPath);
    varPath.vt = VT_BSTR;
    varPath.bstrVal = bstrPath.Get();  // still owned by bstrPath
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (pDocument->load(varPath, &bLoaded) != S_OK)
        return 0;

    CComPointer<IXMLDOMElement> pRoot;
    if (pDocument->get_documentElement(pRoot.Put()) != S_OK || !pRoot)
        return 0;
    CComPointer<IXMLDOMNodeList> pChildren;
    if (pRoot->get_childNodes(pChildren.Put()) != S_OK || !pChildren)
        return 0;
    long nLength = 0;
    if (pChildren->get_length(&nLength) != S_OK)
        return 0;

    if (onOpened)
        onOpened();
    for (long i = 1; i < nLength; ++i)
    {
        CComPointer<IXMLDOMNode> pNode;
        if (FAILED(pChildren->get_item(i, pNode.Put())) || !pNode)
            continue;
        if (!readEntry(pNode.Get()))
            return 0;
    }
    return 1;
}

long VisitXmlAttributes(IXMLDOMNode* pNode,
                        const std::function<bool(LPCWSTR pszName, BSTR bstrText)>& visit)
{
    if (pNode == nullptr)
        return -1;
    CComPointer<IXMLDOMNamedNodeMap> pAttributes;
    if (FAILED(pNode->get_attributes(pAttributes.Put())) || !pAttributes)
        return -1;
    long nCount = 0;
    if (pAttributes->get_length(&nCount) != S_OK || nCount < 0)
        return -1;
    for (long i = 0; i < nCount; ++i)
    {
        CComPointer<IXMLDOMNode> pAttribute;
        if (FAILED(pAttributes->get_item(i, pAttribute.Put())) || !pAttribute)
            return -1;
        CBstr bstrName;
        if (FAILED(pAttribute->get_nodeName(bstrName.Put())) || bstrName.Get() == nullptr)
            continue;
        CBstr bstrText;
        if (FAILED(pAttribute->get_text(bstrText.Put())))
            bstrText.Put();
        if (!visit(bstrName.Get(), bstrText.Get()))
            return kXmlVisitStopped;
    }
    return nCount;
}
