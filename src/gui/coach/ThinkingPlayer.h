#pragma once

#include <functional>

#include "state/SeatPlayer.h"

namespace gui {

class QtDialogs;

// A player whose decisions may take longer than a frame: each runs on a worker thread while
// the window goes on drawing and answering. Meanwhile the table's clock holds (as behind a
// dialog) and the table takes no input, so nothing re-enters it; settings, help and quitting
// still work. When the application quits during a decision, the decision is awaited before
// the table goes on.
class ThinkingPlayer : public state::SeatPlayer {
  public:
    // `modal` (may be null) holds the clock; `hold_input` is told true while a decision runs.
    ThinkingPlayer(state::SeatPlayer& player, QtDialogs* modal,
                   std::function<void(bool held)> hold_input);

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
    // Told on the GUI thread, while no decision runs.
    void Seen(const state::SeatView& view, state::Decision decision, int choice) override {
        player_.Seen(view, decision, choice);
    }

  private:
    template <class Answer>
    Answer Think(const std::function<Answer()>& decide);

    state::SeatPlayer& player_;
    QtDialogs* modal_;
    std::function<void(bool held)> hold_input_;
};

}  // namespace gui
