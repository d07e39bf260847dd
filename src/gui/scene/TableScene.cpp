#include "gui/scene/TableScene.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRadialGradient>
#include <tuple>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "gui/paint/CardPainter.h"
#include "gui/paint/Pictures.h"
#include "gui/scene/ButtonItem.h"
#include "gui/scene/FocusRing.h"
#include "gui/scene/HandItem.h"
#include "gui/scene/ScoreboardItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/scene/TraceItem.h"
#include "presentation/Localisation.h"

namespace gui {

namespace {

// The felt and the side panel; a press on either is a press on the table window itself.
class FeltItem : public ControlItem {
  public:
    FeltItem() : ControlItem(QStringLiteral("Main"), layout::kScene) { setZValue(-10); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        QRadialGradient felt(layout::kPlayingArea.center(), layout::kPlayingArea.width() * 0.7);
        felt.setColorAt(0, QColor(34, 122, 64));
        felt.setColorAt(1, QColor(14, 74, 38));
        painter->fillRect(layout::kPlayingArea, felt);
        painter->fillRect(layout::kSidePanel, QColor(16, 46, 30));
        painter->setPen(QPen(QColor(210, 178, 90, 150), 2));
        painter->drawLine(layout::kSidePanel.topLeft(), layout::kSidePanel.bottomLeft());
    }
};

// The bid panel's background.
class PanelItem : public ControlItem {
  public:
    using ControlItem::ControlItem;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(210, 178, 90), 2));
        painter->setBrush(QColor(8, 40, 22, 200));
        painter->drawRoundedRect(Rect(), 10, 10);
    }
};

}  // namespace

TableScene::TableScene(table::Table& table) : table_(table) {
    setSceneRect(layout::kScene);
    BuildFelt();
    BuildHands();
    BuildSeatLabels();
    BuildCentre();
    BuildBidPanel();
    BuildColourControls();
    BuildSidePanel();
    BuildButtons();
    BuildSettingsButton();
    BuildReviewButton();
    BuildHelpButton();
    BuildFocusRing();
    MarkCards();
    DescribeControls();
    Sync();
}

template <class T, class... Args>
T* TableScene::Add(Args&&... args) {
    T* item = MakeChild<T>(std::forward<Args>(args)...);
    addItem(item);  // the scene owns its items
    return item;
}

ControlItem* TableScene::Item(const QString& name) const {
    for (QGraphicsItem* item : items()) {
        if (item->data(0).toString() == name) {
            return static_cast<ControlItem*>(item);
        }
    }
    return nullptr;
}

void TableScene::Input(const std::function<void()>& operation) {
    if (input_held_) {
        return;
    }
    table_.Guarded(operation);
    Sync();
    if (after_input) {
        after_input();
    }
}

void TableScene::ContinuesGame(ControlItem& item) {
    item.on_press = [this](QPointF) { Input([this] { table_.TableClick(); }); };
}

LabelItem* TableScene::AddLabel(const QString& name, const QRectF& rect,
                                const common::Control& control, int pixel_size, bool bold,
                                Qt::Alignment align, bool chip) {
    LabelItem::Style style;
    style.pixel_size = pixel_size;
    style.bold = bold;
    style.align = align;
    style.chip = chip;
    auto* label = Add<LabelItem>(name, rect, style);
    ContinuesGame(*label);
    labels_.push_back({label, &control, QString()});
    return label;
}

void TableScene::BuildFelt() {
    ContinuesGame(*Add<FeltItem>());
}

void TableScene::BuildHands() {
    const state::RoundState& round = table_.State();
    for (int seat = 0; seat < common::kSeats; ++seat) {
        auto* hand = Add<HandItem>(QStringLiteral("Hand%1").arg(seat), layout::kHand[seat],
                                   round.Hand[seat]);
        hand->on_press = [this, seat](QPointF at) {
            Input([this, seat, at] {
                table_.HandMouseDown(seat, static_cast<int>(at.x()), static_cast<int>(at.y()));
            });
        };
        hands_.push_back(hand);
        auto* spot = Add<HandItem>(QStringLiteral("Bord%1").arg(seat), layout::kBord[seat],
                                   round.Bord[seat]);
        ContinuesGame(*spot);
        hands_.push_back(spot);
    }
    auto* killed =
        Add<HandItem>(QStringLiteral("KortKilled"), layout::kKilledPile, round.KortKilled);
    ContinuesGame(*killed);
    hands_.push_back(killed);
}

