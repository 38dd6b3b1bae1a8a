#include "words/WordSettings.h"

#include <algorithm>

namespace {

// Primary language numbers of a LANGID.
constexpr std::uint16_t kLangGerman = 0x07;
constexpr std::uint16_t kLangSpanish = 0x0A;
constexpr std::uint16_t kLangFrench = 0x0C;
constexpr std::uint16_t kLangItalian = 0x10;

}  // namespace

WordSettings ClampWordSettings(const WordSettings& settings)
{
    WordSettings clamped = settings;
    clamped.nAfterLetters = std::clamp(settings.nAfterLetters, kMinAfterLetters, kMaxAfterLetters);
    clamped.nWords = std::clamp(settings.nWords, kMinWordsOffered, kMaxWordsOffered);
    if (static_cast<std::uint32_t>(settings.list) > static_cast<std::uint32_t>(WordList::Italiano))
        clamped.list = WordList::Automatic;
    return clamped;
}

WordLanguage LanguageOfWordList(WordList list, std::uint16_t nLanguageId)
{
    switch (list)
    {
    case WordList::English:
        return WordLanguage::English;
    case WordList::Deutsch:
        return WordLanguage::German;
    case WordList::Francais:
        return WordLanguage::French;
    case WordList::Espanol:
        return WordLanguage::Spanish;
    case WordList::Italiano:
        return WordLanguage::Italian;
    default:
        break;
    }
    switch (nLanguageId & 0x3FF)
    {
    case kLangGerman:
        return WordLanguage::German;
    case kLangFrench:
        return WordLanguage::French;
    case kLangSpanish:
        return WordLanguage::Spanish;
    case kLangItalian:
        return WordLanguage::Italian;
    default:
        return WordLanguage::English;
    }
}
