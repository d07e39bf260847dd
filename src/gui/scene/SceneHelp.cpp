#include "gui/base/QtOwned.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TableScene.h"
#include "presentation/Localisation.h"

// What the table tells a new player beyond the game's own controls: the help button, the
// tooltips and accessible names of the controls, and the marks on the cards.
namespace gui {

namespace {

constexpr const char* kAccessibleName = "accessibleName";

void Describe(QGraphicsItem& item, const QString& name) {
    const presentation::ControlHelp help =
        presentation::HelpForControl(name.toStdString(), presentation::ProgramLanguage());
    if (!help.tooltip.empty()) {
        item.setToolTip(QString::fromStdString(help.tooltip));
    }
    QString accessible = QString::fromStdString(help.name);
    if (auto* button = dynamic_cast<ButtonItem*>(&item); button && !button->Caption().isEmpty()) {
        // A bid button says which bid it is: "Bud 8", "Pass".
        accessible = name == QLatin1String("PBBid0") ? button->Caption()
                                                     : accessible + ' ' + button->Caption();
    }
    if (accessible.isEmpty()) {
        accessible = item.toolTip();
    }
    if (auto* object = item.toGraphicsObject(); object && !accessible.isEmpty()) {
        object->setProperty(kAccessibleName, accessible);
    }
}

}  // namespace

void TableScene::BuildHelpButton() {
    auto* help = MakeChild<ButtonItem>(QStringLiteral("BtnHelp"), layout::IconButton(1, 4),
                                       QStringLiteral("btn_help"), QString());
    addItem(help);  // the scene owns its items
    help->on_release = [this] {
        if (open_help) {
            open_help();
        }
    };
}

void TableScene::DescribeControls() {
    for (QGraphicsItem* item : items()) {
        const QString name = item->data(0).toString();
        if (!name.isEmpty() && name != QLatin1String("Main")) {
            Describe(*item, name);
        }
    }
}

void TableScene::SyncHelp() {
    // The lightbulb tells whether hints are on, and how to switch them.
    const bool lit = table_.Ctl().ImgSuggestDn.Visible;
    const QString name = lit ? QStringLiteral("ImgSuggestDn") : QStringLiteral("ImgSuggestUp");
    if (suggest_->property("shownAs").toString() != name) {
        suggest_->setProperty("shownAs", name);
        Describe(*suggest_, name);
    }
}

void TableScene::MarkCards() {
    const table::Controls& ctl = table_.Ctl();
    // During play the human's cards of other colours than trump cannot be played.
    static_cast<HandItem*>(Item(QStringLiteral("Hand0")))->mark_of =
        [&ctl](const cards::Kort& card) {
            const bool dead = ctl.Trick.playing && !card.IsOfColour(ctl.Trick.trump);
            return dead ? CardMark::Unplayable : CardMark::None;
        };
    // Every seat's played cards stay in its column; the trick on show stands out from the
    // earlier ones, and the card that took it wears the winner's frame.
    for (int seat = 0; seat < common::kSeats; ++seat) {
        static_cast<HandItem*>(Item(QStringLiteral("Bord%1").arg(seat)))->mark_of =
            [&ctl, seat](const cards::Kort& card) {
                if (!ctl.Trick.playing) {
                    return CardMark::None;
                }
                if (ctl.Trick.card[seat] != card.Nr) {
                    return CardMark::EarlierTrick;
                }
                return ctl.Trick.winner == seat ? CardMark::TrickWinner : CardMark::None;
            };
    }
}

}  // namespace gui
