#pragma once

#include <string>
#include <vector>

#include "Holdings.h"
#include "bidai/BidBaseRecord.h"

namespace bidbase_gen {

// The whole bid base in plain form: each key in its count tag's section, with its 25 numbers.
// `records` holds one record per key, in the order of `keys`.
std::string BidBaseText(const std::vector<KeyHoldings>& keys,
                        const std::vector<bidai::BidRecord>& records);

}  // namespace bidbase_gen
