#include "gui/GuiTexts.h"

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
    }
    return {"", ""};
}

}  // namespace

QString GuiText(GuiTextId id) {
    const Pair pair = TextsOf(id);
    return QString::fromUtf8(presentation::BuildLanguage() == presentation::Language::Svenska
                                 ? pair.svenska
                                 : pair.english);
}

}  // namespace gui
