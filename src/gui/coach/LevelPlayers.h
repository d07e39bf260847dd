#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "coach/HintPlayer.h"
#include "gui/coach/ThinkingPlayer.h"
#include "gui/settings/Preferences.h"
#include "search/ExpertPlayer.h"
#include "table/Table.h"

namespace gui {

// The players at the computer seats by the player's levels (Normal: the rule files), and the
// expert behind the hint. They are made anew as each round starts, when no decision is under
// way, so a level chosen during a round applies from the next one. The expert's decisions run
// off the GUI thread.
class LevelPlayers {
  public:
    struct Setup {
        table::Table& table;
        std::filesystem::path rule_folder;
        std::uint64_t seed = 0;
        presentation::Language language = presentation::BuildLanguage();
        QtDialogs* modal = nullptr;              // holds the clock while the expert thinks
        std::function<void(bool)> hold_input{};  // keeps input from the table meanwhile
    };
    explicit LevelPlayers(Setup setup);

    // Puts the levels' players at the seats; call as a round starts.
    void StartRound(const Preferences& preferences);
    // Where the suggestion comes from; applies at once.
    void SetHintSource(HintSource source);
    // An expert's options that explain the seats as they play this round.
    const search::ExpertOptions& RoundOptions() const { return options_; }

  private:
    struct Seat {
        std::unique_ptr<state::SeatPlayer> player;
        std::unique_ptr<ThinkingPlayer> thinking;  // the expert's decisions, off the GUI thread
    };
    Seat MakeSeat(Level level, int seat) const;

    Setup setup_;
    search::ExpertOptions options_;
    std::array<Seat, common::kSeats> seats_{};
    std::unique_ptr<search::ExpertPlayer> hint_expert_;
    std::unique_ptr<coach::HintPlayer> hint_player_;
    std::unique_ptr<ThinkingPlayer> hint_thinking_;
};

// The word that names a level in the trace and the game log; empty for Normal.
std::string LevelLogWord(Level level);

}  // namespace gui
