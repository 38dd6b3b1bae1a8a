#include "support/ModuleInstance.h"

HINSTANCE g_hInstance = nullptr;
