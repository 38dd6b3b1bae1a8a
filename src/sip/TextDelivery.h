#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

// How the delivery waits after each Enter, before the next line goes out.
using LinePauseFunction = void (*)(DWORD dwMilliseconds);

// The keyboard action's pause: blocks the thread for that long, so that the
// focused application has taken the Enter before the next line arrives.
void PauseBetweenLines(DWORD dwMilliseconds);

// Sends typed text to the focused application: each line with SendString,
// an Enter and a pause of kLinePauseMs between lines ("\r\n" separates them;
// a lone CR or LF stays inside its line). The buffer is freed and nulled
// whatever happens; without a callback the text is dropped. Only a program
// that must not wait (a benchmark timing the rest) passes another pause.
void DeliverText(IIMCallback* pCallback, WCHAR*& pBuffer, LinePauseFunction pfnPause = PauseBetweenLines);
