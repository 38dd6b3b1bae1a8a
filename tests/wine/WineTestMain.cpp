#include "TestWatchdog.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

// Each test starts with the real pointer in the screen's top-left corner: a window
// that opens under a pointer left there by an earlier test's real input gets mouse
// moves of its own, and the SIP bar presses the button a move passes over.
class CPointerParking : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo&) override { SetCursorPos(0, 0); }
};

// The longest any one test may take before the program is ended as hung.
constexpr std::chrono::seconds kTestTimeLimit{90};

// Resources are linked into the test program, so it stands in for the module.
int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new CPointerParking);
    listeners.Append(new CTestWatchdog(kTestTimeLimit));
    return RUN_ALL_TESTS();
}
