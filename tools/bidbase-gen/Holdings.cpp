#include "Holdings.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "bidai/HoldingKey.h"

namespace bidbase_gen {

namespace {

inline constexpr int kTrumpRanks = 14;
inline constexpr int kDealt = 9;
inline constexpr int kOtherCards = 52 - kTrumpRanks;
// A colour of more than six cards is capped to a holding of six, so six-card holdings give
// every key there is.
inline constexpr int kMaxHeld = 6;

double Choose(int n, int k) {
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0));
}

// Marks the commonest keys, most common first, until they hold half of all dealt colours.
void MarkCommonKeys(std::vector<KeyHoldings>& keys) {
    std::vector<KeyHoldings*> order;
    double total = 0.0;
    for (KeyHoldings& key : keys) {
        order.push_back(&key);
        total += key.weight;
    }
    std::sort(order.begin(), order.end(),
              [](const KeyHoldings* a, const KeyHoldings* b) { return a->weight > b->weight; });
    double covered = 0.0;
    for (KeyHoldings* key : order) {
        if (covered >= 0.5 * total) {
            break;
        }
        covered += key->weight;
        key->common = true;
    }
}

}  // namespace

std::vector<std::string> TagOrder() {
    std::vector<std::string> tags;
    for (int count = 0; count <= kMaxHeld; ++count) {
        tags.push_back("<" + std::to_string(count) + ">");
    }
    for (int count = 4; count <= kMaxHeld; ++count) {
        for (int middle = 2; middle <= count; ++middle) {
            tags.push_back("<" + std::to_string(count) + "_" + std::to_string(middle) + ">");
        }
    }
    return tags;
}

std::vector<KeyHoldings> AllKeys() {
    std::map<std::string, std::map<std::string, KeyHoldings>> sections;
    for (unsigned mask = 0; mask < (1u << kTrumpRanks); ++mask) {
        const int held = std::popcount(mask);
        if (held > kMaxHeld) {
            continue;
        }
        std::vector<int> ranks;
        for (int r = kTrumpRanks; r >= 1; --r) {
            if ((mask & (1u << (r - 1))) != 0) {
                ranks.push_back(r);
            }
        }
        const bidai::HoldingKey holding = bidai::MakeHoldingKey(ranks);
        KeyHoldings& entry = sections[holding.tag][holding.key];
        entry.tag = holding.tag;
        entry.key = holding.key;
        entry.holdings.push_back(ranks);
        entry.weight += Choose(kOtherCards, kDealt - held);
    }
    std::vector<KeyHoldings> keys;
    for (const std::string& tag : TagOrder()) {
        for (auto& [key, entry] : sections[tag]) {
            keys.push_back(std::move(entry));
        }
    }
    MarkCommonKeys(keys);
    return keys;
}

}  // namespace bidbase_gen
