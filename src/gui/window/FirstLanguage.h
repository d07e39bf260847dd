#pragma once

#include "presentation/Localisation.h"

namespace gui {

// The first start's question, in both languages at once: Swedish or English. Escape takes
// English, the language of a desktop that is not Swedish.
presentation::Language AskFirstLanguage();

}  // namespace gui
