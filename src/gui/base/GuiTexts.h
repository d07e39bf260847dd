#pragma once

#include <QString>

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
};

// The caption in the language the program shows.
QString GuiText(GuiTextId id);

}  // namespace gui
