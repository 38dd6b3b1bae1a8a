#pragma once
#include <map>
#include <string>
#include <vector>

// The children of an XML document's root, read through the platform's DOM (MSXML
// over COM), in document order: what the skin readers of the module see.
struct XmlEntry
{
    bool bElement = false;   // false for comments and text
    bool bComment = false;
    std::wstring text;       // the element's trimmed text
    std::map<std::wstring, std::wstring> attributes;
    std::vector<std::wstring> attributeOrder;
};

// False when the file cannot be loaded or parsed.
bool ReadXmlEntries(const std::wstring& path, std::vector<XmlEntry>& entries);

// The folder of the running program, without a trailing backslash.
std::wstring ProgramFolder();
