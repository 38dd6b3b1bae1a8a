#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

// Sends typed text to the focused application: each line with SendString,
// an Enter and a short pause between lines ("\r\n" separates them; a lone CR
// or LF stays inside its line). The buffer is freed and nulled whatever
// happens; without a callback the text is dropped.
void DeliverText(IIMCallback* pCallback, WCHAR*& pBuffer);
