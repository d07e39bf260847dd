// Stand-in until the Expert lands: it judges cards as the search player does (sampled deals
// of the unseen trumps, each solved with open hands) and bids by sampled whole deals, so that
// the table, the hint and the round review have a judgement to ask. It bids and names trump
// by the rule files.
#include "search/ExpertPlayer.h"

#include <algorithm>
#include <random>

#include "common/Names.h"
#include "common/Random.h"
#include "search/CardJudge.h"
#include "search/SearchBid.h"
#include "search/SeatKnowledge.h"

namespace search {

namespace {

constexpr int kCardSamples = 40;
constexpr int kBidSamples = 60;

// The same decision always gets the same samples: the seed folds the player's seed with what
// the seat sees.
std::uint64_t DecisionSeed(std::uint64_t seed, const state::SeatView& view) {
    std::uint64_t z = common::SplitMix64(seed + static_cast<std::uint64_t>(view.seat));
    for (const cards::Kort* card : view.hand.Cards()) {
        z = common::SplitMix64(z + static_cast<std::uint64_t>(card->Nr));
    }
    for (const int value : view.round.PlayedTrump) {
        z = common::SplitMix64(z + static_cast<std::uint64_t>(value + 2));
    }
    for (const int value : view.round.TrickCards) {
        z = common::SplitMix64(z + static_cast<std::uint64_t>(value));
    }
    return common::SplitMix64(z + static_cast<std::uint64_t>(view.biggest_bid));
}

void BestFirst(std::vector<JudgedChoice>& choices) {
    std::stable_sort(choices.begin(), choices.end(),
                     [](const JudgedChoice& a, const JudgedChoice& b) { return a.mean > b.mean; });
}

}  // namespace

struct ExpertPlayer::Impl {
    ExpertOptions options;
};

ExpertPlayer::ExpertPlayer(ExpertOptions options)
    : impl_(std::make_unique<Impl>(Impl{std::move(options)})) {}

ExpertPlayer::~ExpertPlayer() = default;

std::optional<state::BidChoice> ExpertPlayer::Bid(const state::SeatView&) {
    return std::nullopt;
}

std::optional<int> ExpertPlayer::Trump(const state::SeatView&) {
    return std::nullopt;
}

std::optional<state::CardChoice> ExpertPlayer::Card(const state::SeatView& view) {
    const std::vector<JudgedChoice> judged = JudgeCards(view);
    if (judged.empty()) {
        return std::nullopt;
    }
    return state::CardChoice{judged.front().choice, "[Expert]"};
}

std::vector<JudgedChoice> ExpertPlayer::JudgeCards(const state::SeatView& view) {
    const SeatKnowledge knowledge = KnowledgeOf(view.round, view.hand, view.seat);
    if (knowledge.own == 0) {
        return {};
    }
    std::mt19937_64 random(DecisionSeed(impl_->options.seed, view));
    std::vector<CardValue> values =
        search::JudgeCards(knowledge, kCardSamples, Measure::kScoreDifference, random);
    // Of cards judged alike the lowest comes first, as the search player plays it.
    std::reverse(values.begin(), values.end());
    std::vector<JudgedChoice> judged;
    for (const CardValue& value : values) {
        judged.push_back(JudgedChoice{value.rank, value.mean});
    }
    BestFirst(judged);
    return judged;
}

std::vector<JudgedChoice> ExpertPlayer::JudgeBids(const state::SeatView& view) {
    std::mt19937_64 random(DecisionSeed(impl_->options.seed, view));
    const std::array<ColourOutlook, 4> outlooks =
        JudgeColours(view.hand, view.seat, view.round.attSaka, kBidSamples, random);
    std::vector<JudgedChoice> judged;
    if (view.biggest_bid != 5) {
        judged.push_back(JudgedChoice{0, 0.0});
    }
    for (const int bid : state::LegalBids(view)) {
        double best = outlooks[0].at_bid[bid];
        for (const ColourOutlook& outlook : outlooks) {
            best = std::max(best, outlook.at_bid[bid]);
        }
        judged.push_back(JudgedChoice{bid, best});
    }
    BestFirst(judged);
    return judged;
}

std::vector<JudgedChoice> ExpertPlayer::JudgeTrumps(const state::SeatView& view) {
    std::mt19937_64 random(DecisionSeed(impl_->options.seed, view));
    const std::array<ColourOutlook, 4> outlooks =
        JudgeColours(view.hand, view.seat, view.round.attSaka, kBidSamples, random);
    const int bid = std::clamp(view.round.gbHogstaBudet, 6, 14);
    std::vector<JudgedChoice> judged;
    for (const ColourOutlook& outlook : outlooks) {
        judged.push_back(JudgedChoice{outlook.colour, outlook.at_bid[bid]});
    }
    BestFirst(judged);
    return judged;
}

}  // namespace search
