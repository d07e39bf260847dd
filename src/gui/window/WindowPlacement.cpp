#include "gui/window/WindowPlacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/scene/TableLayout.h"

namespace gui {

namespace {

constexpr const char* kScope = "user";
constexpr const char* kSection = "Window";
constexpr const char* kGeometryKey = "Geometry";
// Share of the room left for the table that a new window takes.
constexpr double kShareOfScreen = 0.96;
// Room for the frame and title bar a window manager adds, while they are not known yet.
constexpr QMargins kFrameAllowance(4, 30, 4, 4);

QScreen* ScreenOf(const QWidget& window) {
    QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// The area of the screen the window's inside may take: the free area (without panels and
// task bars) less the window's frame.
QRect RoomFor(const QWidget& window, const QScreen& screen) {
    const QRect inside = window.geometry();
    const QRect frame = window.frameGeometry();
    QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                     frame.right() - inside.right(), frame.bottom() - inside.bottom());
    if (margins.isNull()) {
        margins = kFrameAllowance;
    }
    return screen.availableGeometry().marginsRemoved(margins);
}

// Keeps a restored window within the screen it landed on: smaller if it is too large, moved
// where it reaches beyond the screen's edge.
void KeepOnScreen(QWidget& window, const QRect& room) {
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(FittingSize(room.size()));
    }
    const QRect inside = window.geometry();
    const int x = std::clamp(inside.x(), room.left(),
                             std::max(room.left(), room.right() - inside.width() + 1));
    const int y = std::clamp(inside.y(), room.top(),
                             std::max(room.top(), room.bottom() - inside.height() + 1));
    if (x != inside.x() || y != inside.y()) {
        window.move(window.pos() + QPoint(x - inside.x(), y - inside.y()));
    }
}

}  // namespace

QSize FittingSize(const QSize& room) {
    const QSizeF table = layout::kScene.size();
    const double scale = std::min({1.0, room.width() * kShareOfScreen / table.width(),
                                   room.height() * kShareOfScreen / table.height()});
    return QSize(std::max(1, static_cast<int>(std::floor(table.width() * scale))),
                 std::max(1, static_cast<int>(std::floor(table.height() * scale))));
}

void RestorePlacement(QWidget& window, common::SettingsStore& settings) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect room = RoomFor(window, *screen);
    const QSize fitting = FittingSize(room.size());
    window.setMinimumSize(window.minimumSize().boundedTo(fitting));
    const std::string stored = settings.RegReadSetting(kScope, kSection, kGeometryKey, "");
    const QByteArray geometry = QByteArray::fromBase64(QByteArray::fromStdString(stored));
    if (!geometry.isEmpty() && window.restoreGeometry(geometry)) {
        KeepOnScreen(window, RoomFor(window, *ScreenOf(window)));
        return;
    }
    window.resize(fitting);
    QRect placed(QPoint(), fitting);
    placed.moveCenter(room.center());
    window.move(window.pos() + (placed.topLeft() - window.geometry().topLeft()));
}

void SavePlacement(const QWidget& window, common::SettingsStore& settings) {
    settings.RegWriteSetting(kScope, kSection, kGeometryKey,
                             window.saveGeometry().toBase64().toStdString());
}

}  // namespace gui
