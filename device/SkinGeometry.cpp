#include "SkinGeometry.h"

#include "TypingKeys.h"
#include "device/harness/TextUtf.h"
#include "settings/OptionsFormat.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

const std::string* SkinEntry::Attribute(const std::string& name) const
{
    const auto found = std::find_if(attributes.begin(), attributes.end(),
                                    [&name](const auto& attribute) { return attribute.first == name; });
    return found != attributes.end() ? &found->second : nullptr;
}

ScreenShape ShapeOf(int nWidth, int nHeight)
{
    if (nWidth > nHeight)
        return ScreenShape::Landscape;
    if (nWidth < nHeight)
        return ScreenShape::Portrait;
    return ScreenShape::Square;
}

int ParseSkinInteger(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    long long llValue = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    {
        llValue = llValue * 10 + (text[i++] - '0');
        if (llValue > 2147483648LL)
            llValue = 2147483648LL;
    }
    if (bNegative)
        llValue = -llValue;
    if (llValue > 2147483647LL)
        llValue = 2147483647LL;
    return static_cast<int>(llValue);
}

std::string ChooseLayoutFile(const SkinEntries& index, int nShortSide)
{
    std::string candidate;
    int nBestHeight = 0;
    // The first child of the root is never an entry.
    for (size_t i = 1; i < index.size(); ++i)
    {
        const SkinEntry& entry = index[i];
        if (!entry.bElement)
            continue;
        const std::string* pHeight = entry.Attribute("Height");
        const std::string* pFile = entry.Attribute("LayoutFileName");
        const int nHeight = pHeight != nullptr ? ParseSkinInteger(*pHeight) : 0;
        const std::string file = pFile != nullptr ? *pFile : std::string();
        if (nHeight == nShortSide)
            return file;
        if (nHeight < nShortSide && nHeight > nBestHeight)
        {
            nBestHeight = nHeight;
            candidate = file;
        }
    }
    return candidate;
}

bool IsTurned(int nOrientation, ScreenShape screen)
{
    return (screen == ScreenShape::Portrait && nOrientation == 4) || (screen == ScreenShape::Landscape && nOrientation == 5);
}

TextTurn TextTurnOf(int nOrientation, ScreenShape screen, bool bLeftHanded)
{
    if (!IsTurned(nOrientation, screen))
        return TextTurn::Upright;
    return bLeftHanded ? TextTurn::CounterClockwise : TextTurn::Clockwise;
}

KeyRect MapDesignRect(int nLeft, int nTop, int nWidth, int nHeight, int nOrientation, ScreenShape screen,
                      bool bLeftHanded, int nBackgroundWidth, int nBackgroundHeight)
{
    if (!IsTurned(nOrientation, screen))
        return KeyRect{nLeft, nTop, nLeft + nWidth, nTop + nHeight};
    if (bLeftHanded)   // counter-clockwise: (x, y) -> (y, BW - x)
        return KeyRect{nTop, nBackgroundWidth - nLeft - nWidth, nTop + nHeight, nBackgroundWidth - nLeft};
    // clockwise: (x, y) -> (BH - y, x)
    return KeyRect{nBackgroundHeight - nTop - nHeight, nLeft, nBackgroundHeight - nTop, nLeft + nWidth};
}

void ReadSkinGeometry(const SkinEntries& layout, ScreenShape screen, bool bLeftHanded, SkinGeometry& geometry)
{
    auto integer = [](const SkinEntry& entry, const char* pszName) {
        const std::string* pValue = entry.Attribute(pszName);
        return pValue != nullptr ? ParseSkinInteger(*pValue) : 0;
    };
    for (size_t i = 1; i < layout.size(); ++i)
    {
        const SkinEntry& entry = layout[i];
        if (!entry.bElement || entry.attributes.empty())
            continue;
        const std::string& name = entry.text;
        if (name == "Orientation")
            geometry.nOrientation = integer(entry, "OrientationValue");
        else if (name == "DefaultBackground")
        {
            geometry.nBackgroundWidth = integer(entry, "BackgroundWidth");
            geometry.nBackgroundHeight = integer(entry, "BackgroundHeight");
        }
        else if (name == "CharBackground" || name == "SymbolBackground" || name == "NumberBackground")
        {
            const std::string* pPath = entry.Attribute("DefaultPath");
            const int nView = name[0] == 'C' ? 0 : name[0] == 'S' ? 1 : 2;
            geometry.aBackgrounds[nView] = pPath != nullptr ? *pPath : std::string();
        }
        else if (name == "char_editview" || name == "char_charview" || name == "char_wordview")
        {
            const KeyRect r = MapDesignRect(integer(entry, "Left"), integer(entry, "Top"), integer(entry, "Width"),
                                            integer(entry, "Height"), geometry.nOrientation, screen, bLeftHanded,
                                            geometry.nBackgroundWidth, geometry.nBackgroundHeight);
            (name == "char_editview" ? geometry.rcEditView
                                     : name == "char_charview" ? geometry.rcCharView : geometry.rcWordView) = r;
        }
        else
        {
            const int nKey = FindTypingKey(name);
            if (nKey < 0)
                continue;
            geometry.aKeys[nKey] = MapDesignRect(integer(entry, "Left"), integer(entry, "Top"), integer(entry, "Width"),
                                                 integer(entry, "Height"), geometry.nOrientation, screen, bLeftHanded,
                                                 geometry.nBackgroundWidth, geometry.nBackgroundHeight);
            const std::string* pAlternates = entry.Attribute("Alternates");
            geometry.aAlternates[nKey] = pAlternates != nullptr ? Widen(*pAlternates) : std::wstring();
        }
    }
}

