#include "gui/paint/Pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <memory>

#include "gui/paint/PaintCache.h"

namespace gui {

namespace {

QSvgRenderer* Renderer(const QString& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        auto renderer =
            std::make_shared<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(name));
        it = cache.insert(name, renderer);
    }
    return it.value()->isValid() ? it.value().get() : nullptr;
}

}  // namespace

bool PictureExists(const QString& name) {
    return Renderer(name) != nullptr;
}

void DrawPicture(QPainter& painter, const QString& name, const QRectF& rect) {
    QSvgRenderer* renderer = Renderer(name);
    if (renderer == nullptr) {
        return;
    }
    DrawCached(
        painter, rect, QStringLiteral("picture:") + name,
        [renderer](QPainter& target, const QRectF& area) { renderer->render(&target, area); });
}

QString SuitPicture(int colour_index, bool four_colours) {
    static constexpr std::array<const char*, 4> kNames = {"suit_klover", "suit_ruter",
                                                          "suit_hjarter", "suit_spader"};
    static constexpr std::array<const char*, 4> kFourColourNames = {
        "suit_klover_green", "suit_ruter_blue", "suit_hjarter", "suit_spader"};
    if (colour_index < 0 || colour_index >= 4) {
        return QString();
    }
    return QString::fromLatin1(four_colours ? kFourColourNames[colour_index]
                                            : kNames[colour_index]);
}

QString SeatPicture(int seat) {
    static constexpr std::array<const char*, 4> kNames = {"seat_syd", "seat_vast", "seat_nord",
                                                          "seat_ost"};
    return seat >= 0 && seat < 4 ? QString::fromLatin1(kNames[seat]) : QString();
}

}  // namespace gui
