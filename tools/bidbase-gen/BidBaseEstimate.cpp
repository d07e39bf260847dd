#include "BidBaseEstimate.h"

#include <algorithm>
#include <cmath>

#include "bidai/BidTables.h"

namespace bidbase_gen {

namespace {

inline constexpr int kRoundPoints = 14;
inline constexpr double kSpread = 2.6;
inline constexpr int kTypicalBid = 7;
// What the partner and the buying bring to a team that holds nothing in the colour.
inline constexpr double kBaseWorth = 3.0;
inline constexpr double kWorthPerStrength = 0.75;
// The partner names a colour it is strong in; the opponents too, at our cost.
inline constexpr double kPartnerChoosesBonus = 1.5;
inline constexpr double kOpponentChoosesLoss = 4.0;

double CardWeight(int rank) {
    switch (rank) {
        case 14:
            return 2.2;  // ace
        case 13:
            return 1.6;
        case 12:
            return 1.2;
        case 11:
            return 1.3;  // jack, a point
        case 10:
            return 1.1;  // ten, a point
        case 5:
            return 3.4;  // the fivra of the trump suit
        case 4:
            return 3.0;  // the other fivra
        case 1:
            return 0.9;  // the two scores for whoever plays it
        default:
            return 0.5;  // middle cards, the 3 and the 4
    }
}

double Worth(const std::vector<int>& ranks) {
    double strength = 0.0;
    for (const int rank : ranks) {
        strength += CardWeight(rank);
    }
    strength += 0.6 * std::max(0, static_cast<int>(ranks.size()) - 3);
    return std::clamp(kBaseWorth + kWorthPerStrength * strength, 0.5, 13.5);
}

// Chance of each point total 0..14 for a team whose expected total is `mean`.
std::array<double, kRoundPoints + 1> Spread(double mean) {
    std::array<double, kRoundPoints + 1> chance{};
    double sum = 0.0;
    for (int t = 0; t <= kRoundPoints; ++t) {
        const double z = (t - mean) / kSpread;
        chance[t] = std::exp(-0.5 * z * z);
        sum += chance[t];
    }
    for (double& c : chance) {
        c /= sum;
    }
    return chance;
}

// The team's round score minus the other team's when the team bids `bid`.
double BiddingNet(const std::array<double, kRoundPoints + 1>& chance, int bid) {
    double net = 0.0;
    for (int t = 0; t <= kRoundPoints; ++t) {
        const double ours = t >= bid ? t : -bid;
        net += chance[t] * (ours - (kRoundPoints - t));
    }
    return net;
}

// The team's score minus the bidders' when the other team bids `bid`.
double DefendingNet(const std::array<double, kRoundPoints + 1>& chance, int bid) {
    double net = 0.0;
    for (int t = 0; t <= kRoundPoints; ++t) {
        const int theirs_taken = kRoundPoints - t;
        const double theirs = theirs_taken >= bid ? theirs_taken : -bid;
        net += chance[t] * (t - theirs);
    }
    return net;
}

float Rounded(double value, double step) {
    return static_cast<float>(std::round(value / step) * step);
}

}  // namespace

bidai::BidRecord EstimateRecord(const std::vector<int>& ranks) {
    const double worth = Worth(ranks);
    const auto own = Spread(worth);
    bidai::BidRecord record;
    for (int j = 0; j < bidai::kEaFields; ++j) {
        record.ea[j] = Rounded(BiddingNet(own, j + bidai::kForcedBidMarker), 0.01);
    }
    for (int j = 1; j <= bidai::kPFields; ++j) {
        double p = 0.0;
        for (int t = j + bidai::kForcedBidMarker; t <= kRoundPoints; ++t) {
            p += own[t];
        }
        record.p[j] = Rounded(p, 0.001);
    }
    const auto partner = Spread(std::min(13.5, worth + kPartnerChoosesBonus));
    const auto defence = Spread(std::max(0.5, worth - kOpponentChoosesLoss));
    record.eauh[0] = Rounded(BiddingNet(own, kTypicalBid), 0.01);
    record.eauh[1] = Rounded(DefendingNet(defence, kTypicalBid), 0.01);
    record.eauh[2] = Rounded(BiddingNet(partner, kTypicalBid), 0.01);
    record.eauh[3] = Rounded(DefendingNet(defence, kTypicalBid), 0.01);
    return record;
}

}  // namespace bidbase_gen
