#pragma once

#include <optional>
#include <string_view>

#include "playai/PlayMemory.h"

namespace playai {

// Role words of the rules: "LEFT" 1, "PARTNER" 2, "RIGHT" 3, any other word 0 (me).
int RoleOffset(std::string_view word);

// Codes of the cards whose presence the trick tests look for.
inline constexpr int kAce = 14;
inline constexpr int kJack = 11;
inline constexpr int kTen = 10;
inline constexpr int kFivraHigh = 5;
inline constexpr int kFivraLow = 4;
inline constexpr int kTwo = 1;

constexpr bool IsFivra(int code) {
    return code == kFivraHigh || code == kFivraLow;
}
constexpr bool IsTenOrJack(int code) {
    return code == kTen || code == kJack;
}
// Points a card brings into a trick for its winner (the two scores apart, the ace is counted
// by the rules separately): 5 for a fivra card, 1 for the J or the 10.
constexpr int CapturablePoints(int code) {
    return IsFivra(code) ? 5 : (IsTenOrJack(code) ? 1 : 0);
}

// "FIRST", "SECOND", "THIRD" or "FOURTH": my place in the current trick.
std::string_view PositionInRound(const PlayView& view);
bool InTrick(const PlayView& view, int code);
bool Last(const PlayView& view);
bool EqualInRank(const PlayView& view, int code_a, int code_b);
bool WithoutFivra(const PlayView& view, int offset);
bool Cold(const PlayView& view, int offset);

// The predicates without arguments, by their rule names; std::nullopt for any other name.
std::optional<bool> NamedPredicate(const PlayView& view, std::string_view name);

}  // namespace playai
