#include "search/ExpertPlayer.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "common/Random.h"
#include "search/AuctionModel.h"
#include "search/CardJudge.h"
#include "search/DealSampler.h"
#include "search/PastCards.h"
#include "search/SearchBid.h"
#include "search/SeatKnowledge.h"

namespace search {

namespace {

// The work of a card decision: the samples solved times the distinct cards judged on each.
// Chosen by measurement (docs/ai.md): more gained nothing measurable and cost time.
constexpr std::int64_t kDefaultCardBudget = 360;
constexpr int kFewestSamples = 40;
constexpr int kMostSamples = 1000;
// Deals drawn and weighed for each deal solved: the cards seen rule out many deals, so more
// are drawn than the auction alone needed (4 measured weaker, 16 no stronger; docs/ai.md).
constexpr int kCandidatesPerSample = 8;
constexpr int kBidSamples = 24;

// Draws `count` deals by weight from the candidates (systematic resampling: one random offset,
// then evenly spaced); a candidate drawn more than once is solved once with its count as
// weight. When no candidate explains the auction, the model is wrong here and all count alike.
std::vector<WeightedDeal> Resample(const std::vector<WeightedDeal>& candidates, int count,
                                   std::mt19937_64& random) {
    double total = 0;
    for (const WeightedDeal& deal : candidates) {
        total += deal.weight;
    }
    if (total <= 0) {
        std::vector<WeightedDeal> alike(
            candidates.begin(),
            candidates.begin() + std::min<std::ptrdiff_t>(count, std::ssize(candidates)));
        for (WeightedDeal& deal : alike) {
            deal.weight = 1;
        }
        return alike;
    }
    const double step = total / count;
    double next = std::uniform_real_distribution<double>(0, step)(random);
    double reached = 0;
    std::vector<WeightedDeal> chosen;
    for (const WeightedDeal& deal : candidates) {
        reached += deal.weight;
        double copies = 0;
        for (; next < reached; next += step) {
            copies += 1;
        }
        if (copies > 0) {
            chosen.push_back(WeightedDeal{deal.hands, copies});
        }
    }
    return chosen;
}

std::vector<JudgedChoice> BestFirst(std::vector<JudgedChoice> choices) {
    // Means that differ by rounding only are equal; of equal means the lower choice goes
    // first: the cheaper card, the lower bid.
    auto key = [](const JudgedChoice& c) { return std::llround(c.mean * 1e6); };
    std::sort(choices.begin(), choices.end(), [&](const JudgedChoice& a, const JudgedChoice& b) {
        return key(a) != key(b) ? key(a) > key(b) : a.choice < b.choice;
    });
    return choices;
}

}  // namespace

struct ExpertPlayer::Impl {
    explicit Impl(ExpertOptions o)
        : options(std::move(o)),
          auction(options.rule_folder),
          past(options.rule_folder, options.seed) {
        if (options.card_budget <= 0) {
            options.card_budget = kDefaultCardBudget;
        }
    }

    std::vector<WeightedDeal> Deals(const state::SeatView& view, const SeatKnowledge& k);
    std::array<ColourOutlook, 4> Colours(const state::SeatView& view);

