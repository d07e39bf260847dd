#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bidai/AuctionView.h"

namespace bidai {

// The bid rules' variable table: eight rows describing the auction from the bidding seat,
// then one row per "Set" line, 21 rows at most. Values are text; numbers are read from them
// as needed.
class RuleVariables {
  public:
    static constexpr int kMaxRows = 21;

    explicit RuleVariables(const AuctionView& auction);

    // Appends a row; false when the table is full.
    bool Add(std::string name, std::string value);
    // The value of the first or of the last row with that name; nullptr when there is none.
    const std::string* First(std::string_view name) const;
    const std::string* Last(std::string_view name) const;

  private:
    std::vector<std::pair<std::string, std::string>> rows_;
};

// "LEAD", "A_BLOCK", "RESPONSE" or "B_BLOCK": the seat's place in the bidding order.
std::string RoleInRound(int seat, int dealer);

}  // namespace bidai
