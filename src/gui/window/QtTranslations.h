#pragma once

#include "presentation/Localisation.h"

namespace gui {

// Qt's own texts (the buttons of message boxes, input boxes and the file chooser) in the
// game's language: loads Qt's translations for Swedish. English needs none. False when the
// translations are not installed; Qt then speaks English.
bool InstallQtTranslations(presentation::Language language);

}  // namespace gui
