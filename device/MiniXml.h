#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A small reader for the XML files of a skin, enough for the device to know
// where the keys of the loaded skin are: elements with attributes, text,
// comments, the five predefined entities and numeric character references.
// Texts stay UTF-8.

struct XmlNode
{
    enum class Kind { Element, Text, Comment };
    Kind kind = Kind::Element;
    std::string name;                                        // elements
    std::vector<std::pair<std::string, std::string>> attributes;  // elements, in document order
    std::string text;                                        // text and comment nodes
    std::vector<std::unique_ptr<XmlNode>> children;

    // The concatenated text of the element and its descendants, white space trimmed at both ends.
    std::string TextContent() const;
    // The value of the last attribute of that name; nullptr if none.
    const std::string* Attribute(const std::string& attributeName) const;
};

// The root element of a document; nullptr (with a reason) when it is not well-formed.
// White-space-only text between elements is dropped.
std::unique_ptr<XmlNode> ParseXml(const std::string& document, std::string* pError = nullptr);