void TableScene::BuildSeatLabels() {
    const table::Controls& ctl = table_.Ctl();
    for (int seat = 0; seat < common::kSeats; ++seat) {
        const Qt::Alignment align = seat == common::kOst ? Qt::AlignRight | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignVCenter;
        seat_names_[seat] = AddLabel(QStringLiteral("Label%1").arg(seat), layout::kLabel[seat],
                                     ctl.Label[seat], 14, true, align, true);
        seat_bids_[seat] = AddLabel(QStringLiteral("LabelBud%1").arg(seat), layout::kLabel[seat],
                                    ctl.LabelBud[seat], 14, true, align, true);
        auto* marker = Add<PictureItem>(QStringLiteral("PakkoImageXP%1").arg(seat), QRectF(),
                                        QStringLiteral("pakko"));
        ContinuesGame(*marker);
        pakko_[seat] = marker;
    }
}

void TableScene::BuildCentre() {
    const table::Controls& ctl = table_.Ctl();
    const Qt::Alignment centre = Qt::AlignCenter;
    AddLabel(QStringLiteral("LblNotInPlay"), layout::kLblNotInPlay, ctl.LblNotInPlay, 12, true,
             Qt::AlignLeft | Qt::AlignVCenter, true);
    AddLabel(QStringLiteral("LblKilledCards"), layout::kLblKilledCards, ctl.LblKilledCards, 12,
             false, Qt::AlignLeft | Qt::AlignTop, true);
    score_ = AddLabel(QStringLiteral("LblScore"), layout::kLblScore, ctl.LblScore, 26, true, centre,
                      true);
    LabelItem::Style caption_style;
    caption_style.pixel_size = 12;
    caption_style.bold = true;
    score_caption_ =
        Add<LabelItem>(QStringLiteral("LblScoreCaption"), layout::kLblScoreCaption, caption_style);
    score_caption_->SetText(QString::fromStdString(table_.Texts().score_caption),
                            QColor(210, 178, 90));
    ContinuesGame(*score_caption_);
    AddLabel(QStringLiteral("LblAnnounce"), layout::kLblAnnounce, ctl.LblAnnounce, 12, true, centre,
             true);
    AddLabel(QStringLiteral("LblGameOver"), layout::kLblGameOver, ctl.LblGameOver, 20, true, centre,
             true);
    labels_.back().fallback = GuiText(GuiTextId::GameOver);
    AddLabel(QStringLiteral("LblClickVidare"), layout::kLblClickVidare, ctl.LblClickVidare, 14,
             true, centre, true);
    LabelItem::Style ticker_style;
    ticker_style.pixel_size = 11;
    ticker_style.monospace = true;
    ticker_style.background = QStringLiteral("ticker");
    ticker_style.wrap = false;
    auto* ticker = Add<LabelItem>(QStringLiteral("LblTicker"), layout::kLblTicker, ticker_style);
    ContinuesGame(*ticker);
    labels_.push_back({ticker, &ctl.LblTicker, QString()});
}

void TableScene::BuildBidPanel() {
    bid_background_ = Add<PanelItem>(
        QStringLiteral("PBButtonsBackground"),
        (layout::BidButton(0) | layout::BidButton(9)).marginsAdded(layout::kBidBackgroundMargins));
    ContinuesGame(*bid_background_);
    for (int i = 0; i < 10; ++i) {
        const QString caption = i == 0 ? QStringLiteral("Pass") : QString::number(i + 5);
        auto* button = Add<ButtonItem>(QStringLiteral("PBBid%1").arg(i), layout::BidButton(i),
                                       QString(), caption);
        button->setData(1, QStringLiteral("PBBidDN%1").arg(i));
        button->on_press = [this, i](QPointF) { Input([this, i] { table_.PBBid_MouseDown(i); }); };
        button->on_release = [this, i] { Input([this, i] { table_.PBBid_MouseUp(i); }); };
        bid_buttons_[i] = button;
    }
}

void TableScene::BuildColourControls() {
    for (int c = 0; c < 4; ++c) {
        auto* button =
            Add<ButtonItem>(QString::fromLatin1(table::kFargUpNames[c]), layout::ColourButton(c),
                            SuitPicture(c), QString(), ButtonItem::Shape::Round);
        button->setData(1, QString::fromLatin1(table::kFargDnNames[c]));
        button->on_press = [this, c](QPointF) {
            Input([this, c] { table_.ImgFargUp_MouseDown(c); });
        };
        button->on_release = [this, c] { Input([this, c] { table_.ImgFargUp_MouseUp(c); }); };
        colour_buttons_[c] = button;
        auto* mark = Add<PictureItem>(QString::fromLatin1(table::kFargChosenNames[c]),
                                      layout::kChosenMark, SuitPicture(c));
        ContinuesGame(*mark);
        chosen_marks_[c] = mark;
    }
}

