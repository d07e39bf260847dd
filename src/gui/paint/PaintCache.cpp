#include "gui/paint/PaintCache.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <cmath>

namespace gui {

namespace {

// A whole deck at twice the table's size fits several times over.
constexpr int kCacheKilobytes = 64 * 1024;

void EnsureCacheLimit() {
    static const bool set = [] {
        QPixmapCache::setCacheLimit(kCacheKilobytes);
        return true;
    }();
    (void)set;
}

}  // namespace

void DrawCached(QPainter& painter, const QRectF& rect, const QString& key,
                const std::function<void(QPainter&, const QRectF&)>& draw) {
    const QTransform& world = painter.worldTransform();
    if (world.type() > QTransform::TxScale || rect.isEmpty()) {
        draw(painter, rect);
        return;
    }
    EnsureCacheLimit();
    const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const int width =
        std::max(1, static_cast<int>(std::lround(rect.width() * std::abs(world.m11()) * ratio)));
    const int height =
        std::max(1, static_cast<int>(std::lround(rect.height() * std::abs(world.m22()) * ratio)));
    const QString full_key = QStringLiteral("%1@%2x%3").arg(key).arg(width).arg(height);
    QPixmap picture;
    if (!QPixmapCache::find(full_key, &picture)) {
        picture = QPixmap(width, height);
        picture.fill(Qt::transparent);
        QPainter inside(&picture);
        inside.setRenderHints(painter.renderHints());
        inside.scale(width / rect.width(), height / rect.height());
        inside.translate(-rect.topLeft());
        draw(inside, rect);
        inside.end();
        QPixmapCache::insert(full_key, picture);
    }
    painter.drawPixmap(rect, picture, QRectF(picture.rect()));
}

void ClearPaintCache() {
    QPixmapCache::clear();
}

}  // namespace gui
