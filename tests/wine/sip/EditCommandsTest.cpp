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

struct DeliveryCase
{
    const char* pszName;
    std::wstring text;
    std::vector<CallbackCall> expected;
};

class Delivery : public testing::TestWithParam<DeliveryCase> {};

const CallbackCall g_enter = VirtualKeyCall(0x0D, kPress);
const CallbackCall g_pause = PauseCall(50);

// Where the delivery's pauses go: among the callback's calls, in order.
CRecordingCallback* g_pPauseRecorder = nullptr;

void RecordPause(DWORD dwMilliseconds)
{
    g_pPauseRecorder->RecordPause(dwMilliseconds);
}

TEST_P(Delivery, SendsLinesWithEnterAndAPauseBetween)
{
    const DeliveryCase& c = GetParam();
    CRecordingCallback callback;
    g_pPauseRecorder = &callback;
    WCHAR* pBuffer = NewBuffer(c.text);
    DeliverText(&callback, pBuffer, RecordPause);
    EXPECT_EQ(nullptr, pBuffer);
    EXPECT_EQ(c.expected, callback.Calls()) << c.pszName;
    EXPECT_EQ(1, callback.References());
}

// How lines are split is checked natively; here, what goes out around them.
const DeliveryCase g_aDeliveries[] = {
    {"EmptyLineBetween", L"a\r\n\r\nb",
     {StringCall(L"a"), g_enter, g_pause, StringCall(L""), g_enter, g_pause, StringCall(L"b")}},
    {"Empty", L"", {}},
};

INSTANTIATE_TEST_SUITE_P(Texts, Delivery, testing::ValuesIn(g_aDeliveries),
                         [](const testing::TestParamInfo<DeliveryCase>& info) { return info.param.pszName; });

// The keyboard action delivers with the real pause: the line after each Enter
// comes 50 ms later, not sooner (the Enter would not have been taken yet) and
// not far later (a pause in the wrong unit).
TEST(DeliveryOfTheKeyboardAction, WaitsAfterEachEnter)
{
    CRecordingCallback callback;
    WCHAR* pBuffer = NewBuffer(L"a\r\nb\r\nc");
    DeliverText(&callback, pBuffer);
    EXPECT_EQ(nullptr, pBuffer);
    const std::vector<CallbackCall>& calls = callback.Calls();
    ASSERT_EQ((std::vector<CallbackCall>{StringCall(L"a"), g_enter, StringCall(L"b"), g_enter, StringCall(L"c")}),
              calls);
    for (size_t i : {size_t{2}, size_t{4}})
    {
        const double dPause = callback.Times()[i] - callback.Times()[i - 1];
        EXPECT_GE(dPause, 45.0) << "pause after the Enter before call " << i;
        EXPECT_LT(dPause, 1000.0) << "pause after the Enter before call " << i;
    }
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
