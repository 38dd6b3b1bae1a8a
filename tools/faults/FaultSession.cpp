#include "FaultSession.h"

#include <cstdlib>
#include <functional>

// Three pieces of text: typed with a backspace and sent by OK; typed and sent by a turn
// of the screen (after a change of skin and hand); typed, parked by a switch to another
// application, shown again at the next opening and finished.
const char kSessionScript[] =
    "tap keyboard\n"       // 1
    "type abx\n"           // 2
    "key char_backspace\n" // 3
    "key char_ok\n"        // 4: "ab"
    "tap options\n"        // 5
    "skin Midnight.xml\n"  // 6
    "hand right\n"         // 7
    "ok\n"                 // 8
    "tap keyboard\n"       // 9
    "type cd\n"            // 10
    "rotate\n"             // 11: "cd"
    "tap keyboard\n"       // 12
    "type ef\n"            // 13
    "switch\n"             // 14
    "notes\n"              // 15
    "tap keyboard\n"       // 16
    "type g\n"             // 17
    "key char_ok\n";       // 18: "efg"

namespace
{

struct Piece
{
    std::string sText;
    int nFirstLine;
    int nLastLine;
};
// "ef" is kept for the next opening: a failure up to the end of the session may hinder it.
const Piece g_aPieces[] = {{"ab", 1, 4}, {"cd", 9, 11}, {"ef", 12, 18}, {"g", 16, 18}};

}  // namespace

std::string JudgeDelivery(const std::string& sText, const std::vector<std::string>& report)
{
    bool bMessage = false;
    bool abHindered[std::size(g_aPieces)] = {};
    for (const std::string& line : report)
    {
        if (line.rfind("message: ", 0) == 0)
            bMessage = true;
        if (line.rfind("error: line ", 0) != 0)
            continue;
        const int nLine = std::atoi(line.c_str() + 12);
        for (std::size_t i = 0; i < std::size(g_aPieces); ++i)
            if (nLine >= g_aPieces[i].nFirstLine && nLine <= g_aPieces[i].nLastLine)
                abHindered[i] = true;
    }
    // Piece i onwards matches the text from nAt onwards.
    std::function<bool(std::size_t, std::size_t)> matches = [&](std::size_t i, std::size_t nAt) {
        if (i == std::size(g_aPieces))
            return nAt == sText.size();
        const std::string& piece = g_aPieces[i].sText;
        if (sText.compare(nAt, piece.size(), piece) == 0 && matches(i + 1, nAt + piece.size()))
            return true;
        if ((abHindered[i] || bMessage) && matches(i + 1, nAt))
            return true;
        for (std::size_t n = 1; abHindered[i] && n < piece.size(); ++n)
            if (sText.compare(nAt, n, piece, 0, n) == 0 && matches(i + 1, nAt + n))
                return true;
        return false;
    };
    if (matches(0, 0))
        return std::string();
    std::string sWhy = "the notes application holds \"" + sText + "\" (expected \"";
    for (const Piece& piece : g_aPieces)
        sWhy += piece.sText;
    sWhy += "\"";
    for (std::size_t i = 0; i < std::size(g_aPieces); ++i)
        if (abHindered[i])
            sWhy += ", \"" + g_aPieces[i].sText + "\" hindered";
    return sWhy + (bMessage ? ", a message was shown)" : ", no message)");
}
