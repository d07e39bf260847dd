#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace gui {

// Our SVG pictures, compiled into the program; each is loaded once and drawn scaled.
// `name` is the file name without ".svg", e.g. "pakko" or "suit_hjarter".
bool PictureExists(const QString& name);
void DrawPicture(QPainter& painter, const QString& name, const QRectF& rect);

// The picture of a suit by colour index 0..3, in the inks of the four-colour deck when asked,
// and of a seat by seat number 0..3.
QString SuitPicture(int colour_index, bool four_colours = false);
QString SeatPicture(int seat);

}  // namespace gui
