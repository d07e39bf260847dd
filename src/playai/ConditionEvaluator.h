#pragma once

#include <string_view>

#include "playai/RuleRun.h"

namespace playai {

// Reads condition items up to `terminator` ("EXECUTES" or "THEN") and judges them: items are
// joined by "and", the first false item ends the condition (the stream then stands after
// that item). An `OR` item makes the next item an alternative: when it holds, the rest of
// its line is passed over; when it fails, the failure is forgiven.
bool EvaluateCondition(RuleRun& run, std::string_view terminator);

// The chance of a `Probability` item or an action step: a positive number, else the value
// of that name (0 when unknown).
float ChanceValue(const RuleRun& run, std::string_view field);
// Whether something with chance p happens: always from 100 up, else when a draw from 1 to
// 100 is at most p.
bool ChanceHolds(RuleRun& run, float p);

}  // namespace playai
