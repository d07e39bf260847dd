#include "gui/WindowPlacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/TableLayout.h"

namespace gui {

namespace {

constexpr const char* kScope = "user";
constexpr const char* kSection = "Window";
constexpr const char* kGeometryKey = "Geometry";
// Share of the free area the window may take, leaving room for its frame and title bar.
constexpr double kShareOfScreen = 0.92;

QScreen* ScreenOf(const QWidget& window) {
    QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Keeps a restored window within the screen it landed on.
void ShrinkToScreen(QWidget& window) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize fitting = FittingSize(free.size());
    window.setMinimumSize(window.minimumSize().boundedTo(fitting));
    if (window.width() > free.width() || window.height() > free.height()) {
        window.resize(fitting);
        QRect placed = window.geometry();
        placed.moveCenter(free.center());
        window.move(placed.topLeft());
    }
}

}  // namespace

QSize FittingSize(const QSize& available) {
    const QSizeF table = layout::kScene.size();
    const double scale = std::min({1.0, available.width() * kShareOfScreen / table.width(),
                                   available.height() * kShareOfScreen / table.height()});
    return QSize(std::max(1, static_cast<int>(std::floor(table.width() * scale))),
                 std::max(1, static_cast<int>(std::floor(table.height() * scale))));
}

void RestorePlacement(QWidget& window, common::SettingsStore& settings) {
    const std::string stored = settings.RegReadSetting(kScope, kSection, kGeometryKey, "");
    const QByteArray geometry = QByteArray::fromBase64(QByteArray::fromStdString(stored));
    if (!geometry.isEmpty() && window.restoreGeometry(geometry)) {
        ShrinkToScreen(window);
        return;
    }
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize size = FittingSize(free.size());
    window.setMinimumSize(window.minimumSize().boundedTo(size));
    window.resize(size);
    QRect placed(QPoint(), size);
    placed.moveCenter(free.center());
    window.move(placed.topLeft());
}

void SavePlacement(const QWidget& window, common::SettingsStore& settings) {
    settings.RegWriteSetting(kScope, kSection, kGeometryKey,
                             window.saveGeometry().toBase64().toStdString());
}

}  // namespace gui
