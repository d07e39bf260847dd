#include "gui/base/GuiTexts.h"

#include "presentation/Localisation.h"

namespace gui {

namespace {

struct Pair {
    const char* svenska;
    const char* english;
};

Pair TextsOf(GuiTextId id) {
    switch (id) {
        case GuiTextId::GameOver:
            return {"SPELET ÄR SLUT", "GAME OVER"};
        case GuiTextId::PlayLog:
            return {"Spela logg", "Play log"};
        case GuiTextId::LoadLog:
            return {"Ladda logg", "Load log"};
        case GuiTextId::Debug:
            return {"Debug", "Debug"};
        case GuiTextId::ChooseLogTitle:
            return {"Välj spellogg", "Choose a game log"};
        case GuiTextId::GameLogFilter:
            return {"Spelloggar", "Game logs"};
        case GuiTextId::TextFileFilter:
            return {"Textfiler", "Text files"};
        case GuiTextId::AllFilesFilter:
            return {"Alla filer", "All files"};
        case GuiTextId::Close:
            return {"OK", "OK"};
        case GuiTextId::TraceHint:
            return {"F2 visar och döljer listan, hjulet bläddrar",
                    "F2 shows and hides this list, the wheel scrolls it"};
        case GuiTextId::SettingsTitle:
            return {"Inställningar", "Settings"};
        case GuiTextId::Speed:
            return {"Spelets fart", "Game speed"};
        case GuiTextId::SpeedSlow:
            return {"Långsam", "Slow"};
        case GuiTextId::SpeedNormal:
            return {"Normal", "Normal"};
        case GuiTextId::SpeedFast:
            return {"Snabb", "Fast"};
        case GuiTextId::SpeedVeryFast:
            return {"Mycket snabb", "Very fast"};
        case GuiTextId::SpeedSetByEnvironment:
            return {"FIVRA_SPEED bestämmer farten just nu.",
                    "FIVRA_SPEED sets the speed of this run."};
        case GuiTextId::Language:
            return {"Språk", "Language"};
        case GuiTextId::LanguageAtNextStart:
            return {"Språket byts när spelet startar nästa gång.",
                    "The language changes when the game starts next time."};
        case GuiTextId::FourColourDeck:
            return {"Fyrfärgad kortlek (klöver gröna, ruter blå)",
                    "Four-colour deck (clubs green, diamonds blue)"};
        case GuiTextId::CardBackCaption:
            return {"Kortens baksida", "Card back"};
        case GuiTextId::BackLattice:
            return {"Blått galler", "Blue lattice"};
        case GuiTextId::BackDiamonds:
            return {"Röda rutor", "Red diamonds"};
        case GuiTextId::BackRings:
            return {"Gröna ringar", "Green rings"};
        case GuiTextId::HintsAtStart:
            return {"Tips påslagna när spelet startar", "Hints switched on when the game starts"};
        case GuiTextId::Opponents:
            return {"Motståndare", "Opponents"};
        case GuiTextId::Partner:
            return {"Partner", "Partner"};
        case GuiTextId::LevelBeginner:
            return {"Nybörjare", "Beginner"};
        case GuiTextId::LevelNormal:
            return {"Normal", "Normal"};
        case GuiTextId::LevelExpert:
            return {"Expert", "Expert"};
        case GuiTextId::LevelsAtNextRound:
            return {"Nivåerna gäller från nästa giv.", "The levels apply from the next round."};
        case GuiTextId::HintsFrom:
            return {"Tips från", "Hints from"};
        case GuiTextId::HintsFromRuleFiles:
            return {"regelfilerna", "rule files"};
        case GuiTextId::HintsFromExpert:
            return {"experten", "expert"};
        case GuiTextId::RoundReview:
            return {"Genomgång av given", "Round review"};
        case GuiTextId::ReviewWorking:
            return {"Experten går igenom given …", "The expert goes through the round …"};
        case GuiTextId::ReviewTrick:
            return {"Stick", "Trick"};
        case GuiTextId::ReviewLed:
            return {"Spelade ut", "Led"};
        case GuiTextId::ReviewCards:
            return {"Korten (SYD, VAST, NORD, OST)", "Cards (SYD, VAST, NORD, OST)"};
        case GuiTextId::ReviewTook:
            return {"Tog sticket", "Took it"};
        case GuiTextId::ReviewYourChoice:
            return {"Ditt val", "Your choice"};
        case GuiTextId::ReviewExpertChoice:
            return {"Expertens val", "Expert's choice"};
        case GuiTextId::ReviewCost:
            return {"Kostade", "Cost"};
        case GuiTextId::ReviewBid:
            return {"Bud", "Bid"};
        case GuiTextId::ReviewTrump:
            return {"Trumf", "Trump"};
        case GuiTextId::ReviewNothing:
            return {"Ingen giv att gå igenom ännu.", "No round to review yet."};
        case GuiTextId::ReviewTotals:
            return {"Bortgivna poäng: du %1, partnern %2, motståndarna %3",
                    "Points given away: you %1, your partner %2, the opponents %3"};
        case GuiTextId::AlreadyRunning:
            return {
                "Fivrastar är redan igång. Bara en kopia av spelet kan vara igång åt gången, "
                "annars skulle de skriva över varandras statistik.",
                "Fivrastar is already running. Only one copy of the game can run at a time; "
                "two would write over each other's statistics."};
        case GuiTextId::AlreadyRunningShown:
            return {"Fivrastar är redan igång; dess fönster visas nu.",
                    "Fivrastar is already running; its window is shown now."};
        case GuiTextId::MenuGame:
            return {"&Spel", "&Game"};
        case GuiTextId::MenuNewGame:
            return {"&Nytt spel", "&New Game"};
        case GuiTextId::MenuReplay:
            return {"Spela om senaste &rundan", "&Replay Last Round"};
        case GuiTextId::MenuRoundReview:
            return {"Rund&genomgång", "Round Re&view"};
        case GuiTextId::MenuStatistics:
            return {"S&tatistik", "S&tatistics"};
        case GuiTextId::MenuWatch:
            return {"Se &datorn spela", "&Watch the Computer Play"};
        case GuiTextId::MenuQuit:
            return {"&Avsluta", "&Quit"};
        case GuiTextId::MenuView:
            return {"&Visa", "&View"};
        case GuiTextId::MenuTrace:
            return {"&Spårlista", "&Trace List"};
        case GuiTextId::MenuFullScreen:
            return {"&Helskärm", "&Full Screen"};
        case GuiTextId::MenuSettings:
            return {"&Inställningar", "&Settings"};
        case GuiTextId::MenuPreferences:
            return {"&Inställningar…", "&Preferences…"};
        case GuiTextId::MenuHelp:
            return {"&Hjälp", "&Help"};
        case GuiTextId::MenuRules:
            return {"&Regler", "&Rules"};
        case GuiTextId::MenuAbout:
            return {"&Om Fivrastar", "&About Fivrastar"};
        case GuiTextId::Watching:
            return {"Datorn spelar din plats. Tryck på en tangent eller klicka för att ta över.",
                    "The computer plays your seat. Press a key or click to take over."};
        case GuiTextId::StatisticsTitle:
            return {"Statistik", "Statistics"};
        case GuiTextId::GamesPlayed:
            return {"Spelade spel", "Games played"};
        case GuiTextId::GamesWon:
            return {"Vunna spel", "Games won"};
        case GuiTextId::GamesLost:
            return {"Förlorade spel", "Games lost"};
        case GuiTextId::Rounds:
            return {"Rundor", "Rounds"};
        case GuiTextId::BidsMade:
            return {"Bud som vi klarade", "Bids we made"};
        case GuiTextId::BidsFailed:
            return {"Bud som vi gick bet på", "Bids we went down in"};
        case GuiTextId::AveragePoints:
            return {"Poäng per runda i snitt", "Average points a round"};
        case GuiTextId::LongestStreak:
            return {"Flest vunna spel i rad (Vi)", "Longest winning streak (We)"};
        case GuiTextId::LastGames:
            return {"Slutställning i de senaste spelen", "Final scores of the last games"};
        case GuiTextId::NoGamesYet:
            return {"Inga avslutade spel än.", "No finished games yet."};
        case GuiTextId::GameNumber:
            return {"Spel", "Game"};
        case GuiTextId::FinalScore:
            return {"Poäng", "Points"};
    }
    return {"", ""};
}

}  // namespace

QString GuiText(GuiTextId id) {
    const Pair pair = TextsOf(id);
    return QString::fromUtf8(presentation::ProgramLanguage() == presentation::Language::Svenska
                                 ? pair.svenska
                                 : pair.english);
}

QString CoreText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

}  // namespace gui