void TableScene::BuildSidePanel() {
    const table::Controls& ctl = table_.Ctl();
    LabelItem::Style caption_style;
    caption_style.pixel_size = 12;
    caption_style.bold = true;
    const presentation::Texts& texts = table_.Texts();
    for (const auto& [name, rect, text] :
         {std::tuple{"LabelVi", layout::kLabelVi, &texts.team_vi},
          std::tuple{"LabelDe", layout::kLabelDe, &texts.team_de},
          std::tuple{"LblGamesWon", layout::kLblGamesWon, &texts.games_won}}) {
        auto* caption = Add<LabelItem>(QString::fromLatin1(name), rect, caption_style);
        const bool heading = text == &texts.games_won;
        caption->SetText(QString::fromStdString(*text),
                         heading ? QColor(210, 178, 90) : QColor(246, 240, 220));
        ContinuesGame(*caption);
    }
    AddLabel(QStringLiteral("LblStatisticVi"), layout::kLblStatisticVi, ctl.LblStatisticVi, 14,
             true, Qt::AlignLeft | Qt::AlignVCenter, true);
    AddLabel(QStringLiteral("LblStatisticDe"), layout::kLblStatisticDe, ctl.LblStatisticDe, 14,
             true, Qt::AlignLeft | Qt::AlignVCenter, true);
    scoreboard_ = Add<ScoreboardItem>(QStringLiteral("Scoreboard"), layout::kScoreboard,
                                      table_.Scoreboard(), texts);
    ContinuesGame(*scoreboard_);
    AddLabel(QStringLiteral("LblReplay"), layout::kLblReplay, ctl.LblReplay, 13, true,
             Qt::AlignLeft | Qt::AlignVCenter, false);
    AddLabel(QStringLiteral("LlbDisabled"), layout::kLlbDisabled, ctl.LlbDisabled, 12, false,
             Qt::AlignLeft | Qt::AlignVCenter, false);
    auto* suggest = AddLabel(QStringLiteral("LblSuggest"), layout::kLblSuggest, ctl.LblSuggest, 12,
                             false, Qt::AlignLeft | Qt::AlignTop, true);
    suggest->on_press = [this](QPointF) { Input([this] { table_.LblSuggest_Click(); }); };
    AddLabel(QStringLiteral("LblLogFileName"), layout::kLblLogFileName, ctl.LblLogFileName, 10,
             false, Qt::AlignLeft | Qt::AlignTop, false);
    trace_ = Add<TraceItem>(QStringLiteral("LBTrace"), layout::kLBTrace, ctl.LBTrace);
    trace_->setZValue(5);
    trace_->setToolTip(GuiText(GuiTextId::TraceHint));
    ContinuesGame(*trace_);
}

ButtonItem* TableScene::AddIconButton(const char* name, const char* down_name, int row, int column,
                                      const char* picture) {
    auto* button = Add<ButtonItem>(QString::fromLatin1(name), layout::IconButton(row, column),
                                   QString::fromLatin1(picture), QString());
    button->setData(1, QString::fromLatin1(down_name));
    return button;
}

