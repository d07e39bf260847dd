#include "search/AuctionModel.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "bidai/BidBaseFormat.h"
#include "bidai/BidBaseRecord.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"
#include "common/Names.h"
#include "search/ExpertPlayer.h"

namespace search {

namespace {

constexpr int kPlayHand = 6;
constexpr double kRuleSoftness = 1.0;   // points of the bid base: rule files follow it closely
constexpr double kHumanSoftness = 3.0;  // a person bids by feel

// The opening threshold the bid rules set ("Set,OpenEA,7.5"), or `fallback`.
double OpeningThreshold(const std::string& rules, double fallback) {
    const std::string_view marker = "Set,OpenEA,";
    const std::size_t at = rules.find(marker);
    if (at == std::string::npos) {
        return fallback;
    }
    char* end = nullptr;
    const char* start = rules.c_str() + at + marker.size();
    const double value = std::strtod(start, &end);
    return end == start ? fallback : value;
}

}  // namespace

AuctionFacts FactsOf(const state::RoundState& round, int seat,
                     const std::array<SeatModel, 4>& models) {
    AuctionFacts facts;
    int highest = 0;
    for (int k = 1; k <= 3; ++k) {
        const int s = common::SeatAfter(round.harPacko, k);
        SeatBid& bid = facts.seats[static_cast<std::size_t>(s)];
        bid.spoke = std::max(0, round.Hand[s].GeBud());
        bid.before = highest;
        highest = std::max(highest, bid.spoke);
        bid.won = s == round.gbBjuditHogst;
        bid.trumps_in_nine = round.BeforeBuying[s];
        bid.judged = s != seat && bid.trumps_in_nine >= 0 && bid.trumps_in_nine <= kPlayHand &&
                     models[static_cast<std::size_t>(s)] != SeatModel::Unknown;
        bid.softness = models[static_cast<std::size_t>(s)] == SeatModel::RuleFiles ? kRuleSoftness
                                                                                   : kHumanSoftness;
        for (int trick = 1; trick < state::kTricks; ++trick) {
            const int rank =
                round.TrickHistory[static_cast<std::size_t>(trick)][static_cast<std::size_t>(s)];
            bid.played |= rank > 0 ? Bit(rank) : 0;
        }
    }
    return facts;
}

AuctionModel::AuctionModel(const std::filesystem::path& folder) {
    const std::string dir = folder.string().empty() ? std::string() : folder.string() + "/";
    const auto base = common::ReadWholeFile(dir + std::string(bidai::kBidBaseFileName));
    if (base && bidai::HasPlainMarker(*base)) {
        base_ = *base;
    }
    const auto rules = common::ReadWholeFile(dir + std::string(bidai::kBidRulesFileName));
    threshold_ = OpeningThreshold(rules.value_or(std::string()), threshold_);
}

const std::array<float, 10>& AuctionModel::Expectation(TrumpSet trumps) {
    const auto found = known_.find(trumps);
    if (found != known_.end()) {
        return found->second;
    }
    std::vector<int> ranks;
    for (TrumpSet rest = trumps; rest != 0; rest &= static_cast<TrumpSet>(rest - 1)) {
        ranks.insert(ranks.begin(), Lowest(rest));  // highest first, as a sorted hand holds them
    }
    const bidai::HoldingKey key = bidai::MakeHoldingKey(ranks);
    const bidai::BidLookup lookup = bidai::FindBidRecord(base_, key.tag, key.key);
    std::array<float, 10> ea{};
    if (lookup.status == bidai::BidLookup::Status::kFound) {
        ea = lookup.record.ea;
    }
    return known_.emplace(trumps, ea).first->second;
}

// The likelihood of the seat's bid when `nine` were its trumps among its nine cards: it bids
// the highest level whose expectation reaches the threshold, so its level is worth the
// threshold and the next is not; a pass says the next level was not worth it.
double AuctionModel::BidLikelihood(TrumpSet nine, const SeatBid& bid) {
    const std::array<float, 10>& ea = Expectation(nine);
    double shortfall = 0;
    if (bid.won && bid.spoke >= 6) {
        shortfall += std::max(0.0, threshold_ - ea[static_cast<std::size_t>(bid.spoke - 5)]);
    }
    const int next = std::max(bid.spoke, std::max(bid.before, 5)) + 1;
    if (next <= 14) {
        shortfall += std::max(0.0, ea[static_cast<std::size_t>(next - 5)] - threshold_);
    }
    return std::exp(-shortfall / bid.softness);
}

// Averaged over which of the seat's trumps were among its nine cards (the rest it bought).
double AuctionModel::SeatLikelihood(TrumpSet holds, const SeatBid& bid) {
    const TrumpSet all = holds | bid.played;
    const int size = CountOf(all);
    if (size < bid.trumps_in_nine) {
        return 0;
    }
    std::vector<int> ranks;
    for (TrumpSet rest = all; rest != 0; rest &= static_cast<TrumpSet>(rest - 1)) {
        ranks.push_back(Lowest(rest));
    }
    double sum = 0;
    int subsets = 0;
    for (unsigned mask = 0; mask < (1u << size); ++mask) {
        if (std::popcount(mask) != bid.trumps_in_nine) {
            continue;
        }
        TrumpSet nine = 0;
        for (int i = 0; i < size; ++i) {
            nine |= (mask >> i) & 1u ? Bit(ranks[static_cast<std::size_t>(i)]) : 0;
        }
        sum += BidLikelihood(nine, bid);
        ++subsets;
    }
    return sum / subsets;
}

double AuctionModel::Weight(const std::array<TrumpSet, 4>& hands, const AuctionFacts& facts) {
    if (!Usable()) {
        return 1;
    }
    double weight = 1;
    for (std::size_t s = 0; s < 4; ++s) {
        if (facts.seats[s].judged) {
            weight *= SeatLikelihood(hands[s], facts.seats[s]);
        }
    }
    return weight;
}

}  // namespace search
