#include "search/DealSampler.h"

#include <algorithm>

namespace search {

namespace {

double Choose(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    double value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
    }
    return value;
}

double FallingFactorial(int n, int k) {
    double value = 1;
    for (int i = 0; i < k; ++i) {
        value *= n - i;
    }
    return value;
}

// How many shuffles give seat `shown` `held` trumps now: which of its free cards were trumps,
// times the ways its played trumps were among all it held.
double SplitWeight(const SeatShown& shown, int held) {
    const int total = held + shown.played;
    return Choose(shown.free, total - shown.forced) * FallingFactorial(total, shown.played);
}

}  // namespace

DealSampler::DealSampler(const SeatKnowledge& knowledge) : knowledge_(knowledge) {
    for (TrumpSet rest = knowledge.unseen; rest != 0; rest &= static_cast<TrumpSet>(rest - 1)) {
        unseen_.push_back(Lowest(rest));
    }
    std::array<int, 4> low{};
    std::array<int, 4> high{};
    for (int s = 0; s < 4; ++s) {
        const SeatShown& shown = knowledge.shown[s];
        if (s == knowledge.seat || shown.out) {
            continue;
        }
        low[s] = std::max(0, shown.forced - shown.played);
        high[s] = std::min({shown.forced + shown.free, shown.most}) - shown.played;
        high[s] = std::min(high[s], shown.cards_held);
    }
    Enumerate(low, high, true);
    if (splits_.empty()) {
        // What the table showed does not add up (a round rebuilt from a log can do that):
        // the seats' hands are all that still bounds the deal.
        for (int s = 0; s < 4; ++s) {
            const bool open = s != knowledge.seat && !knowledge.shown[s].out;
            low[s] = 0;
            high[s] = open ? static_cast<int>(unseen_.size()) : 0;
        }
        Enumerate(low, high, false);
    }
}

void DealSampler::Enumerate(const std::array<int, 4>& low, const std::array<int, 4>& high,
                            bool weighted) {
    const int total = static_cast<int>(unseen_.size());
    double running = 0;
    std::array<int, 4> counts{};
    // Three nested counts; the last open seat takes what is left.
    for (counts[0] = low[0]; counts[0] <= high[0]; ++counts[0]) {
        for (counts[1] = low[1]; counts[1] <= high[1]; ++counts[1]) {
            for (counts[2] = low[2]; counts[2] <= high[2]; ++counts[2]) {
                counts[3] = total - counts[0] - counts[1] - counts[2];
                if (counts[3] < low[3] || counts[3] > high[3]) {
                    continue;
                }
                double weight = 1;
                for (int s = 0; weighted && s < 4; ++s) {
                    if (s != knowledge_.seat && !knowledge_.shown[s].out) {
                        weight *= SplitWeight(knowledge_.shown[s], counts[s]);
                    }
                }
                if (weight > 0) {
                    running += weight;
                    splits_.push_back(Split{counts, running});
                }
            }
        }
    }
}

bool DealSampler::Allows(const std::array<int, 4>& counts) const {
    return std::any_of(splits_.begin(), splits_.end(),
                       [&](const Split& split) { return split.counts == counts; });
}

std::array<TrumpSet, 4> DealSampler::Draw(std::mt19937_64& random) const {
    std::array<TrumpSet, 4> hands{};
    hands[knowledge_.seat] = knowledge_.own;
    if (splits_.empty()) {
        return hands;
    }
    const double pick = std::uniform_real_distribution<double>(0, splits_.back().weight)(random);
    auto split = std::upper_bound(splits_.begin(), splits_.end(), pick,
                                  [](double value, const Split& s) { return value < s.weight; });
    if (split == splits_.end()) {
        --split;
    }
    std::vector<int> cards = unseen_;
    std::shuffle(cards.begin(), cards.end(), random);
    std::size_t next = 0;
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < split->counts[s] && next < cards.size(); ++i) {
            hands[s] |= Bit(cards[next++]);
        }
    }
    return hands;
}

}  // namespace search
