#include "gui/coach/ReviewWindow.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <future>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "gui/dialogs/QtDialogs.h"

namespace gui {

namespace {

constexpr int kProgressAfterMs = 500;
constexpr int kPollMs = 40;

enum Column { kTrick, kLed, kCards, kTook, kYours, kExperts, kCost, kColumns };

QString Seat(int seat) {
    return QString::fromStdString(
        presentation::SeatDisplayName(seat, presentation::ProgramLanguage()));
}

QString Points(double points) {
    return QString::fromStdString(coach::PointsText(points, presentation::ProgramLanguage()));
}

void SetRow(QTableWidget& table, int row, const std::array<QString, kColumns>& cells) {
    for (int column = 0; column < kColumns; ++column) {
        auto* item = MakeChild<QTableWidgetItem>(cells[static_cast<std::size_t>(column)]);
        item->setFlags(Qt::ItemIsEnabled);
        table.setItem(row, column, item);  // the table owns its items
    }
}

// The player's own decision of a kind (and trick), if the round holds one.
const coach::ReviewLine* PlayerLine(const coach::RoundReview& review, state::Decision kind,
                                    int trick) {
    for (const coach::ReviewLine& line : review.lines) {
        if (line.seat == common::kSyd && line.kind == kind && line.trick == trick) {
            return &line;
        }
    }
    return nullptr;
}

void AddDecisionRow(QTableWidget& table, const coach::ReviewLine& line, GuiTextId caption) {
    const int row = table.rowCount();
    table.insertRow(row);
    SetRow(table, row,
           {GuiText(caption), QString(), QString(), QString(), QString::fromStdString(line.made),
            QString::fromStdString(line.expert), Points(line.cost)});
}

void AddTrickRow(QTableWidget& table, const coach::RoundReview& review,
                 const coach::ReviewTrick& trick) {
    QStringList cards;
    for (const std::string& card : trick.cards) {
        cards << (card.empty() ? QStringLiteral("–") : QString::fromStdString(card));
    }
    const coach::ReviewLine* own = PlayerLine(review, state::Decision::Card, trick.number);
    const int row = table.rowCount();
    table.insertRow(row);
    SetRow(table, row,
           {QString::number(trick.number), Seat(trick.leader), cards.join(QStringLiteral("  ")),
            Seat(trick.winner), own ? QString::fromStdString(own->made) : QString(),
            own ? QString::fromStdString(own->expert) : QString(),
            own ? Points(own->cost) : QString()});
}

}  // namespace

ReviewWindow::ReviewWindow(const coach::RoundReview& review, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRoundReview"));
    setWindowTitle(GuiText(GuiTextId::RoundReview));
    auto* layout = MakeChild<QVBoxLayout>(this);
    auto* table = MakeChild<QTableWidget>(0, kColumns, this);
    table->setObjectName(QStringLiteral("ReviewTable"));
    table->setHorizontalHeaderLabels(
        {GuiText(GuiTextId::ReviewTrick), GuiText(GuiTextId::ReviewLed),
         GuiText(GuiTextId::ReviewCards), GuiText(GuiTextId::ReviewTook),
         GuiText(GuiTextId::ReviewYourChoice), GuiText(GuiTextId::ReviewExpertChoice),
         GuiText(GuiTextId::ReviewCost)});
    table->verticalHeader()->hide();
    if (const auto* bid = PlayerLine(review, state::Decision::Bid, 0)) {
        AddDecisionRow(*table, *bid, GuiTextId::ReviewBid);
    }
    if (const auto* trump = PlayerLine(review, state::Decision::Trump, 0)) {
        AddDecisionRow(*table, *trump, GuiTextId::ReviewTrump);
    }
    for (const coach::ReviewTrick& trick : review.tricks) {
        AddTrickRow(*table, review, trick);
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    const auto& given = review.given_away;
    auto* totals = MakeChild<QLabel>(GuiText(GuiTextId::ReviewTotals)
                                         .arg(Points(given[common::kSyd]))
                                         .arg(Points(given[common::kNord]))
                                         .arg(Points(given[common::kVast] + given[common::kOst])),
                                     this);
    totals->setObjectName(QStringLiteral("ReviewTotals"));
    layout->addWidget(totals);
    auto* buttons = MakeChild<QDialogButtonBox>(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 380);
}

std::optional<coach::RoundReview> ComputeReview(const std::vector<coach::TakenDecision>& decisions,
                                                const search::ExpertOptions& options,
                                                QtDialogs* modal,
                                                const std::function<void(bool)>& hold_input,
                                                QWidget* parent) {
    // The table waits meanwhile, as behind a dialog.
    std::optional<QtDialogs::ModalScope> clock_held;
    if (modal != nullptr) {
        clock_held.emplace(*modal);
    }
    hold_input(true);
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    std::future<coach::RoundReview> work =
        std::async(std::launch::async, [decisions, options, &done, &stop] {
            search::ExpertPlayer expert(options);
            return coach::ReviewRound(
                decisions, coach::JudgementOf(expert), [&done](int n, int) { done = n; }, &stop,
                &expert);
        });
    QProgressDialog progress(GuiText(GuiTextId::ReviewWorking), QString(), 0,
                             static_cast<int>(decisions.size()), parent);
    progress.setObjectName(QStringLiteral("ReviewProgress"));
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setCancelButtonText(GuiText(GuiTextId::Close));
    QEventLoop waiting;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &waiting, [&] {
        if (progress.wasCanceled()) {
            stop = true;
        }
        progress.setValue(done.load());
        if (work.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            waiting.quit();
        }
    });
    poll.start(kPollMs);
    waiting.exec();
    stop = true;  // the application quit, or the player closed the bar
    coach::RoundReview review = work.get();
    hold_input(false);
    if (!review.complete) {
        return std::nullopt;
    }
    return review;
}

}  // namespace gui
