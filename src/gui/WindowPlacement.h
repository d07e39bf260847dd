#pragma once

#include <QSize>

#include "common/SettingsStore.h"

class QWidget;

namespace gui {

// The largest window that shows the whole table, keeping its aspect ratio, within the free
// area of a screen (in the screen's logical pixels, which a scale factor makes smaller): at
// most the table's own size, with room left for the window's frame and title.
QSize FittingSize(const QSize& available);

// Places the window before it is shown: where it was when the game last closed (size,
// position and whether it was maximised), shrunk to the screen if that has become smaller;
// otherwise centred on the screen it opens on at a fitting size.
void RestorePlacement(QWidget& window, common::SettingsStore& settings);

// Keeps the window's place in the user's settings file for the next start.
void SavePlacement(const QWidget& window, common::SettingsStore& settings);

}  // namespace gui
