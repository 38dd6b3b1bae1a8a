#include "MiniXml.h"

#include <cstdlib>

namespace {

class CParser
{
public:
    explicit CParser(const std::string& s) : m_s(s) {}

    std::unique_ptr<XmlNode> ParseDocument()
    {
        if (m_s.compare(0, 3, "\xEF\xBB\xBF") == 0)
            m_nPos = 3;
        SkipMisc();
        if (AtEnd() || m_s[m_nPos] != '<')
            return Fail("no root element");
        std::unique_ptr<XmlNode> root = ParseElement();
        if (!root)
            return nullptr;
        SkipMisc();
        if (!AtEnd())
            return Fail("content after the root element");
        return root;
    }

    std::string m_error;

private:
    bool AtEnd() const { return m_nPos >= m_s.size(); }
    bool StartsWith(const char* psz) const { return m_s.compare(m_nPos, std::char_traits<char>::length(psz), psz) == 0; }

    std::unique_ptr<XmlNode> Fail(const char* pszWhy)
    {
        if (m_error.empty())
            m_error = std::string(pszWhy) + " at byte " + std::to_string(m_nPos);
        return nullptr;
    }

    void SkipSpace()
    {
        while (!AtEnd() && (m_s[m_nPos] == ' ' || m_s[m_nPos] == '\t' || m_s[m_nPos] == '\r' || m_s[m_nPos] == '\n'))
            ++m_nPos;
    }

    // Declarations, processing instructions, comments and a doctype around the root.
    void SkipMisc()
    {
        for (;;)
        {
            SkipSpace();
            size_t nEnd = std::string::npos;
            if (StartsWith("<?"))
                nEnd = Skip("?>");
            else if (StartsWith("<!--"))
                nEnd = Skip("-->");
            else if (StartsWith("<!"))
                nEnd = Skip(">");
            else
                return;
            if (nEnd == std::string::npos)
                return;
        }
    }

    size_t Skip(const char* pszTerminator)
    {
        const size_t nEnd = m_s.find(pszTerminator, m_nPos);
        if (nEnd == std::string::npos)
        {
            m_nPos = m_s.size();
            return nEnd;
        }
        m_nPos = nEnd + std::char_traits<char>::length(pszTerminator);
        return nEnd;
    }

    std::string ParseName()
    {
        const size_t nStart = m_nPos;
        while (!AtEnd())
        {
            const char ch = m_s[m_nPos];
            if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '/' || ch == '>' || ch == '=' ||
                ch == '<' || ch == '"' || ch == '\'')
                break;
            ++m_nPos;
        }
        return m_s.substr(nStart, m_nPos - nStart);
    }

