#pragma once

#include <array>
#include <string>

#include "state/RoundState.h"

namespace playai {

// What the play AI remembers over a round (the "two floating tables" of the buying step are
// JagSer and AndraSer).
struct PlayMemory {
    std::array<float, 4> JagSer{};
    std::array<float, 4> AndraSer{};
    std::array<int, 4> NoFivraFlag{};  // -1 when a seat is inferred to hold no fivra card
    // Per trick 1..6: highest card of the trick, highest unplayed at its start. The strings
    // start empty without an initializer, and clang 14 crashes compiling one ("{}") here.
    std::array<std::array<std::string, 2>, 7> TrickHighHistory;
};

inline constexpr int kTrumpSlots = 6;

// The deciding seat's trump cards by rank code in hand order; slot 0 is unused and slots
// after the last card hold 0.
struct TrumpSlots {
    std::array<int, kTrumpSlots + 1> slot{};
    int count = 0;

    bool Holds(int code) const;
    int Highest() const;
};

// The trump cards (of colour `trump`) of a hand, at most six.
TrumpSlots SlotsFromHand(const cards::KortHand& hand, int trump);

// The trick play as the deciding seat sees it: the round's public tables, what the AI
// remembers, and the seat's own trump cards.
struct PlayView {
    const state::RoundState& round;
    const PlayMemory& memory;
    int seat = 0;
    const TrumpSlots& trumps;

    // The seat `offset` places after me (1 left, 2 partner, 3 right).
    int SeatAt(int offset) const { return common::SeatAfter(seat, offset); }
    bool Played(int code) const {
        return code >= 0 && code < state::kRanks && round.PlayedTrump[code] != 0;
    }
    // Neither played nor held by me.
    bool Unplayed(int code) const { return !Played(code) && !trumps.Holds(code); }
    int TrickCard(int offset) const { return round.TrickCards[SeatAt(offset)]; }
};

}  // namespace playai
