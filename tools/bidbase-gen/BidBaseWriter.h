#pragma once

#include <string>

namespace bidbase_gen {

// The whole bid base in plain form: every key a hand can produce, in its count tag's section,
// each with its 25 numbers. Returns the number of keys through `keys`.
std::string BidBaseText(int& keys);

}  // namespace bidbase_gen
