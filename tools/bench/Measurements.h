#pragma once
#include "BenchTable.h"

#include <vector>

class CBenchSip;

// Each measurement appends its rows, figures with their floors, to the table.
// They share the process's one skin record and leave it released.

// Loading the VGA layout of Silver (turned on a portrait screen) against
// loading its bitmap files alone; and the memory the loaded skin holds against
// its pixels at the screen's depth.
void MeasureSkinLoad(const CBenchSip& sip, std::vector<BenchRow>& rows);

// Real stylus events on the keyboard (press, slide to the next key, lift) with
// the paint of what each changed, at QVGA and at VGA, against a window of the
// keyboard's size whose WM_PAINT blits one full-area bitmap; the same events with
// the whole keyboard repainted; and from 0, 1,000 and 10,000 characters typed.
void MeasurePaint(const CBenchSip& sip, std::vector<BenchRow>& rows);

// From the start of the keyboard action to the first complete paint of the
// keyboard, with the skin already loaded, against a plain window of the same
// size created and painted; and the same with word completion on against off.
void MeasureOpenLatency(const CBenchSip& sip, std::vector<BenchRow>& rows);

// Delivering a typed text of 10,000 units and 200 line breaks without its
// pauses, against handing the whole text over at once; and the pauses alone.
void MeasureDelivery(std::vector<BenchRow>& rows);
