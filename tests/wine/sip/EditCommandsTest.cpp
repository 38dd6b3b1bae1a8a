#include "sip/EditCommands.h"
#include "sip/RecordingCallback.h"
#include "sip/TextDelivery.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

constexpr DWORD kPress = 4;

WCHAR* NewBuffer(const std::wstring& text)
{
    WCHAR* p = new WCHAR[text.size() + 1];
    std::memcpy(p, text.c_str(), (text.size() + 1) * sizeof(WCHAR));
    return p;
}

const CallbackCall g_enter = VirtualKeyCall(0x0D, kPress);

// Where the delivery's pauses go: among the callback's calls, in order.
CRecordingCallback* g_pPauseRecorder = nullptr;

void RecordPause(DWORD dwMilliseconds)
{
    g_pPauseRecorder->RecordPause(dwMilliseconds);
}

// How lines are split is checked natively; here, what goes out around each
// line, an empty one too. The keyboard action delivers with the real pause:
// the line after an Enter comes 50 ms later, not sooner (the Enter would not
// have been taken yet) and not far later (a pause in the wrong unit).
TEST(Delivery, SendsEachLineThenEnterThenWaits50Milliseconds)
{
    CRecordingCallback recorder;
    g_pPauseRecorder = &recorder;
    WCHAR* pBuffer = NewBuffer(L"a\r\n\r\nb");
    DeliverText(&recorder, pBuffer, RecordPause);
    EXPECT_EQ(nullptr, pBuffer);
    const CallbackCall pause = PauseCall(50);
    EXPECT_EQ((std::vector<CallbackCall>{StringCall(L"a"), g_enter, pause, StringCall(L""), g_enter, pause,
                                         StringCall(L"b")}),
              recorder.Calls());

    CRecordingCallback callback;
    pBuffer = NewBuffer(L"a\r\nb");
    DeliverText(&callback, pBuffer);
    ASSERT_EQ((std::vector<CallbackCall>{StringCall(L"a"), g_enter, StringCall(L"b")}), callback.Calls());
    const double dPause = callback.Times()[2] - callback.Times()[1];
    EXPECT_GE(dPause, 45.0) << "no pause after the Enter";
    EXPECT_LT(dPause, 1000.0) << "a pause in the wrong unit";
}

// What each editing button sends is checked on every tap of the soak (SoakTest), and
// its effect on an application in the editing-buttons scenario; without a callback,
// a command sends nothing and does not fail.
TEST(DeliveryWithoutCallbackOrText, ConsumesTheBufferAndSendsNothing)
{
    for (void (*pfnCommand)(IIMCallback*) : {SendCopy, SendSelectAll, SendCut, SendEnter, SendPaste, SendBackspace})
        pfnCommand(nullptr);
    WCHAR* pBuffer = NewBuffer(L"a\r\nb");
    DeliverText(nullptr, pBuffer);
    EXPECT_EQ(nullptr, pBuffer);
    CRecordingCallback callback;
    DeliverText(&callback, pBuffer);
    EXPECT_EQ(nullptr, pBuffer);
    EXPECT_TRUE(callback.Calls().empty());
}

} // namespace
