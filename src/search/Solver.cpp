#include "search/Solver.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace search {

namespace {

constexpr bool IsViSeat(int seat) {
    return (seat & 1) == 0;
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
        if (previous == 0 || !EqualCards(previous, rank, others)) {
            cards[n++] = rank;
        }
        previous = rank;
    }
    return n;
}

// What is known of the points Vi takes from the start of a trick: they depend on the hands
// and the leader alone, so one table serves every search.
class TrickStartTable {
  public:
    struct Bounds {
        int low = 0;
        int high = 14;
    };

    static std::uint64_t Key(const OpenPosition& p) {
        std::uint64_t key = static_cast<std::uint64_t>(p.leader) + 1;
        for (TrumpSet hand : p.hands) {
            key = (key << 14) | (hand >> 1);
        }
        return key;
    }
    Bounds Find(std::uint64_t key) const {
        const Entry& e = entries_[Slot(key)];
        return e.key == key ? Bounds{e.low, e.high} : Bounds{};
    }
    void Store(std::uint64_t key, Bounds bounds) {
        Entry& e = entries_[Slot(key)];
        e = Entry{key, static_cast<std::int8_t>(bounds.low), static_cast<std::int8_t>(bounds.high)};
    }

  private:
    static constexpr std::size_t kSlots = std::size_t{1} << 18;
    struct Entry {
        std::uint64_t key = 0;
        std::int8_t low = 0;
        std::int8_t high = 14;
    };
    static std::size_t Slot(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 46) & (kSlots - 1);
    }
    std::vector<Entry> entries_ = std::vector<Entry>(kSlots);
};

TrickStartTable& Known() {
    thread_local TrickStartTable table;  // one a thread: matches play on several threads
    return table;
}

int Search(const OpenPosition& p, int alpha, int beta);

// A search from the start of a trick, through the table of what is known.
int SearchTrickStart(const OpenPosition& p, int alpha, int beta) {
    const std::uint64_t key = TrickStartTable::Key(p);
    TrickStartTable::Bounds known = Known().Find(key);
    if (known.low == known.high || known.low >= beta) {
        return known.low;
    }
    if (known.high <= alpha) {
        return known.high;
    }
    const int value = Search(p, std::max(alpha, known.low), std::min(beta, known.high));
    if (value <= std::max(alpha, known.low)) {
        known.high = std::min(known.high, value);
    } else if (value >= std::min(beta, known.high)) {
        known.low = std::max(known.low, value);
    } else {
        known.low = known.high = value;
    }
    Known().Store(key, known);
    return value;
}

bool TrickStarts(const OpenPosition& p) {
    return p.to_play == p.leader && p.trick == std::array<int, 4>{0, 0, 0, 0};
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
        const int rest = TrickStarts(next)
                             ? SearchTrickStart(next, alpha - taken[0], beta - taken[0])
                             : Search(next, alpha - taken[0], beta - taken[0]);
        const int value = taken[0] + rest;
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
