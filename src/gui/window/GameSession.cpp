#include "gui/window/GameSession.h"

#include <random>

#include "gui/base/GuiTexts.h"
#include "gui/coach/ReviewWindow.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/dialogs/SettingsDialog.h"
#include "gui/paint/CardPainter.h"
#include "gui/paint/PaintCache.h"
#include "gui/window/QtTranslations.h"
#include "persistence/Statistics.h"

namespace gui {

namespace {

table::TableConfig ConfigOf(const LaunchOptions& options, const std::filesystem::path& folder,
                            const std::string& settings_file) {
    table::TableConfig config;
    if (!settings_file.empty()) {
        config.settings_file = settings_file;
    }
    config.folder = folder.string();
    if (config.folder.empty() || config.folder.back() != '/') {
        config.folder += '/';
    }
    config.seed = options.seed;
    config.language = presentation::ProgramLanguage();  // the player's choice, read at start
    if (options.demo) {
        config.computer_plays_syd = true;
        config.auto_continue_ms = kDemoContinueMs;
    }
    return config;
}

}  // namespace

std::unique_ptr<GameSession> GameSession::Open(const Setup& setup, std::string& problem) {
    LoadedPreferences loaded = LoadPreferences(setup.settings);
    presentation::SetProgramLanguage(loaded.preferences.language);
    InstallQtTranslations(loaded.preferences.language);
    const folders::FolderChoice folder = folders::FindProgramFolder(setup.places);
    if (folder.kind == folders::FolderChoice::Kind::None) {
        problem = folder.problem;
        return nullptr;
    }
    return std::make_unique<GameSession>(OpenKey(), setup, folder, std::move(loaded));
}

GameSession::GameSession(OpenKey, const Setup& setup, const folders::FolderChoice& folder,
                         LoadedPreferences loaded)
    : options_(setup.options),
      settings_file_(setup.settings_file),
      dialogs_(setup.dialogs),
      settings_(setup.settings),
      modal_(setup.modal),
      folder_(folder.folder),
      preferences_(loaded.preferences),
      problems_(std::move(loaded.problems)) {
    for (const std::string& problem : options_.problems) {
        problems_.push_back("The setting " + problem + " cannot be used; the default applies.");
    }
    CardPainter::SetDeckLook(preferences_.deck);
    table_ = std::make_unique<table::Table>(ConfigOf(options_, folder_, settings_file_), dialogs_,
                                            settings_);
    window_ = std::make_unique<GameWindow>(*table_, dialogs_, settings_, modal_);
    window_->open_settings = [this] { OpenSettings(); };
    clock_ = std::make_unique<QtClock>(*table_, ClockSpeed(), [this] { window_->Refresh(); });
    if (modal_ != nullptr) {
        modal_->SetParent(window_.get());
        clock_->HoldWhileBusy(*modal_);
    }
    window_->Scene().after_input = [this] { clock_->Reschedule(); };
    ConnectCoach();
}

void GameSession::HoldInput(bool held) {
    window_->Scene().HoldInput(held);
}

void GameSession::ConnectCoach() {
    const std::uint64_t seed = options_.seed ? *options_.seed : std::random_device()();
    levels_ = std::make_unique<LevelPlayers>(
        LevelPlayers::Setup{*table_, folder_, seed, presentation::ProgramLanguage(), modal_,
                            [this](bool held) { HoldInput(held); }});
    table_->round_starting = [this] {
        ++round_serial_;
        recorder_.Clear();
        levels_->StartRound(preferences_);
    };
    table_->decision_taken = [this](const state::SeatView& view, state::Decision kind, int choice) {
        recorder_.Record(view, kind, choice);
    };
    window_->round_review = [this] { ReviewRound(); };
}

void GameSession::ReviewRound() {
    if (recorder_.Decisions().empty()) {
        dialogs_.Message(GuiText(GuiTextId::ReviewNothing).toStdString(), "Fivrastar");
        return;
    }
    const int serial = round_serial_;
    const auto review = ComputeReview(
        recorder_.Decisions(), levels_->RoundOptions(), modal_,
        [this](bool held) { HoldInput(held); }, window_.get());
    if (!review) {
        return;
    }
    const table::Controls& ctl = table_->Ctl();
    const bool round_over = ctl.ImgReplayUp.Visible && !table_->State().bReplay;
    if (round_over && serial == round_serial_ && counted_serial_ != serial) {
        counted_serial_ = serial;
        persistence::CountGivenAway(settings_, review->given_away[common::kSyd]);
    }
    ReviewWindow window(*review, window_.get());
    QtDialogs::Exec(modal_, window);
}

double GameSession::ClockSpeed() const {
    return options_.speed_from_environment ? options_.speed : 1.0 / TimerFactor(preferences_.speed);
}

void GameSession::Start() {
    window_->show();
    for (const std::string& problem : problems_) {
        dialogs_.Message(problem, "Fivrastar");
    }
    table_->Start();
    if (preferences_.hints_at_start) {
        table_->ImgSuggestUp_MouseDown();
    }
    window_->Refresh();
    clock_->Rebase();
    clock_->Reschedule();
}

void GameSession::OpenSettings() {
    SettingsDialog dialog(preferences_, options_.speed_from_environment, window_.get());
    if (QtDialogs::Exec(modal_, dialog) == QDialog::Accepted) {
        ApplyPreferences(dialog.Chosen());
    }
}

void GameSession::ApplyPreferences(const Preferences& chosen) {
    SavePreferences(settings_, chosen);
    const bool deck_changed = !(chosen.deck == preferences_.deck);
    preferences_ = chosen;
    if (deck_changed) {
        CardPainter::SetDeckLook(chosen.deck);
        ClearPaintCache();
        window_->Scene().update();  // the hands hold the same cards, drawn anew
        window_->Refresh();
    }
    clock_->SetSpeed(ClockSpeed());
    levels_->SetHintSource(chosen.hints_from);
}

}  // namespace gui
