#pragma once
#include "Findings.h"
#include "SkinModel.h"

// Checks of a skin's index file: it must be readable, hold entries after its first child,
// and give a layout to every class of supported screen; a language it names must be one
// of the word lists', and the same on every entry. Returns, for each screen of
// `screens`, the index into model.entries of the entry the loader picks (-1: none).
std::vector<int> AuditIndex(const IndexModel& model, const std::vector<CheckedScreen>& screens,
                            CFindings& findings);
