#pragma once

#include "cards/KortHand.h"
#include "common/LogSink.h"
#include "playai/PlayMemory.h"
#include "playai/RuleTables.h"

namespace playai {

// The game log's play parameter dump for the seat about to play: its trump cards, the
// named values and the truth of every play-state function.
void SpelParameterDump(const PlayView& view, const cards::KortHand& hand,
                       const NamedValueTable& values, common::LogSink& log);

// A trump card as the game log writes it: its face, "V" for the five of trump and "v" for
// the other fivra card.
std::string CardLine(const cards::Kort& card, int trump);

}  // namespace playai
