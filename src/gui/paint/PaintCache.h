#pragma once

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace gui {

// Pictures that take real work to draw (card faces, SVG pictures) are drawn once per size on
// the screen and device pixel ratio, then copied. `key` names what is drawn (with every
// option that changes its look); `draw` paints it into the given rectangle. Under a rotating
// or shearing transform the picture is drawn directly.
void DrawCached(QPainter& painter, const QRectF& rect, const QString& key,
                const std::function<void(QPainter&, const QRectF&)>& draw);

// Forgets every cached picture: the window's scale or the deck's look has changed.
void ClearPaintCache();

}  // namespace gui
