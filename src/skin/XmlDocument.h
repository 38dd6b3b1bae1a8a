#pragma once
#include <windows.h>
#include <msxml.h>

#include <functional>

// Reading the skin's XML files through the MSXML DOM over COM. Only the children of the
// root element matter, and the first of them is never read.

// Opens the document at pszPath and hands every child node of the root element from the
// second on, in document order, to readEntry (null items are skipped). onOpened runs once,
// after the document is open and before the first entry. 1 when the document could be
// opened and walked, whatever the entries held; 0 when COM, the DOM or the file fail, or
// when readEntry returns false (the readers do so only when memory runs out), which ends
// the walk there.
int ReadXmlDocument(LPCWSTR pszPath, const std::function<void()>& onOpened,
                    const std::function<bool(IXMLDOMNode*)>& readEntry);

// Calls visit(name, text) for each attribute of pNode in document order. Returns the
// number of attributes; -1 when the node has no attribute collection (comments, text) or
// the collection or an attribute cannot be read; kXmlVisitStopped when visit returns false
// (the readers' visitors do so only when memory runs out).
constexpr long kXmlVisitStopped = -2;
long VisitXmlAttributes(IXMLDOMNode* pNode,
                        const std::function<bool(LPCWSTR pszName, BSTR bstrText)>& visit);
