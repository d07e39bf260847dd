#pragma once

#include "common/LogSink.h"
#include "playai/PlayMemory.h"

namespace playai {

inline constexpr int kTrumpCardsInRound = 14;
inline constexpr int kHandSize = 6;

// Trump cards that neither I nor the public record account for ("Driftklover"); never
// below zero, since a seat that held more than six before its surplus went out of play can
// make the record count more cards than there are.
int CardsLoose(const PlayView& view);
// Card places in the other hands whose content is unknown ("Obekanta").
int CardsUnknown(const PlayView& view);
// Expected trump holding of a seat: what is known of it, plus the loose cards spread evenly over
// the unknown places.
float DynExp(const PlayView& view, int seat);
// A seat is cold when it laid its hand down, or when no loose card is left and it has
// already played every card the others know of (and has not played to this trick).
bool IsCold(const PlayView& view, int seat);

// The update at the start of every decision: both counts only grow during a round.
void UpdateSeenCounts(PlayMemory& memory, const state::RoundState& round, int seat,
                      int trump_count);

// The model's state for the game log, from the deciding seat's point of view.
void ExpectationDump(const PlayView& view, common::LogSink& log);

}  // namespace playai
