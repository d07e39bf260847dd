#include "bidai/RuleVariables.h"

#include <algorithm>

#include "bidai/BidTables.h"

namespace bidai {

std::string RoleInRound(int seat, int dealer) {
    switch (common::RelativeSeat(seat, dealer)) {
        case 0:
            return "B_BLOCK";
        case 1:
            return "RESPONSE";
        case 2:
            return "A_BLOCK";
        default:
            return "LEAD";
    }
}

RuleVariables::RuleVariables(const AuctionView& auction) {
    const auto bid_of = [&](int k) {
        return std::max(0, auction.bids[common::SeatAfter(auction.seat, k)]);
    };
    const int next = std::clamp(auction.highest + 1, kLowestBid, kHighestBid);
    rows_ = {
        {"VI", std::to_string(auction.score_us)},
        {"DE", std::to_string(auction.score_them)},
        {"Ledning", std::to_string(auction.score_us - auction.score_them)},
        {"RoleInRound", RoleInRound(auction.seat, auction.dealer)},
        {"BidHighestRound", std::to_string(auction.highest)},
        {"BidNext", std::to_string(next)},
        {"BidPartner", std::to_string(bid_of(2))},
        {"BidRight", std::to_string(bid_of(3))},
    };
}

bool RuleVariables::Add(std::string name, std::string value) {
    if (static_cast<int>(rows_.size()) >= kMaxRows) {
        return false;
    }
    rows_.emplace_back(std::move(name), std::move(value));
    return true;
}

const std::string* RuleVariables::First(std::string_view name) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [&](const auto& row) { return row.first == name; });
    return it == rows_.end() ? nullptr : &it->second;
}

const std::string* RuleVariables::Last(std::string_view name) const {
    const auto it = std::find_if(rows_.rbegin(), rows_.rend(),
                                 [&](const auto& row) { return row.first == name; });
    return it == rows_.rend() ? nullptr : &it->second;
}

}  // namespace bidai
