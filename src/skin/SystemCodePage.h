#pragma once
#include "skin/AnsiCodePage.h"

// The system's ANSI code page (CP_ACP), through which skin attribute text travels.
const CAnsiCodePage& GetSystemCodePage();
