#include "TestWatchdog.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

// The longest any one test may take before the program is ended as hung.
constexpr std::chrono::seconds kTestTimeLimit{90};

// Resources are linked into the test program, so it stands in for the module.
int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CTestWatchdog(kTestTimeLimit));
    return RUN_ALL_TESTS();
}
