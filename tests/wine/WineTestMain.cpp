#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

// Resources are linked into the test program, so it stands in for the module.
int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
