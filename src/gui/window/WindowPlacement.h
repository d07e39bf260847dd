#pragma once

#include <QSize>

#include "common/SettingsStore.h"

class QWidget;

namespace gui {

// The size of a window's inside that shows the whole table, keeping its aspect ratio, within
// the room a screen leaves for it (in the screen's logical pixels, which a scale factor makes
// smaller): at most the table's own size.
QSize FittingSize(const QSize& room);

// Places the window before it is shown: where it was when the game last closed (size,
// position and whether it was maximised), shrunk to the screen if that has become smaller;
// otherwise centred on the screen it opens on at a fitting size.
void RestorePlacement(QWidget& window, common::SettingsStore& settings);

// Keeps the window's place in the user's settings file for the next start.
void SavePlacement(const QWidget& window, common::SettingsStore& settings);

}  // namespace gui
