#pragma once

#include "playai/RuleRun.h"

// The items of a rule's condition, each starting at the field the run holds and reading its
// own further fields. Each gives the item's truth; an item that changes nothing holds.
namespace playai::items {

bool CardVariableItem(RuleRun& run);
bool NumericVariableItem(RuleRun& run);
// Items that name game values, predicates and lists of role words; std::nullopt when the
// field starts no such item.
std::optional<bool> GameValueItem(RuleRun& run);
// Compares two numbers with one of the rule operators "=", "not", ">", "<"; any other
// operator gives false.
bool Compare(float a, std::string_view op, float b);

}  // namespace playai::items
