#include "search/SearchBid.h"

#include <algorithm>
#include <vector>

#include "search/Solver.h"

namespace search {

namespace {

constexpr int kDealt = 9;
constexpr int kUnseenPlaces = 43;  // the other seats' 27 cards, then the deck's 16 in order
constexpr int kPlayHand = 6;
// Surplus trumps go in this order (the cards' throw-away order); point cards never go.
constexpr std::array<int, 8> kGiveUpOrder = {2, 3, 6, 7, 8, 9, 12, 13};

// The trump rank of a card when `colour` is trump; 0 for a card that is no trump then.
int RankUnder(const cards::Kort& card, int colour) {
    if (!card.IsOfColour(colour)) {
        return 0;
    }
    if (card.Typ == "5") {
        return card.OwnColour() == colour ? 5 : 4;
    }
    return card.Rang;
}

TrumpSet GiveUpSurplus(TrumpSet hand) {
    for (int rank : kGiveUpOrder) {
        if (CountOf(hand) <= kPlayHand) {
            break;
        }
        hand &= static_cast<TrumpSet>(~Bit(rank));
    }
    return hand;
}

// One deal: the unseen trumps placed among the unseen cards, then the discard and the buying.
std::array<TrumpSet, 4> DealAndBuy(TrumpSet own, int seat, int dealer, std::mt19937_64& random) {
    std::vector<int> unseen;
    for (TrumpSet rest = kAllTrumps & ~own; rest != 0; rest &= static_cast<TrumpSet>(rest - 1)) {
        unseen.push_back(Lowest(rest));
    }
    std::array<int, kUnseenPlaces> place{};  // rank at each unseen place, 0 for no trump
    std::vector<int> order(kUnseenPlaces);
    for (int i = 0; i < kUnseenPlaces; ++i) {
        order[i] = i;
    }
    std::shuffle(order.begin(), order.end(), random);
    for (std::size_t i = 0; i < unseen.size(); ++i) {
        place[order[i]] = unseen[i];
    }
    std::array<TrumpSet, 4> hands{};
    int next_place = 0;
    for (int s = 0; s < 4; ++s) {
        if (s == seat) {
            hands[s] = own;
            continue;
        }
        for (int i = 0; i < kDealt; ++i) {
            hands[s] |= place[next_place] > 0 ? Bit(place[next_place]) : 0;
            ++next_place;
        }
    }
    int deck = next_place;  // the deck's top card
    auto take = [&](int s, int n) {
        for (; n > 0 && deck < kUnseenPlaces; --n, ++deck) {
            hands[s] |= place[deck] > 0 ? Bit(place[deck]) : 0;
        }
    };
    for (int k = 1; k < 4; ++k) {
        const int s = (dealer + k) & 3;
        const int held = CountOf(hands[s]);
        hands[s] = GiveUpSurplus(hands[s]);
        take(s, held >= kPlayHand ? 0 : kPlayHand - held);
    }
    take(dealer, kUnseenPlaces);
    hands[dealer] = GiveUpSurplus(hands[dealer]);
    return hands;
}

}  // namespace

std::array<ColourOutlook, 4> JudgeColours(const cards::KortHand& hand, int seat, int dealer,
                                          int samples, std::mt19937_64& random) {
    std::array<ColourOutlook, 4> outlooks{};
    const bool seat_vi = (seat & 1) == 0;
    for (int c = 0; c < 4; ++c) {
        ColourOutlook& outlook = outlooks[c];
        outlook.colour = 1 << c;
        TrumpSet own = 0;
        for (const cards::Kort* card : hand.Cards()) {
            const int rank = RankUnder(*card, outlook.colour);
            own |= rank > 0 ? Bit(rank) : 0;
        }
        for (int n = 0; n < samples; ++n) {
            OpenPosition position;
            position.hands = DealAndBuy(own, seat, dealer, random);
            position.leader = position.to_play = seat;
            const int vi = SolveViPoints(position);
            const int ours = seat_vi ? vi : 14 - vi;
            for (int bid = 6; bid <= 14; ++bid) {
                const int score = ours >= bid ? ours : -bid;
                outlook.at_bid[bid] += static_cast<double>(score - (14 - ours)) / samples;
            }
        }
    }
    return outlooks;
}

}  // namespace search
