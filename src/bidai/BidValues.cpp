#include "bidai/BidValues.h"

namespace bidai {

namespace {

inline constexpr int kLowestLevel = 5;
inline constexpr int kTopLevel = kLowestLevel + kLevels - 1;  // 15

bool LevelInTable(int level) {
    return level >= kLowestLevel && level <= kTopLevel;
}

}  // namespace

std::optional<float> EABestColor(const BidTables& tables, int level) {
    if (level < kLowestBid) {
        level = kLowestBid;
    }
    if (!LevelInTable(level)) {
        return std::nullopt;
    }
    const int c = BestColourAt(tables, level);
    return c < 0 ? kUnvalued : tables.EA[c][level - kLowestLevel];
}

std::optional<float> PLevel(const BidTables& tables, int level) {
    if (!LevelInTable(level)) {
        return std::nullopt;
    }
    float best = 0.0f;
    for (int c = 0; c < kColours; ++c) {
        const float p = tables.P[c][level - kLowestLevel];
        if (p > 0.0f && p > best) {
            best = p;
        }
    }
    return best;
}

float EAuHWorstColor(const BidTables& tables, const AuctionView& auction) {
    int leader = -1;
    if (auction.highest > kForcedBidMarker) {
        for (int s = 0; s < common::kSeats; ++s) {
            if (auction.bids[s] == auction.highest) {
                leader = s;
            }
        }
    }
    const int k = leader < 0 ? 2 : common::RelativeSeat(auction.seat, leader);
    bool found = false;
    float worst = 0.0f;
    for (int c = 0; c < kColours; ++c) {
        const float value = tables.EaUH[c][k];
        if (value < kNoEaUHAbove && (!found || value < worst)) {
            worst = value;
            found = true;
        }
    }
    return found ? worst : kUnvalued;
}

int BestColourAt(const BidTables& tables, int level) {
    if (!LevelInTable(level)) {
        return -1;
    }
    int best = -1;
    for (int c = 0; c < kColours; ++c) {
        const float value = tables.EA[c][level - kLowestLevel];
        if (value > kNoEaBelow && (best < 0 || value > tables.EA[best][level - kLowestLevel])) {
            best = c;
        }
    }
    return best;
}

}  // namespace bidai
