#pragma once

#include "presentation/Localisation.h"

class QKeyEvent;

namespace table {
class Table;
}

namespace gui {

// The game's keys at the table: Left/Right choose a card of the human's hand that may be played
// (Home/End the first and last), or a bid in the bid panel (with Up/Down too); Enter or Space
// plays the chosen card, makes the chosen bid (the hinted one when none is chosen) or
// continues where the game waits for a click; the digits 6-9 and 0 (for 10) choose a bid, P
// passes; the colours' initials in the language name trump (K R H S, or C D H S); H asks for a
// hint at every other time; F2 shows and hides the trace list. Returns whether the key was
// the game's.
bool HandleTableKey(const QKeyEvent& event, table::Table& table, presentation::Language language);

}  // namespace gui
