#include "search/CardJudge.h"

#include "search/DealSampler.h"
#include "search/Solver.h"

namespace search {

namespace {

// The seat's side's value of a round in which Vi took `vi` points and De the rest.
double EndValue(const SeatKnowledge& k, int vi, Measure measure) {
    const int de = 14 - vi;
    const bool seat_vi = (k.seat & 1) == 0;
    if (measure == Measure::kPointsTaken) {
        return seat_vi ? vi : de;
    }
    const bool vi_bid = (k.bidder & 1) == 0;
    const int score_vi = vi_bid && vi < k.bid ? -k.bid : vi;
    const int score_de = !vi_bid && de < k.bid ? -k.bid : de;
    return seat_vi ? score_vi - score_de : score_de - score_vi;
}

// For each of the seat's cards, highest first, the card whose judgement it shares.
std::vector<int> Representatives(const SeatKnowledge& k, std::vector<int>& cards) {
    TrumpSet blockers = k.unseen;
    for (int rank : k.trick) {
        blockers |= rank > 0 ? Bit(rank) : 0;
    }
    std::vector<int> representative;
    int previous = 0;
    for (TrumpSet rest = k.own; rest != 0;) {
        const int rank = Highest(rest);
        rest &= static_cast<TrumpSet>(~Bit(rank));
        const bool equal = previous != 0 && EqualCards(previous, rank, blockers);
        representative.push_back(equal ? representative.back() : rank);
        cards.push_back(rank);
        previous = rank;
    }
    return representative;
}

}  // namespace

std::vector<CardValue> JudgeCardsOn(const SeatKnowledge& k, const std::vector<WeightedDeal>& deals,
                                    Measure measure) {
    std::vector<int> cards;
    const std::vector<int> representative = Representatives(k, cards);
    std::vector<CardValue> values;
    for (int rank : cards) {
        values.push_back(CardValue{rank, 0});
    }
    double total = 0;
    for (const WeightedDeal& deal : deals) {
        total += deal.weight;
    }
    if (cards.size() < 2 || total <= 0) {
        return values;  // no choice: nothing to judge
    }
    for (const WeightedDeal& deal : deals) {
        OpenPosition position;
        position.hands = deal.hands;
        position.leader = k.leader;
        position.to_play = k.seat;
        position.trick = k.trick;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (representative[i] != cards[i]) {
                continue;
            }
            std::array<int, 2> trick_points{};
            const OpenPosition next = AfterCard(position, cards[i], trick_points);
            const int vi = k.points_vi + trick_points[0] + SolveViPoints(next);
            values[i].mean += EndValue(k, vi, measure) * deal.weight / total;
        }
    }
    for (std::size_t i = 0; i < cards.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (cards[j] == representative[i]) {
                values[i].mean = values[j].mean;
            }
        }
    }
    return values;
}

std::vector<CardValue> JudgeCards(const SeatKnowledge& k, int samples, Measure measure,
                                  std::mt19937_64& random) {
    if (CountOf(k.own) < 2) {
        return JudgeCardsOn(k, {}, measure);
    }
    const DealSampler sampler(k);
    std::vector<WeightedDeal> deals(static_cast<std::size_t>(samples));
    for (WeightedDeal& deal : deals) {
        deal.hands = sampler.Draw(random);
    }
    return JudgeCardsOn(k, deals, measure);
}

int DistinctCards(const SeatKnowledge& k) {
    std::vector<int> cards;
    const std::vector<int> representative = Representatives(k, cards);
    int distinct = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        distinct += representative[i] == cards[i] ? 1 : 0;
    }
    return distinct;
}

CardValue BestCard(const std::vector<CardValue>& values) {
    CardValue best;
    bool first = true;
    for (const CardValue& v : values) {  // highest first: a later equal value is a lower card
        if (first || v.mean >= best.mean - 1e-9) {
            best = v;
            first = false;
        }
    }
    return best;
}

}  // namespace search
