#include "bidai/HoldingKey.h"

#include <array>

#include "common/Names.h"

namespace bidai {

namespace {

inline constexpr int kMaxCards = 6;
// Rank values dropped from a colour of more than six cards, one pass each, in this order:
// the 3 and 4, the plain middle cards, then Q, K and A.
inline constexpr std::array<int, 9> kDropOrder = {2, 3, 6, 7, 8, 9, 12, 13, 14};
inline constexpr int kMiddleRank = 7;

void CapAtSix(std::vector<int>& ranks, int& count) {
    if (count <= kMaxCards) {
        return;
    }
    int excess = count - kMaxCards;
    count = kMaxCards;
    for (const int drop : kDropOrder) {
        if (excess <= 0) {
            break;
        }
        for (int& rank : ranks) {
            if (rank == drop) {
                rank = 0;
                --excess;
            }
        }
    }
}

bool IsMiddleCard(int rank, int count) {
    const bool plain_middle = rank >= 6 && rank <= 9;
    if (count == 4) {
        return plain_middle;
    }
    return (count == 5 || count == 6) && (plain_middle || rank == 2 || rank == 3);
}

}  // namespace

HoldingKey MakeHoldingKey(std::vector<int> ranks) {
    HoldingKey holding;
    holding.count = static_cast<int>(ranks.size());
    for (const int rank : ranks) {
        if (rank < 0 || rank >= common::kRankCodes) {
            holding.unknown_ranks.push_back(rank);
        }
    }
    CapAtSix(ranks, holding.count);
    if (holding.count == 5 || holding.count == 6) {
        for (int& rank : ranks) {
            if (rank == 2 || rank == 3) {
                rank = kMiddleRank;
            }
        }
    }
    std::string letters = "[_";
    holding.log_key = "[_";
    for (int r = common::kRankCodes - 1; r >= 1; --r) {
        for (const int rank : ranks) {
            if (rank != r) {
                continue;
            }
            if (IsMiddleCard(r, holding.count)) {
                holding.log_key += "M_";
                ++holding.middle;
            } else {
                const std::string letter(common::TrumpCardName(r).value_or(""));
                holding.log_key += letter + "_";
                letters += letter + "_";
            }
        }
    }
    holding.log_key += "]";
    letters += "]";
    const std::string count_text = std::to_string(holding.count);
    if (holding.middle <= 1) {
        holding.tag = "<" + count_text + ">";
        holding.key = holding.log_key;
    } else {
        holding.tag = "<" + count_text + "_" + std::to_string(holding.middle) + ">";
        holding.key = letters;
    }
    return holding;
}

}  // namespace bidai
