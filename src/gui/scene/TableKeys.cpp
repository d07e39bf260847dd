#include "gui/scene/TableKeys.h"

#include <QKeyEvent>

#include "table/Table.h"

namespace gui {

namespace {

// The colour index of a trump key, -1 for others: the colours' initials in the table's
// language, K(löver) R(uter) H(järter) S(pader) or C(lubs) D(iamonds) H(earts) S(pades).
int ColourOfKey(int key, presentation::Language language) {
    const bool english = language == presentation::Language::English;
    switch (key) {
        case Qt::Key_K:
            return english ? -1 : 0;
        case Qt::Key_R:
            return english ? -1 : 1;
        case Qt::Key_C:
            return english ? 0 : -1;
        case Qt::Key_D:
            return english ? 1 : -1;
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

bool HandleTableKey(const QKeyEvent& event, table::Table& table, presentation::Language language) {
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
        case Qt::Key_Home:
        case Qt::Key_End:
            table.KeyChooseEndCard(key == Qt::Key_End);
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
    // H names hjärter while trump is asked for, and asks for a hint at every other time.
    const bool naming_trump = table.Ctl().ImgFargUp[0].Visible;
    if (const int colour = ColourOfKey(key, language); colour >= 0 && naming_trump) {
        table.KeyColour(colour);
        return true;
    }
    if (key == Qt::Key_H) {
        table.KeyHint();
        return true;
    }
    return false;
}

}  // namespace gui
