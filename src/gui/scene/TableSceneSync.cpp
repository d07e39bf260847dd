#include "gui/scene/TableScene.h"

#include <QString>

#include "gui/base/GuiTexts.h"
#include "gui/paint/CardPainter.h"
#include "gui/paint/Pictures.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/FocusRing.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/ScoreboardItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TraceItem.h"

// The scene's items follow the table's controls after every event: texts, pictures, the bid
// panel's buttons and the colour controls. The items themselves are built in TableScene.cpp.
namespace gui {

namespace {

// Trailing line ends and blanks are dropped; leading blanks stay, since the news ticker
// scrolls its text in with them.
QString Caption(const std::string& text) {
    QString caption = CoreText(text);
    qsizetype end = caption.size();
    while (end > 0 && caption.at(end - 1).isSpace()) {
        --end;
    }
    caption.truncate(end);
    return caption;
}

}  // namespace

void TableScene::Sync() {
    for (HandItem* hand : hands_) {
        hand->Sync();
    }
    for (const LabelBinding& binding : labels_) {
        const common::Control& control = *binding.control;
        QString text = Caption(control.Caption);
        if (text.isEmpty()) {
            text = binding.fallback;
        }
        binding.item->SetText(text, InkOf(control.ForeColor));
        binding.item->setVisible(control.Visible && !text.isEmpty());
    }
    for (const ButtonBinding& binding : buttons_) {
        const bool down = binding.down != nullptr && binding.down->Visible;
        binding.item->setVisible(binding.up->Visible || down);
        binding.item->SetLook(down ? ButtonItem::Look::Down : ButtonItem::Look::Up);
    }
    const table::Controls& ctl = table_.Ctl();
    review_->setVisible(ctl.ImgReplayUp.Visible || ctl.ImgReplayDn.Visible);
    for (int seat = 0; seat < common::kSeats; ++seat) {
        pakko_[seat]->SetRect(layout::PakkoRect(ctl.PakkoPlace[seat]));
        pakko_[seat]->setVisible(ctl.PakkoImageXP[seat].Visible);
    }
    PlaceBids();
    SyncBidPanel();
    SyncColourControls();
    trace_->setVisible(ctl.LBTraceBox.Visible);
    trace_->Sync();
    scoreboard_->Sync();
    score_caption_->setVisible(score_->isVisible());
    focus_->Sync();
    SyncHelp();
}

void TableScene::PlaceBids() {
    for (int seat = 0; seat < common::kSeats; ++seat) {
        seat_bids_[seat]->SetRect(layout::BidBesideName(
            seat_names_[seat]->TextRect(), seat_names_[seat]->Rect(), seat == common::kOst));
    }
}

void TableScene::SyncBidPanel() {
    const table::Controls& ctl = table_.Ctl();
    QRectF shown;
    for (int i = 0; i < 10; ++i) {
        if (ctl.PBBid[i].Visible) {
            shown |= layout::BidButton(i);
        }
    }
    if (!shown.isEmpty()) {
        bid_background_->SetRect(shown.marginsAdded(layout::kBidBackgroundMargins));
    }
    bid_background_->setVisible(ctl.PBButtonsBackground.Visible);
    for (int i = 0; i < 10; ++i) {
        ButtonItem::Look look = ButtonItem::Look::Up;
        switch (ctl.PBBidLook[i]) {
            case table::BidLook::Inactive:
                look = ButtonItem::Look::Inactive;
                break;
            case table::BidLook::Pressed:
                look = ButtonItem::Look::Down;
                break;
            case table::BidLook::Suggested:
                look = ButtonItem::Look::Suggested;
                break;
            case table::BidLook::Active:
                break;
        }
        if (ctl.PBBidDN[i].Visible) {
            look = ButtonItem::Look::Down;
        }
        bid_buttons_[i]->SetLook(look);
        bid_buttons_[i]->SetChosen(ctl.PBBidChosen == i);
        bid_buttons_[i]->setVisible(ctl.PBBid[i].Visible);
    }
}

void TableScene::SyncColourControls() {
    const table::Controls& ctl = table_.Ctl();
    // The suit pictures wear the deck's inks, so that a green klöver card has a green button.
    const bool four_colours = CardPainter::CurrentDeckLook().four_colours;
    for (int c = 0; c < 4; ++c) {
        colour_buttons_[c]->SetPicture(SuitPicture(c, four_colours));
        chosen_marks_[c]->SetPicture(SuitPicture(c, four_colours));
        colour_buttons_[c]->setVisible(ctl.ImgFargUp[c].Visible);
        colour_buttons_[c]->SetLook(ctl.ImgFargDn[c].Visible ? ButtonItem::Look::Down
                                                             : ButtonItem::Look::Up);
        chosen_marks_[c]->setVisible(ctl.ImgFargChosen[c].Visible);
    }
}

}  // namespace gui
