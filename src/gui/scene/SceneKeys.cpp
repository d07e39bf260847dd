#include <QKeyEvent>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/FocusRing.h"
#include "gui/scene/TableKeys.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TableScene.h"

// The table from the keyboard: the window's keys, the mark that Tab moves over the buttons,
// the game's own keys, and the line that says the computer has the seat.
namespace gui {

namespace {

// Where the line stands: at the foot of the table, clear of the cards (the news ticker runs
// there only after a won game, and a key or click ends the watching anyway).
constexpr QRectF kWatching(96, 698, 570, 20);

}  // namespace

void TableScene::keyPressEvent(QKeyEvent* event) {
    // F1 and Ctrl+Q are the window's shortcuts too; here they also work while the table has
    // the keyboard and no shortcut took them.
    const std::function<void()>* window_key =
        event->key() == Qt::Key_F1                                                  ? &open_help
        : (event->key() == Qt::Key_Q && (event->modifiers() & Qt::ControlModifier)) ? &quit
                                                                                    : nullptr;
    if (window_key != nullptr) {
        event->accept();
        if (*window_key) {
            (*window_key)();
        }
        return;
    }
    if (FocusKey(*event)) {
        event->accept();
        return;
    }
    bool handled = false;
    Input([this, event, &handled] {
        handled = HandleTableKey(*event, table_, table_.TextLanguage());
    });
    if (handled) {
        event->accept();
    } else {
        QGraphicsScene::keyPressEvent(event);
    }
}

void TableScene::BuildFocusRing() {
    focus_ = MakeChild<FocusRing>();
    addItem(focus_);  // the scene owns its items
    // Reading order: the panels in the middle of the table, then the side panel's buttons row
    // by row.
    for (ButtonItem* button : bid_buttons_) {
        focus_->Add(*button);
    }
    for (ButtonItem* button : colour_buttons_) {
        focus_->Add(*button);
    }
    for (const char* name :
         {"ImgSuggestUp", "ImgContUp", "ImgReplayUp", "ImgReloadUp", "ImgTraceUp", "ImgAboutUp",
          "ImgExitUp", "ImgSettings", "BtnHelp", "BtnDebugMsg", "BtnPlaylog", "BtnLoadlog"}) {
        focus_->Add(*static_cast<ButtonItem*>(Item(QString::fromLatin1(name))));
    }
    LabelItem::Style style;
    style.pixel_size = 12;
    style.bold = true;
    style.chip = true;
    style.align = Qt::AlignCenter;
    watching_ = MakeChild<LabelItem>(QStringLiteral("LblWatching"), kWatching, style);
    addItem(watching_);
    watching_->SetText(GuiText(GuiTextId::Watching), QColor(255, 214, 64));
    watching_->setVisible(false);
}

bool TableScene::focusNextPrevChild(bool next) {
    focus_->Move(next);
    return true;
}

bool TableScene::FocusKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (press && focus_->Current() != nullptr) {
        focus_->PressCurrent();
        return true;
    }
    if (key == Qt::Key_Escape && focus_->Current() != nullptr) {
        focus_->Clear();
        return true;
    }
    // Any other key takes the keyboard back to the cards and the bids.
    focus_->Clear();
    return false;
}

void TableScene::ShowWatching(bool watching) {
    watching_->setVisible(watching);
}

}  // namespace gui
