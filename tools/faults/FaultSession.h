#pragma once
#include <string>
#include <vector>

// The session each run of the sweep plays on the device stand-in, and the judgement of
// what reached the notes application.
extern const char kSessionScript[];

// Empty when the notes text is made of the session's pieces in order, each whole, or
// missing when a message was shown or one of its steps could not be done (the keyboard
// did not open: nothing was typed), or cut short only where typing it failed half-way.
// Otherwise what went wrong. report: the script runner's lines ("error: line N: ...",
// "message: ...").
std::string JudgeDelivery(const std::string& sText, const std::vector<std::string>& report);
