#pragma once

// The caption of every message box the input method shows.
constexpr wchar_t kMessageCaption[] = L"Brevanto Keyboard";
