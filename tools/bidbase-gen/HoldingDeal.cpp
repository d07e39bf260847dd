#include "HoldingDeal.h"

#include <array>
#include <utility>

#include "common/Names.h"

namespace bidbase_gen {

namespace {

inline constexpr int kPacketSize = 3;
inline constexpr int kPackets = 3;
inline constexpr int kDealt = kPacketSize * kPackets;

void Shuffle(std::vector<int>& cards, common::Random& random) {
    for (int i = static_cast<int>(cards.size()); i > 1; --i) {
        std::swap(cards[i - 1], cards[random.Draw(i) - 1]);
    }
}

// Deck positions (1-based) of the nine cards a seat is dealt: three packets of three, the
// seat after the dealer served first in each round of packets.
std::array<int, kDealt> DealtPositions(int dealer, int seat) {
    const int order = common::RelativeSeat(common::NextSeat(dealer), seat);
    std::array<int, kDealt> positions{};
    for (int p = 0; p < kPackets; ++p) {
        for (int i = 0; i < kPacketSize; ++i) {
            positions[p * kPacketSize + i] =
                p * common::kSeats * kPacketSize + order * kPacketSize + i + 1;
        }
    }
    return positions;
}

}  // namespace

bool StackHoldingDeal(cards::Packe& deck, int dealer, int seat, int colour,
                      const std::vector<int>& ranks, common::Random& random) {
    deck.ValjFarg(colour);
    std::array<int, common::kRankCodes> trump_by_rank{};
    trump_by_rank.fill(-1);
    std::vector<int> others;
    for (int nr = 0; nr < cards::kDeckSize; ++nr) {
        const cards::Kort& card = deck.Card(nr);
        if (card.IsOfColour(colour)) {
            trump_by_rank.at(card.Rang) = nr;
        } else {
            others.push_back(nr);
        }
    }
    std::vector<int> hand;
    for (const int rank : ranks) {
        hand.push_back(trump_by_rank.at(rank));
        trump_by_rank.at(rank) = -1;
    }
    Shuffle(others, random);
    while (static_cast<int>(hand.size()) < kDealt && !others.empty()) {
        hand.push_back(others.back());
        others.pop_back();
    }
    for (const int nr : trump_by_rank) {
        if (nr >= 0) {
            others.push_back(nr);
        }
    }
    Shuffle(hand, random);
    Shuffle(others, random);
    std::array<int, cards::kDeckSize + 1> order{};
    order.fill(-1);
    const auto positions = DealtPositions(dealer, seat);
    for (int i = 0; i < kDealt; ++i) {
        order.at(positions[i]) = hand.at(i);
    }
    for (int position = 1; position <= cards::kDeckSize; ++position) {
        if (order[position] < 0) {
            order[position] = others.back();
            others.pop_back();
        }
        deck.TweakPacke(position, std::to_string(order[position]));
    }
    return deck.SakaRestore();
}

}  // namespace bidbase_gen
