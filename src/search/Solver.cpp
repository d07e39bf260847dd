#include "search/Solver.h"

#include <algorithm>

namespace search {

namespace {

constexpr bool IsViSeat(int seat) {
    return (seat & 1) == 0;
}

// Cards that give the same points the same way: equal cards when nothing lies between them.
constexpr int PointClass(int rank) {
    return rank == kTwo ? -1 : TrickPoints(rank);
}

TrumpSet Between(int low, int high) {
    return static_cast<TrumpSet>(Bit(high) - Bit(low + 1));
}

TrumpSet TrickCards(const OpenPosition& p) {
    TrumpSet set = 0;
    for (int rank : p.trick) {
        set |= rank > 0 ? Bit(rank) : 0;
    }
    return set;
}

// Points still to be taken: every card in a hand or in the trick.
int PointsInPlay(const OpenPosition& p) {
    int sum = 0;
    TrumpSet all = TrickCards(p);
    for (TrumpSet hand : p.hands) {
        all |= hand;
    }
    for (TrumpSet rest = all; rest != 0; rest &= rest - 1) {
        const int rank = Lowest(rest);
        sum += rank == kTwo ? 1 : TrickPoints(rank);
    }
    return sum;
}

// One card of each run of equal cards in the seat's hand, highest first.
int DistinctCards(const OpenPosition& p, int seat, std::array<int, 14>& cards) {
    TrumpSet others = TrickCards(p);
    for (int s = 0; s < 4; ++s) {
        others |= s == seat ? 0 : p.hands[s];
    }
    int n = 0;
    int previous = 0;
    for (TrumpSet rest = p.hands[seat]; rest != 0;) {
        const int rank = Highest(rest);
        rest &= static_cast<TrumpSet>(~Bit(rank));
        const bool equal = previous != 0 && PointClass(previous) == PointClass(rank) &&
                           (others & Between(rank, previous)) == 0;
        if (!equal) {
            cards[n++] = rank;
        }
        previous = rank;
    }
    return n;
}

int Search(const OpenPosition& p, int alpha, int beta) {
    if (RoundOver(p)) {
        return 0;
    }
    std::array<int, 14> cards{};
    int n = DistinctCards(p, p.to_play, cards);
    if (n == 0) {
        cards[n++] = 0;  // no trump: the seat lays its hand down
    }
    const bool vi = IsViSeat(p.to_play);
    int best = vi ? -1 : 1000;
    for (int i = 0; i < n; ++i) {
        std::array<int, 2> taken{};
        const OpenPosition next = AfterCard(p, cards[i], taken);
        const int value = taken[0] + Search(next, alpha - taken[0], beta - taken[0]);
        if (vi) {
            best = std::max(best, value);
            alpha = std::max(alpha, value);
        } else {
            best = std::min(best, value);
            beta = std::min(beta, value);
        }
        if (alpha >= beta) {
            break;
        }
    }
    return best;
}

int BruteForce(const OpenPosition& p) {
    if (RoundOver(p)) {
        return 0;
    }
    const bool vi = IsViSeat(p.to_play);
    int best = vi ? -1 : 1000;
    TrumpSet hand = p.hands[p.to_play];
    do {
        const int card = hand == 0 ? 0 : Lowest(hand);
        hand &= static_cast<TrumpSet>(hand - 1);
        std::array<int, 2> taken{};
        const OpenPosition next = AfterCard(p, card, taken);
        const int total = taken[0] + BruteForce(next);
        best = vi ? std::max(best, total) : std::min(best, total);
    } while (hand != 0);
    return best;
}

}  // namespace

bool RoundOver(const OpenPosition& p) {
    for (int s = 0; s < 4; ++s) {
        if (p.hands[s] != 0 || p.trick[s] != 0) {
            return false;
        }
    }
    return true;
}

OpenPosition AfterCard(const OpenPosition& position, int card, std::array<int, 2>& taken) {
    OpenPosition next = position;
    taken = {0, 0};
    const int seat = position.to_play;
    next.hands[seat] &= static_cast<TrumpSet>(~Bit(card));
    next.trick[seat] = card;
    next.to_play = (seat + 1) & 3;
    if (next.to_play != next.leader) {
        return next;
    }
    int winner = 0;
    int sum = 0;
    for (int s = 0; s < 4; ++s) {
        if (next.trick[s] > next.trick[winner]) {
            winner = s;
        }
        sum += TrickPoints(next.trick[s]);
        if (next.trick[s] == kTwo) {
            ++taken[IsViSeat(s) ? 0 : 1];  // the two scores for the side that plays it
        }
    }
    taken[IsViSeat(winner) ? 0 : 1] += sum;
    next.leader = next.to_play = winner;
    next.trick = {0, 0, 0, 0};
    return next;
}

int SolveViPoints(const OpenPosition& position) {
    return Search(position, -1, PointsInPlay(position) + 1);
}

int BruteForceViPoints(const OpenPosition& position) {
    return BruteForce(position);
}

}  // namespace search
