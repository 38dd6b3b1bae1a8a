#pragma once
#include "platform/SipInterfaces.h"

// The bar's editing buttons: key sequences sent to the focused application
// through the SIP manager. Each does nothing without a callback.
void SendCopy(IIMCallback* pCallback);
void SendSelectAll(IIMCallback* pCallback);
void SendCut(IIMCallback* pCallback);
void SendEnter(IIMCallback* pCallback);
void SendPaste(IIMCallback* pCallback);
void SendBackspace(IIMCallback* pCallback);
