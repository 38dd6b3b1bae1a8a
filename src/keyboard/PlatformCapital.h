#pragma once
#include <windows.h>

// The platform's capital of one character, for the letters the alternates'
// own case rule does not know (SetCapitalFallback).
inline wchar_t PlatformCapital(wchar_t ch)
{
    WCHAR szOne[1] = {ch};
    CharUpperBuffW(szOne, 1);
    return szOne[0];
}
