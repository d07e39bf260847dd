#pragma once

#include <QMenuBar>
#include <functional>

namespace gui {

// What each entry of the menu bar does, and whether it can be chosen now; an unset
// `…_possible` leaves its entry always enabled.
struct GameMenuHandlers {
    std::function<void()> new_game;
    std::function<void()> replay;
    std::function<bool()> replay_possible;
    std::function<void()> round_review;
    std::function<bool()> round_review_possible;
    std::function<void()> statistics;
    std::function<void()> watch;
    std::function<bool()> watching;
    std::function<void()> quit;
    std::function<void()> trace;
    std::function<bool()> trace_shown;
    std::function<void()> full_screen;
    std::function<bool()> full_screen_on;
    std::function<void()> preferences;
    std::function<void()> rules;
    std::function<void()> about;
};

// The menu bar of the table window, in the desktop's conventions: Game, View, Settings, Help,
// with the standard keys (Ctrl+N, Ctrl+Q, F11, Ctrl+, and F1) and F2 for the trace list. Each
// entry's object name is "Action" + its English name without blanks ("ActionNewGame").
class GameMenus {
  public:
    GameMenus(QMenuBar& bar, GameMenuHandlers handlers);

    // The entry by object name; nullptr if none.
    QAction* Action(const QString& name) const;
    // Sets what can be chosen and what is ticked, as the menus do when they open.
    void UpdateStates();

  private:
    QAction* Add(QMenu& menu, const char* name, const QString& caption, const QKeySequence& keys,
                 const std::function<void()>& handler);

    QMenuBar& bar_;
    GameMenuHandlers handlers_;
};

}  // namespace gui
