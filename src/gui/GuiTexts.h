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
};

// The caption in the language the program was built with.
QString GuiText(GuiTextId id);

}  // namespace gui
