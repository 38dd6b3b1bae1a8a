#include "SkinDocuments.h"

#include <cstdio>

namespace {

std::string Attribute(const char* pszName, int nValue)
{
    return std::string(" ") + pszName + "=\"" + std::to_string(nValue) + "\"";
}

std::string Attribute(const char* pszName, const std::string& value)
{
    return std::string(" ") + pszName + "=\"" + value + "\"";
}

std::string Element(const std::string& attributes, const std::string& text)
{
    return "  <Entry" + attributes + ">" + text + "</Entry>\n";
}

std::string AreaAttributes(const PixelRect& rc)
{
    return Attribute("Left", rc.nLeft) + Attribute("Top", rc.nTop) + Attribute("Width", rc.Width()) +
           Attribute("Height", rc.Height());
}

const char* ViewName(int nView)
{
    switch (nView)
    {
    case VIEW_CHAR: return "Char";
    case VIEW_SYMBOL: return "Symbol";
    case VIEW_NUMBER: return "Number";
    default: return "Unknown";
    }
}

}  // namespace

std::string AsciiFileName(const wchar_t* psz)
{
    std::string out;
    for (; psz != nullptr && *psz != L'\0'; ++psz)
        out.push_back(*psz < 0x80 ? static_cast<char>(*psz) : '_');
    return out;
}

std::string BuildIndexDocument(const std::string& comment, const std::vector<IndexEntry>& entries)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Skin>\n";
    xml += "  <!-- " + comment + " -->\n";
    for (const IndexEntry& entry : entries)
        xml += "  <Resolution" + Attribute("ResolutionID", entry.nId) + Attribute("Width", entry.nWidth) +
               Attribute("Height", entry.nHeight) + Attribute("LayoutFileName", entry.layoutFile) +
               (entry.language.empty() ? "" : Attribute("Language", entry.language)) + "/>\n";
    xml += "</Skin>\n";
    return xml;
}

std::string LayoutFileName(int nClass)
{
    return "Layout" + std::to_string(nClass) + ".xml";
}

std::string BackgroundFileName(int nClass, int nView)
{
    return std::to_string(nClass) + "_" + ViewName(nView) + "Background.bmp";
}

std::string KeyImageFileName(int nClass, int nKey)
{
    const KeyInfo* pInfo = FindKeyInfo(nKey);
    return std::to_string(nClass) + "_" + AsciiFileName(pInfo != nullptr ? pInfo->pszEntry : L"none") + ".bmp";
}

std::string BuildLayoutDocument(const std::string& comment, const KeyboardPlan& plan, int nClass, int nOrientation)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Layout>\n";
    xml += "  <!-- " + comment + " -->\n";
    // Orientation and design size first: every later rectangle and image is turned with them.
    xml += Element(Attribute("OrientationValue", nOrientation), "Orientation");
    xml += Element(Attribute("DefaultBackgroundValue", 0) + Attribute("BackgroundWidth", plan.nWidth) +
                       Attribute("BackgroundHeight", plan.nHeight) + Attribute("ValidateWidth", plan.nWidth) +
                       Attribute("ValidateHeight", plan.nHeight),
                   "DefaultBackground");
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
        xml += Element(Attribute("DefaultPath", BackgroundFileName(nClass, nView)),
                       std::string(ViewName(nView)) + "Background");
    xml += Element(AreaAttributes(plan.rcCharView), "char_charview");
    xml += Element(AreaAttributes(plan.rcEditView), "char_editview");
    if (plan.rcWordView.Width() > 0 && plan.rcWordView.Height() > 0)
        xml += Element(AreaAttributes(plan.rcWordView), "char_wordview");
    for (int i = 0; i < KEY_COUNT; ++i)
        xml += Element(AreaAttributes(plan.keys[i]) + Attribute("DefaultPath", KeyImageFileName(nClass, i)),
                       AsciiFileName(FindKeyInfo(i)->pszEntry));
    xml += "</Layout>\n";
    return xml;
}
