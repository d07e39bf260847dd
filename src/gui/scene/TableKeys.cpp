#include "gui/scene/TableKeys.h"

#include <QKeyEvent>

#include "table/Table.h"

namespace gui {

namespace {

// K(löver), R(uter), H(järter), S(pader): the colour index of a trump key, -1 for others.
int ColourOfKey(int key) {
    switch (key) {
        case Qt::Key_K:
            return 0;
        case Qt::Key_R:
            return 1;
        case Qt::Key_H:
            return 2;
        case Qt::Key_S:
            return 3;
        default:
            return -1;
    }
}

// The bid a digit key chooses: 6 to 9, and 0 for 10; 0 for any other key.
int BidOfKey(int key) {
    if (key >= Qt::Key_6 && key <= Qt::Key_9) {
        return key - Qt::Key_0;
    }
    return key == Qt::Key_0 ? 10 : 0;
}

}  // namespace

bool HandleTableKey(const QKeyEvent& event, table::Table& table) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const int key = event.key();
    const bool bidding = table.Ctl().PBButtonsBackground.Visible;
    switch (key) {
        case Qt::Key_F2:
            table.Ctl().LBTraceBox.Visible ? table.ImgTraceDn_Click() : table.ImgTraceUp_Click();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const int step = key == Qt::Key_Left ? -1 : 1;
            bidding ? table.KeyStepBid(step) : table.KeyChooseCard(step);
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down:
            table.KeyStepBid(key == Qt::Key_Up ? -5 : 5);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            table.KeyEnter();
            return true;
        case Qt::Key_P:
            table.KeyPass();
            return true;
        default:
            break;
    }
    if (const int bid = BidOfKey(key); bid > 0) {
        table.KeyChooseBid(bid);
        return true;
    }
    if (const int colour = ColourOfKey(key); colour >= 0) {
        table.KeyColour(colour);
        return true;
    }
    return false;
}

}  // namespace gui
