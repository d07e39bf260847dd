#pragma once

#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <array>

#include "table/Controls.h"

// Where each control stands on the table, in logical pixels (a twip is 1/15 of one). The
// playing area is 780 pixels wide, so that the forced-bid markers' places fall inside it; a
// side panel to its right holds the scoreboard, the statistics and the buttons.
namespace gui::layout {

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr QRectF kScene(0, 0, 1040, 720);
inline constexpr QRectF kPlayingArea(0, 0, 780, 720);
inline constexpr QRectF kSidePanel(780, 0, 260, 720);

// Seat hands and table spots, by seat (SYD, VAST, NORD, OST).
inline constexpr std::array<QPointF, 4> kHand = {QPointF(210, 590), QPointF(12, 180),
                                                 QPointF(210, 26), QPointF(690, 180)};
inline constexpr std::array<QPointF, 4> kBord = {QPointF(210, 455), QPointF(100, 180),
                                                 QPointF(210, 152), QPointF(602, 180)};
inline constexpr std::array<QRectF, 4> kLabel = {QRectF(210, 565, 200, 22),
                                                 QRectF(48, 155, 150, 22), QRectF(210, 2, 200, 22),
                                                 QRectF(480, 155, 170, 22)};
// A seat's bid stands on the line of the seat's name: after it, or before it for OST, whose
// name is aligned to the right. `name_text` is where the name is drawn.
inline QRectF BidBesideName(const QRectF& name_text, const QRectF& name_rect, bool before) {
    constexpr double kGap = 10;
    constexpr double kWidth = 90;
    const QRectF text = name_text.isEmpty() ? QRectF(name_rect.topLeft(), QSizeF()) : name_text;
    const double left = before ? text.left() - kGap - kWidth : text.right() + kGap;
    return QRectF(left, name_rect.top(), kWidth, name_rect.height());
}

inline constexpr QPointF kKilledPile(240, 318);
inline constexpr QRectF kLblNotInPlay(236, 294, 250, 20);  // over the pile, from its left
inline constexpr QRectF kLblKilledCards(378, 318, 220, 80);
// The round's running points, just under NORD's table spot even when the score count raises
// one of its cards.
inline constexpr QRectF kLblScore(290, 258, 200, 36);
// The caption of the round's running points, to the right of the count.
inline constexpr QRectF kLblScoreCaption(452, 258, 120, 36);
// The table's message line, under NORD's hand and clear of the dealers' markers at its sides.
inline constexpr QRectF kLblAnnounce(100, 132, 570, 20);
inline constexpr QRectF kLblGameOver(190, 395, 400, 28);
inline constexpr QRectF kLblClickVidare(190, 424, 400, 24);
inline constexpr QRectF kChosenMark(196, 252, 34, 34);
inline constexpr QRectF kLblTicker(96, 699, 456, 19);

// The bid panel: up to two rows of five buttons on a background that holds just the buttons
// shown (a dealer sees only the pass and the bids up to one above the highest).
inline constexpr QMarginsF kBidBackgroundMargins(15, 10, 15, 10);
inline QRectF BidButton(int index) {
    const int column = index % 5;
    const int row = index / 5;
    return QRectF(229 + column * 66, 310 + row * 36, 58, 30);
}

// The colour buttons in a row.
inline QRectF ColourButton(int colour_index) {
    return QRectF(238 + colour_index * 80, 310, 64, 64);
}

// Side panel.
// The partnership captions are wide enough for the longer English words.
inline constexpr QRectF kLabelVi(792, 8, 40, 22);
inline constexpr QRectF kLblStatisticVi(830, 8, 60, 22);
inline constexpr QRectF kLabelDe(900, 8, 44, 22);
inline constexpr QRectF kLblStatisticDe(942, 8, 56, 22);
inline constexpr QPointF kScoreboard(792, 36);
inline constexpr QRectF kLblReplay(792, 312, 236, 20);
inline constexpr QRectF kLlbDisabled(792, 332, 236, 20);
inline constexpr QRectF kLblSuggest(792, 354, 236, 64);
// Five columns of icon buttons fill the panel's width.
inline QRectF IconButton(int row, int column) {
    return QRectF(792 + column * 48, 424 + row * 58, 44, 44);
}
inline constexpr QRectF kBtnDebugMsg(792, 544, 60, 28);
inline constexpr QRectF kBtnPlaylog(856, 544, 84, 28);
inline constexpr QRectF kBtnLoadlog(944, 544, 84, 28);
inline constexpr QRectF kLblLogFileName(792, 578, 236, 34);
// The trace list reaches into the playing area's free corner below OST, for longer lines.
inline constexpr QRectF kLBTrace(556, 612, 480, 104);

// A forced-bid marker's place on the table.
inline QRectF PakkoRect(const table::TwipsRect& place) {
    return QRectF(place.left / kTwipsPerPixel, place.top / kTwipsPerPixel,
                  place.width / kTwipsPerPixel, place.height / kTwipsPerPixel);
}

}  // namespace gui::layout
