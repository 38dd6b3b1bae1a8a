#include "Measurements.h"

#include "BenchTimer.h"
#include "CountingCallback.h"
#include "sip/SipActions.h"
#include "sip/TextDelivery.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kTextUnits = 10000;
constexpr int kLineBreaks = 200;
constexpr int kRounds = 15;
constexpr int kDeliveriesPerRound = 10;

// 10,000 units in all: 201 lines of letters and spaces, "\r\n" between them.
std::wstring MakeText()
{
    const wchar_t szWords[] = L"the quick brown fox jumps over the lazy dog ";
    const int nLetters = kTextUnits - 2 * kLineBreaks;
    const int nLines = kLineBreaks + 1;
    std::wstring text;
    int nWritten = 0;
    for (int nLine = 0; nLine < nLines; ++nLine)
    {
        if (nLine != 0)
            text += L"\r\n";
        // Spread the letters evenly: the first lines take one more.
        const int nLength = nLetters / nLines + (nLine < nLetters % nLines ? 1 : 0);
        for (int i = 0; i < nLength; ++i, ++nWritten)
            text += szWords[nWritten % (sizeof szWords / sizeof szWords[0] - 1)];
    }
    return text;
}

// Buffers as the keyboard dialog leaves them: new[], NUL-terminated; whoever
// takes one frees it.
std::vector<WCHAR*> NewBuffers(const std::wstring& text, int nCount)
{
    std::vector<WCHAR*> buffers;
    for (int i = 0; i < nCount; ++i)
    {
        WCHAR* pBuffer = new WCHAR[text.size() + 1];
        std::wmemcpy(pBuffer, text.c_str(), text.size() + 1);
        buffers.push_back(pBuffer);
    }
    return buffers;
}

int g_nPauses = 0;
double g_dPausedMs = 0;

// Counts the pauses the delivery asks for and leaves them out.
void CountPause(DWORD)
{
    ++g_nPauses;
}

// Makes the keyboard action's own pause and times it.
void TimePause(DWORD dwMilliseconds)
{
    const double dStart = NowMs();
    PauseBetweenLines(dwMilliseconds);
    g_dPausedMs += NowMs() - dStart;
    ++g_nPauses;
}

// Milliseconds per delivery, the buffers made beforehand.
double DeliverRound(const std::wstring& text, CCountingCallback& callback)
{
    std::vector<WCHAR*> buffers = NewBuffers(text, kDeliveriesPerRound);
    const double dStart = NowMs();
    for (WCHAR*& pBuffer : buffers)
        DeliverText(&callback, pBuffer, CountPause);
    return (NowMs() - dStart) / kDeliveriesPerRound;
}

// The floor: what any delivery must do, the text copied once and handed over
// in one call, the buffer freed.
double HandOverRound(const std::wstring& text, CCountingCallback& callback)
{
    std::vector<WCHAR*> buffers = NewBuffers(text, kDeliveriesPerRound);
    const double dStart = NowMs();
    for (WCHAR* pBuffer : buffers)
    {
        const size_t cchText = std::wcslen(pBuffer);
        WCHAR* pWork = new WCHAR[cchText + 1];
        std::wmemcpy(pWork, pBuffer, cchText + 1);
        callback.SendString(pWork, static_cast<DWORD>(cchText));
        delete[] pWork;
        delete[] pBuffer;
    }
    return (NowMs() - dStart) / kDeliveriesPerRound;
}

// What must arrive of the text: every line in order, an Enter between lines,
// a pause after each Enter, and nothing else.
bool ArrivedWhole(const CCountingCallback& callback, const std::wstring& text)
{
    std::wstring letters;
    for (wchar_t ch : text)
    {
        if (ch != L'\r' && ch != L'\n')
            letters += ch;
    }
    const DeliveredCounts& counts = callback.Counts();
    return counts.nStrings == kLineBreaks + 1 && counts.nEnters == kLineBreaks && counts.nOtherCalls == 0 &&
           counts.nUnits == letters.size() &&
           counts.nHash == HashUnits(0, letters.c_str(), static_cast<unsigned long>(letters.size())) &&
           g_nPauses == kLineBreaks;
}

}  // namespace

void MeasureDelivery(std::vector<BenchRow>& rows)
{
    const std::wstring text = MakeText();
    const std::string shape = std::to_string(text.size()) + " units, " + std::to_string(kLineBreaks) + " line breaks";
    BenchRow delivery{"delivery of " + shape + ", pauses left out"};
    BenchRow pauses{"- its pauses between lines"};
    CCountingCallback callback;
    auto deliverOnce = [&](LinePauseFunction pfnPause) {
        callback.Clear();
        g_nPauses = 0;
        WCHAR* pBuffer = NewBuffers(text, 1).front();
        DeliverText(&callback, pBuffer, pfnPause);
        return ArrivedWhole(callback, text);
    };

    if (!deliverOnce(CountPause))
        delivery.failure = "the text did not arrive whole";
    // The real pauses, once, in a delivery of their own.
    g_dPausedMs = 0;
    if (!deliverOnce(TimePause))
        pauses.failure = "the text did not arrive whole";
    pauses.figure = Summarize({g_dPausedMs});
    pauses.floor = std::to_string(g_nPauses) + " x " + std::to_string(kLinePauseMs) + " ms";
    pauses.floorFigure = Summarize({static_cast<double>(g_nPauses) * kLinePauseMs});

    const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {
        [&] { return DeliverRound(text, callback); },
        [&] { return HandOverRound(text, callback); },
    });
    delivery.figure = figures[0];
    delivery.floor = "the text copied and sent in one SendString";
    delivery.floorFigure = figures[1];
    rows.push_back(delivery);
    rows.push_back(pauses);
}
