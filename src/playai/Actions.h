#pragma once

#include <string>

#include "playai/RuleRun.h"

namespace playai {

// Carries out a rule's action steps until `END` or `IF`, or until a play step has named a
// card; gives that card's name, or the empty text. Each step starts with its chance.
std::string ExecuteActions(RuleRun& run);

}  // namespace playai