    ExpertOptions options;
    AuctionModel auction;
    PastCards past;
};

std::vector<WeightedDeal> ExpertPlayer::Impl::Deals(const state::SeatView& view,
                                                    const SeatKnowledge& k) {
    // One distinct card is no choice: a few samples give its value for the coach.
    const int choices = DistinctCards(k);
    const std::int64_t per_choice = choices < 2 ? 0 : options.card_budget / choices;
    const int samples =
        static_cast<int>(std::clamp<std::int64_t>(per_choice, kFewestSamples, kMostSamples));
    std::mt19937_64 random(DecisionSeed(options.seed, k));
    const DealSampler sampler(k);
    const AuctionFacts facts = FactsOf(view.round, view.seat, options.models);
    past.Prepare(view.round, view.seat);
    std::vector<WeightedDeal> candidates(static_cast<std::size_t>(samples * kCandidatesPerSample));
    for (WeightedDeal& deal : candidates) {
        deal.hands = sampler.Draw(random);
        deal.weight = auction.Weight(deal.hands, facts);
        if (deal.weight > 0) {
            deal.weight *= past.Weight(deal.hands);
        }
    }
    return Resample(candidates, samples, random);
}

ExpertPlayer::ExpertPlayer(ExpertOptions options)
    : impl_(std::make_unique<Impl>(std::move(options))) {}

ExpertPlayer::~ExpertPlayer() = default;

std::vector<JudgedChoice> ExpertPlayer::JudgeCards(const state::SeatView& view) {
    const SeatKnowledge k = KnowledgeOf(view.round, view.hand, view.seat);
    std::vector<WeightedDeal> deals;
    if (CountOf(k.own) >= 2) {
        deals = impl_->Deals(view, k);
    }
    std::vector<JudgedChoice> choices;
    for (const CardValue& value : JudgeCardsOn(k, deals, Measure::kScoreDifference)) {
        choices.push_back(JudgedChoice{value.rank, value.mean});
    }
    return BestFirst(std::move(choices));
}

std::optional<state::CardChoice> ExpertPlayer::Card(const state::SeatView& view) {
    const std::vector<JudgedChoice> choices = JudgeCards(view);
    if (choices.empty()) {
        return std::nullopt;
    }
    return state::CardChoice{choices.front().choice, "[Expert]"};
}

void ExpertPlayer::Seen(const state::SeatView& view, state::Decision decision, int choice) {
    impl_->past.Saw(view, decision, choice,
                    impl_->options.rule_play[static_cast<std::size_t>(view.seat)]);
}

// The bids are judged by open-hand play-outs of sampled deals from the nine cards, for the
// coach; the seat's own bids and trump come from the rule files, which measured stronger than
// searched bids (docs/ai.md).
std::array<ColourOutlook, 4> ExpertPlayer::Impl::Colours(const state::SeatView& view) {
    std::uint64_t seed = common::SplitMix64(options.seed + static_cast<std::uint64_t>(view.seat));
    for (const cards::Kort* card : view.hand.Cards()) {
        seed = common::SplitMix64(seed + static_cast<std::uint64_t>(card->Nr));
    }
    std::mt19937_64 random(seed);
    return JudgeColours(view.hand, view.seat, view.round.attSaka, kBidSamples, random);
}

std::vector<JudgedChoice> ExpertPlayer::JudgeBids(const state::SeatView& view) {
    const std::array<ColourOutlook, 4> outlooks = impl_->Colours(view);
    std::vector<JudgedChoice> choices;
    if (view.biggest_bid != 5) {
        choices.push_back(JudgedChoice{0, 0});  // a pass: our side scores nothing by bidding
    }
    for (const int bid : state::LegalBids(view)) {
        double best = outlooks[0].at_bid[static_cast<std::size_t>(bid)];
        for (const ColourOutlook& outlook : outlooks) {
            best = std::max(best, outlook.at_bid[static_cast<std::size_t>(bid)]);
        }
        choices.push_back(JudgedChoice{bid, best});
    }
    return BestFirst(std::move(choices));
}

std::vector<JudgedChoice> ExpertPlayer::JudgeTrumps(const state::SeatView& view) {
    const std::array<ColourOutlook, 4> outlooks = impl_->Colours(view);
    const int bid = std::clamp(view.round.gbHogstaBudet, 6, 14);
    std::vector<JudgedChoice> choices;
    for (const ColourOutlook& outlook : outlooks) {
        choices.push_back(
            JudgedChoice{outlook.colour, outlook.at_bid[static_cast<std::size_t>(bid)]});
    }
    return BestFirst(std::move(choices));
}

std::optional<state::BidChoice> ExpertPlayer::Bid(const state::SeatView&) {
    return std::nullopt;
}

std::optional<int> ExpertPlayer::Trump(const state::SeatView&) {
    return std::nullopt;
}

}  // namespace search
