#pragma once

#include <QString>
#include <string>

namespace gui {

// Captions that only the front end shows (the game's own texts come from the core).
enum class GuiTextId {
    GameOver,
    PlayLog,
    LoadLog,
    Debug,
    ChooseLogTitle,
    GameLogFilter,
    TextFileFilter,
    AllFilesFilter,
    Close,
    TraceHint,
    SettingsTitle,
    Speed,
    SpeedSlow,
    SpeedNormal,
    SpeedFast,
    SpeedVeryFast,
    SpeedSetByEnvironment,
    Language,
    LanguageAtNextStart,
    FourColourDeck,
    CardBackCaption,
    BackLattice,
    BackDiamonds,
    BackRings,
    HintsAtStart,
    Opponents,
    Partner,
    LevelBeginner,
    LevelNormal,
    LevelExpert,
    LevelsAtNextRound,
    HintsFrom,
    HintsFromRuleFiles,
    HintsFromExpert,
    RoundReview,
    ReviewWorking,
    ReviewTrick,
    ReviewLed,
    ReviewCards,
    ReviewTook,
    ReviewYourChoice,
    ReviewExpertChoice,
    ReviewCost,
    ReviewBid,
    ReviewTrump,
    ReviewNothing,
    ReviewTotals,
    AlreadyRunning,
    AlreadyRunningShown,
    // The menu bar.
    MenuGame,
    MenuNewGame,
    MenuReplay,
    MenuRoundReview,
    MenuStatistics,
    MenuWatch,
    MenuQuit,
    MenuView,
    MenuTrace,
    MenuFullScreen,
    MenuSettings,
    MenuPreferences,
    MenuHelp,
    MenuRules,
    MenuAbout,
    Watching,
    // The statistics window.
    StatisticsTitle,
    GamesPlayed,
    GamesWon,
    GamesLost,
    Rounds,
    BidsMade,
    BidsFailed,
    AveragePoints,
    LongestStreak,
    LastGames,
    NoGamesYet,
    GameNumber,
    FinalScore,
};

// The caption in the language the program shows.
QString GuiText(GuiTextId id);

// A core text (UTF-8, its line breaks as the game writes them) as Qt shows it: a lone carriage
// return becomes a line end.
QString CoreText(const std::string& text);

}  // namespace gui
