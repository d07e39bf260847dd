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

}  // namespace gui
