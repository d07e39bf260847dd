#pragma once

#include <string>

#include "playai/RuleRun.h"

namespace playai {

// Reads the rule file from the top, evaluating each rule as it is read; the first rule whose
// play names a card the seat holds decides and the rest is not read. Gives that card's
// name, or the empty text when no rule decided. `file_name` names the file in messages.
std::string ReadPlayRules(RuleRun& run, const std::string& file_name);

}  // namespace playai
