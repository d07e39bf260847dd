#pragma once

class QKeyEvent;

namespace table {
class Table;
}

namespace gui {

// The game's keys at the table: Left/Right choose a card of the human's hand (or a bid in the
// bid panel, with Up/Down too), Enter or Space plays the chosen card, makes the chosen bid or
// continues where the game waits for a click; the digits 6-9 and 0 (for 10) choose a bid, P
// passes; K, R, H, S name trump; F2 shows and hides the trace list. Returns whether the key
// was the game's.
bool HandleTableKey(const QKeyEvent& event, table::Table& table);

}  // namespace gui