    static void AppendUtf8(std::string& out, unsigned long ulCode)
    {
        if (ulCode < 0x80)
            out += static_cast<char>(ulCode);
        else if (ulCode < 0x800)
        {
            out += static_cast<char>(0xC0 | (ulCode >> 6));
            out += static_cast<char>(0x80 | (ulCode & 0x3F));
        }
        else if (ulCode < 0x10000)
        {
            out += static_cast<char>(0xE0 | (ulCode >> 12));
            out += static_cast<char>(0x80 | ((ulCode >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ulCode & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (ulCode >> 18));
            out += static_cast<char>(0x80 | ((ulCode >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((ulCode >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ulCode & 0x3F));
        }
    }

    // Decodes entities in raw text; false for an unknown or unterminated one.
    static bool Decode(const std::string& raw, std::string& out)
    {
        out.clear();
        for (size_t i = 0; i < raw.size(); ++i)
        {
            if (raw[i] != '&')
            {
                out += raw[i];
                continue;
            }
            const size_t nSemi = raw.find(';', i);
            if (nSemi == std::string::npos)
                return false;
            const std::string entity = raw.substr(i + 1, nSemi - i - 1);
            if (entity == "amp") out += '&';
            else if (entity == "lt") out += '<';
            else if (entity == "gt") out += '>';
            else if (entity == "quot") out += '"';
            else if (entity == "apos") out += '\'';
            else if (entity.size() > 1 && entity[0] == '#')
            {
                const bool bHex = entity[1] == 'x';
                const std::string digits = entity.substr(bHex ? 2 : 1);
                if (digits.empty())
                    return false;
                char* pEnd = nullptr;
                const unsigned long ulCode = std::strtoul(digits.c_str(), &pEnd, bHex ? 16 : 10);
                if (*pEnd != '\0' || ulCode == 0 || ulCode > 0x10FFFF)
                    return false;
                AppendUtf8(out, ulCode);
            }
            else
                return false;
            i = nSemi;
        }
        return true;
    }

    std::unique_ptr<XmlNode> ParseElement()
    {
        if (++m_nDepth > 200)
            return Fail("elements nested too deeply");
        ++m_nPos;  // '<'
        auto node = std::make_unique<XmlNode>();
        node->name = ParseName();
        if (node->name.empty())
            return Fail("element without a name");
        for (;;)
        {
            SkipSpace();
            if (AtEnd())
                return Fail("unterminated start tag");
            if (StartsWith("/>"))
            {
                m_nPos += 2;
                --m_nDepth;
                return node;
            }
            if (m_s[m_nPos] == '>')
            {
                ++m_nPos;
                break;
            }
            std::string attributeName = ParseName();
            if (attributeName.empty())
                return Fail("bad attribute");
            SkipSpace();
            if (AtEnd() || m_s[m_nPos] != '=')
                return Fail("attribute without a value");
            ++m_nPos;
            SkipSpace();
            if (AtEnd() || (m_s[m_nPos] != '"' && m_s[m_nPos] != '\''))
                return Fail("attribute value without quotes");
            const char chQuote = m_s[m_nPos++];
            const size_t nEnd = m_s.find(chQuote, m_nPos);
            if (nEnd == std::string::npos)
                return Fail("unterminated attribute value");
            std::string value;
            if (!Decode(m_s.substr(m_nPos, nEnd - m_nPos), value))
                return Fail("bad entity in an attribute");
            m_nPos = nEnd + 1;
            node->attributes.emplace_back(std::move(attributeName), std::move(value));
        }
        // Content up to the matching end tag.
        for (;;)
        {
            if (AtEnd())
                return Fail("unterminated element");
            if (StartsWith("</"))
            {
                m_nPos += 2;
                const std::string endName = ParseName();
                SkipSpace();
                if (endName != node->name || AtEnd() || m_s[m_nPos] != '>')
                    return Fail("mismatched end tag");
                ++m_nPos;
                --m_nDepth;
                return node;
            }
            if (StartsWith("<!--"))
            {
                const size_t nStart = m_nPos + 4;
                if (Skip("-->") == std::string::npos)
                    return Fail("unterminated comment");
                auto comment = std::make_unique<XmlNode>();
                comment->kind = XmlNode::Kind::Comment;
                comment->text = m_s.substr(nStart, m_nPos - 3 - nStart);
                node->children.push_back(std::move(comment));
                continue;
            }
            if (StartsWith("<![CDATA["))
            {
                const size_t nStart = m_nPos + 9;
                if (Skip("]]>") == std::string::npos)
                    return Fail("unterminated CDATA section");
                auto text = std::make_unique<XmlNode>();
                text->kind = XmlNode::Kind::Text;
                text->text = m_s.substr(nStart, m_nPos - 3 - nStart);
                node->children.push_back(std::move(text));
                continue;
            }
            if (StartsWith("<?"))
            {
                if (Skip("?>") == std::string::npos)
                    return Fail("unterminated processing instruction");
                continue;
            }
            if (m_s[m_nPos] == '<')
            {
                std::unique_ptr<XmlNode> child = ParseElement();
                if (!child)
                    return nullptr;
                node->children.push_back(std::move(child));
                continue;
            }
            const size_t nEnd = m_s.find('<', m_nPos);
            const std::string raw = m_s.substr(m_nPos, (nEnd == std::string::npos ? m_s.size() : nEnd) - m_nPos);
            m_nPos = nEnd == std::string::npos ? m_s.size() : nEnd;
            if (raw.find_first_not_of(" \t\r\n") == std::string::npos)
                continue;
            auto text = std::make_unique<XmlNode>();
            text->kind = XmlNode::Kind::Text;
            if (!Decode(raw, text->text))
                return Fail("bad entity in text");
            node->children.push_back(std::move(text));
        }
    }

    const std::string& m_s;
    size_t m_nPos = 0;
    int m_nDepth = 0;
};

void CollectText(const XmlNode& node, std::string& out)
{
    if (node.kind == XmlNode::Kind::Text)
        out += node.text;
    if (node.kind != XmlNode::Kind::Element)
        return;
    for (const auto& child : node.children)
        CollectText(*child, out);
}

}  // namespace

std::string XmlNode::TextContent() const
{
    std::string all;
    CollectText(*this, all);
    const size_t nFirst = all.find_first_not_of(" \t\r\n");
    if (nFirst == std::string::npos)
        return std::string();
    const size_t nLast = all.find_last_not_of(" \t\r\n");
    return all.substr(nFirst, nLast - nFirst + 1);
}

const std::string* XmlNode::Attribute(const std::string& attributeName) const
{
    const std::string* pValue = nullptr;
    for (const auto& attribute : attributes)
        if (attribute.first == attributeName)
            pValue = &attribute.second;
    return pValue;
}

std::unique_ptr<XmlNode> ParseXml(const std::string& document, std::string* pError)
{
    CParser parser(document);
    std::unique_ptr<XmlNode> root = parser.ParseDocument();
    if (!root && pError != nullptr)
        *pError = parser.m_error;
    return root;
}