void TableScene::BuildButtons() {
    const table::Controls& ctl = table_.Ctl();
    table::Table& t = table_;
    auto* suggest = AddIconButton("ImgSuggestUp", "ImgSuggestDn", 0, 0, "btn_suggest");
    suggest_ = suggest;
    suggest->on_press = [this, &ctl, &t](QPointF) {
        Input([&ctl, &t] {
            ctl.ImgSuggestUp.Visible ? t.ImgSuggestUp_MouseDown() : t.ImgSuggestDn_MouseDown();
        });
    };
    auto* cont = AddIconButton("ImgContUp", "ImgContDn", 0, 1, "btn_continue");
    cont->on_press = [this, &t](QPointF) { Input([&t] { t.ImgContUp_MouseDown(); }); };
    cont->on_release = [this, &t] { Input([&t] { t.ImgContUp_MouseUp(); }); };
    auto* replay = AddIconButton("ImgReplayUp", "ImgReplayDn", 0, 2, "btn_replay");
    replay->on_press = [this, &t](QPointF) { Input([&t] { t.ImgReplayUp_MouseDown(); }); };
    replay->on_release = [this, &t] { Input([&t] { t.ImgReplayUp_MouseUp(); }); };
    auto* reload = AddIconButton("ImgReloadUp", "ImgReloadDn", 0, 3, "btn_reload");
    reload->on_press = [this, &t](QPointF) { Input([&t] { t.ImgReloadUp_MouseDown(); }); };
    reload->on_release = [this, &t] { Input([&t] { t.ImgReloadUp_MouseUp(); }); };
    auto* trace = AddIconButton("ImgTraceUp", "ImgTraceDn", 1, 0, "btn_trace");
    trace->on_press = [this, &ctl, &t](QPointF) {
        Input([&ctl, &t] { ctl.ImgTraceUp.Visible ? t.ImgTraceUp_Click() : t.ImgTraceDn_Click(); });
    };
    auto* about = AddIconButton("ImgAboutUp", "ImgAboutDn", 1, 1, "btn_about");
    about->on_press = [this, &t](QPointF) { Input([&t] { t.ImgAboutUp_MouseDown(); }); };
    about->on_release = [this, &t] { Input([&t] { t.ImgAboutUp_MouseUp(); }); };
    auto* exit = AddIconButton("ImgExitUp", "ImgExitDn", 1, 2, "btn_exit");
    exit->on_press = [this, &t](QPointF) { Input([&t] { t.ImgExitUp_MouseDown(); }); };
    exit->on_release = [this, &t] {
        bool close = false;
        Input([&t, &close] { close = t.ImgExitUp_MouseUp(); });
        if (close && close_window) {
            close_window();
        }
    };
    for (auto [item, up, down] : {ButtonBinding{suggest, &ctl.ImgSuggestUp, &ctl.ImgSuggestDn},
                                  ButtonBinding{cont, &ctl.ImgContUp, &ctl.ImgContDn},
                                  ButtonBinding{replay, &ctl.ImgReplayUp, &ctl.ImgReplayDn},
                                  ButtonBinding{reload, &ctl.ImgReloadUp, &ctl.ImgReloadDn},
                                  ButtonBinding{trace, &ctl.ImgTraceUp, &ctl.ImgTraceDn},
                                  ButtonBinding{about, &ctl.ImgAboutUp, &ctl.ImgAboutDn},
                                  ButtonBinding{exit, &ctl.ImgExitUp, &ctl.ImgExitDn}}) {
        buttons_.push_back({item, up, down});
    }
    const std::array<std::tuple<const char*, QRectF, GuiTextId, const common::Control*,
                                void (table::Table::*)()>,
                     3>
        text_buttons = {{{"BtnDebugMsg", layout::kBtnDebugMsg, GuiTextId::Debug, &ctl.BtnDebugMsg,
                          &table::Table::BtnDebugMsg_Click},
                         {"BtnPlaylog", layout::kBtnPlaylog, GuiTextId::PlayLog, &ctl.BtnPlaylog,
                          &table::Table::BtnPlaylog_Click},
                         {"BtnLoadlog", layout::kBtnLoadlog, GuiTextId::LoadLog, &ctl.BtnLoadlog,
                          &table::Table::BtnLoadlog_Click}}};
    for (const auto& [name, rect, text, control, click] : text_buttons) {
        auto* button = Add<ButtonItem>(QString::fromLatin1(name), rect, QString(), GuiText(text));
        // A structured binding cannot be captured under C++20 by every compiler; a copy can.
        const auto action = click;
        button->on_release = [this, &t, action] { Input([&t, action] { (t.*action)(); }); };
        buttons_.push_back({button, control, nullptr});
    }
}

// The settings are the front end's own: the button is always there and the table never sees
// its press.
void TableScene::BuildSettingsButton() {
    auto* settings = AddIconButton("ImgSettings", "ImgSettings", 1, 3, "btn_settings");
    settings->on_press = [settings](QPointF) { settings->SetLook(ButtonItem::Look::Down); };
    settings->on_release = [this, settings] {
        settings->SetLook(ButtonItem::Look::Up);
        if (open_settings) {
            open_settings();
        }
    };
}

void TableScene::BuildReviewButton() {
    review_ = AddIconButton("BtnReview", "BtnReview", 0, 4, "btn_review");
    review_->on_press = [this](QPointF) { review_->SetLook(ButtonItem::Look::Down); };
    review_->on_release = [this] {
        review_->SetLook(ButtonItem::Look::Up);
        if (open_review) {
            open_review();
        }
    };
}

}  // namespace gui