namespace {

int HitTest(const SkinGeometry& geometry, int nView, int x, int y)
{
    for (int nKey = 0; nKey < TYPING_KEY_COUNT; ++nKey)
    {
        const int nKeyView = GetTypingKey(nKey)->nView;
        if ((nKeyView == TYPING_VIEW_ALL || nKeyView == nView) && geometry.aKeys[nKey].Contains(x, y))
            return nKey;
    }
    return -1;
}

}  // namespace

bool FindTapPoint(const SkinGeometry& geometry, int nKey, int nView, int& x, int& y)
{
    if (nKey < 0 || nKey >= TYPING_KEY_COUNT)
        return false;
    const KeyRect& r = geometry.aKeys[nKey];
    if (r.IsEmpty())
        return false;
    // The centre first, then points spreading out from it, as a finger would retry.
    const int nCentreX = r.nLeft + (r.nRight - r.nLeft) / 2;
    const int nCentreY = r.nTop + (r.nBottom - r.nTop) / 2;
    const int nReach = std::max(r.nRight - r.nLeft, r.nBottom - r.nTop);
    for (int nRing = 0; nRing <= nReach; ++nRing)
        for (int dy = -nRing; dy <= nRing; ++dy)
            for (int dx = -nRing; dx <= nRing; ++dx)
            {
                if (std::max(std::abs(dx), std::abs(dy)) != nRing)
                    continue;
                const int px = nCentreX + dx;
                const int py = nCentreY + dy;
                if (r.Contains(px, py) && HitTest(geometry, nView, px, py) == nKey)
                {
                    x = px;
                    y = py;
                    return true;
                }
            }
    return false;
}

bool ParseOptionsFile(const std::vector<unsigned char>& bytes, UserChoices& choices)
{
    auto word = [&](size_t i) {
        return static_cast<uint32_t>(bytes[i]) | (static_cast<uint32_t>(bytes[i + 1]) << 8) |
               (static_cast<uint32_t>(bytes[i + 2]) << 16) | (static_cast<uint32_t>(bytes[i + 3]) << 24);
    };
    if (bytes.size() < 8)
        return false;
    const uint32_t uHabit = word(0);
    const uint32_t uUnits = word(4);
    if (uUnits >= 260 || bytes.size() < 8 + 2 * static_cast<size_t>(uUnits))
        return false;
    std::u16string name;
    for (uint32_t i = 0; i < uUnits; ++i)
        name += static_cast<char16_t>(bytes[8 + 2 * i] | (bytes[9 + 2 * i] << 8));
    choices.bLeftHanded = uHabit != 0;
    choices.skinFile = name.empty() ? u"Silver.xml" : name;
    // The accents switch, then the word settings; bytes the file lacks keep the reader's presets.
    struct
    {
        const std::vector<unsigned char>& bytes;
        size_t nAt;
        bool Read(void* pBuffer, uint32_t cbBytes)
        {
            for (uint32_t i = 0; i < cbBytes && nAt < bytes.size(); ++i)
                static_cast<unsigned char*>(pBuffer)[i] = bytes[nAt++];
            return true;
        }
    } tail{bytes, 8 + 2 * static_cast<size_t>(uUnits) + 4};
    choices.words = WordSettings{};
    ReadWordSettingsFrom(tail, choices.words);
    return true;
}
