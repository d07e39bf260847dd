#pragma once

#include <memory>

#include "coach/RoundReview.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "folders/ProgramFolder.h"
#include "gui/coach/LevelPlayers.h"
#include "gui/settings/Preferences.h"
#include "gui/window/GameWindow.h"
#include "gui/window/LaunchOptions.h"
#include "gui/window/QtClock.h"
#include "table/Table.h"

namespace gui {

class QtDialogs;

// One run of the game: finds the program folder, applies the player's settings, and owns the
// table, its window and its clock.
class GameSession {
  public:
    struct Setup {
        LaunchOptions options;
        folders::FolderPlaces places;
        common::Dialogs& dialogs;
        common::SettingsStore& settings;
        QtDialogs* modal = nullptr;  // the real dialogs, whose boxes hold the clock
        std::string settings_file;   // named in the notice of a damaged kept game
    };

    // Reads the player's settings (the language first, so that everything after speaks it)
    // and finds the program folder. Without one there is no session, and `problem` says
    // where the game looked.
    static std::unique_ptr<GameSession> Open(const Setup& setup, std::string& problem);

    // Shows the window, tells the problems found on the way, and starts the first round.
    void Start();

    table::Table& Table() { return *table_; }
    GameWindow& Window() { return *window_; }
    QtClock& Clock() { return *clock_; }
    const Preferences& CurrentPreferences() const { return preferences_; }
    const std::filesystem::path& ProgramFolder() const { return folder_; }

    // Opens the settings dialog; what the player accepts is saved and applied.
    void OpenSettings();
    // Saves and applies settings: speed, deck and the hint's source at once, the levels at the
    // next round, the language at the next start.
    void ApplyPreferences(const Preferences& chosen);
    // Judges the round's decisions and shows the review; a finished round's first review counts
    // in the statistics of points given away.
    void ReviewRound();

  private:
    // Only Open makes a session.
    struct OpenKey {
        explicit OpenKey() = default;
    };

  public:
    GameSession(OpenKey, const Setup& setup, const folders::FolderChoice& folder,
                LoadedPreferences loaded);

  private:
    double ClockSpeed() const;
    void ConnectCoach();
    void HoldInput(bool held);

    LaunchOptions options_;
    std::string settings_file_;
    common::Dialogs& dialogs_;
    common::SettingsStore& settings_;
    QtDialogs* modal_;
    std::filesystem::path folder_;
    Preferences preferences_;
    std::vector<std::string> problems_;
    std::unique_ptr<table::Table> table_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<QtClock> clock_;
    std::unique_ptr<LevelPlayers> levels_;
    coach::RoundRecorder recorder_;
    int round_serial_ = 0;     // counts the rounds started
    int counted_serial_ = -1;  // the round whose review the statistics hold
};

}  // namespace gui
