#include "gui/dialogs/StatisticsDialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <memory>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "presentation/About.h"
#include "presentation/Localisation.h"
#include "persistence/Statistics.h"

namespace gui {

namespace {

QString Average(double value) {
    return QLocale().toString(value, 'f', 1);
}

}  // namespace

StatisticsDialog::StatisticsDialog(Context context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("StatisticsDialog"));
    setWindowTitle(GuiText(GuiTextId::StatisticsTitle));
    auto* layout = MakeChild<QVBoxLayout>(this);
    grid_ = MakeChild<QGridLayout>();
    layout->addLayout(grid_);
    chart_view_ = MakeChild<QChartView>(this);
    chart_view_->setObjectName(QStringLiteral("LastGamesChart"));
    chart_view_->setRenderHint(QPainter::Antialiasing);
    chart_view_->setMinimumSize(420, 220);
    layout->addWidget(chart_view_, 1);
    auto* buttons = MakeChild<QHBoxLayout>();
    layout->addLayout(buttons);
    const presentation::Language language = presentation::ProgramLanguage();
    auto* clear = MakeChild<QPushButton>(
        QString::fromStdString(presentation::ResetStatisticsCaption(language)), this);
    clear->setObjectName(QStringLiteral("ClearStatistics"));
    connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
    buttons->addWidget(clear);
    buttons->addStretch();
    auto* ok = MakeChild<QPushButton>(GuiText(GuiTextId::Close), this);
    ok->setObjectName(QStringLiteral("StatisticsOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    Fill();
}

void StatisticsDialog::AddRow(int row, const QString& caption, const QString& name,
                              const QString& vi, const QString& de) {
    grid_->addWidget(MakeChild<QLabel>(caption, this), row, 0);
    int column = 1;
    for (const auto& [value, side] : {std::pair{vi, "Vi"}, std::pair{de, "De"}}) {
        auto* figure = MakeChild<QLabel>(value, this);
        figure->setObjectName(name + QString::fromLatin1(side));
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->addWidget(figure, row, column++);
    }
}

void StatisticsDialog::Fill() {
    // The labels of the last fill go with their layout items.
    while (std::unique_ptr<QLayoutItem> item{grid_->takeAt(0)}) {
        std::unique_ptr<QWidget> label{item->widget()};
    }
    const persistence::StatisticsSummary s = persistence::ReadStatistics(context_.settings);
    const presentation::Texts texts = presentation::LoadTexts(presentation::ProgramLanguage());
    const auto team_vi = QString::fromStdString(texts.team_vi);
    const auto team_de = QString::fromStdString(texts.team_de);
    using persistence::Team;
    AddRow(0, QString(), QStringLiteral("Team"), team_vi, team_de);
    AddRow(1, GuiText(GuiTextId::GamesWon), QStringLiteral("GamesWon"),
           QString::number(s.Won(Team::Vi)), QString::number(s.Won(Team::De)));
    AddRow(2, GuiText(GuiTextId::GamesLost), QStringLiteral("GamesLost"),
           QString::number(s.Lost(Team::Vi)), QString::number(s.Lost(Team::De)));
    AddRow(3, GuiText(GuiTextId::AveragePoints), QStringLiteral("AveragePoints"),
           Average(s.AveragePoints(Team::Vi)), Average(s.AveragePoints(Team::De)));
    AddRow(4, GuiText(GuiTextId::GamesPlayed), QStringLiteral("GamesPlayed"),
           QString::number(s.GamesPlayed()), QString());
    AddRow(5, GuiText(GuiTextId::Rounds), QStringLiteral("Rounds"), QString::number(s.rounds),
           QString());
    AddRow(6, GuiText(GuiTextId::BidsMade), QStringLiteral("BidsMade"),
           QString::number(s.bids_made), QString());
    AddRow(7, GuiText(GuiTextId::BidsFailed), QStringLiteral("BidsFailed"),
           QString::number(s.bids_failed), QString());
    AddRow(8, GuiText(GuiTextId::LongestStreak), QStringLiteral("LongestStreak"),
           QString::number(s.longest_streak), QString());

    auto* chart = MakeChild<QChart>();
    chart->setTitle(s.last_games.empty() ? GuiText(GuiTextId::NoGamesYet)
                                         : GuiText(GuiTextId::LastGames));
    auto* vi = MakeChild<QBarSet>(team_vi);
    auto* de = MakeChild<QBarSet>(team_de);
    QStringList games;
    int highest = 70;
    for (std::size_t i = 0; i < s.last_games.size(); ++i) {
        *vi << s.last_games[i].first;
        *de << s.last_games[i].second;
        highest = std::max({highest, s.last_games[i].first, s.last_games[i].second});
        games << QString::number(i + 1);
    }
    charted_ = static_cast<int>(s.last_games.size());
    auto* series = MakeChild<QBarSeries>();
    series->append(vi);
    series->append(de);
    chart->addSeries(series);
    auto* x = MakeChild<QBarCategoryAxis>();
    x->append(games);
    x->setTitleText(GuiText(GuiTextId::GameNumber));
    auto* y = MakeChild<QValueAxis>();
    y->setRange(0, highest);
    y->setTitleText(GuiText(GuiTextId::FinalScore));
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The view owns the new chart and hands the old one back.
    const std::unique_ptr<QChart> old{chart_view_->chart()};
    chart_view_->setChart(chart);
}

void StatisticsDialog::Clear() {
    if (persistence::ResetStatistics(context_.settings, context_.dialogs,
                                      presentation::ProgramLanguage(), context_.LblStatisticVi,
                                      context_.LblStatisticDe)) {
        Fill();
    }
}

QString StatisticsDialog::Figure(const QString& name) const {
    const auto* label = findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString();
}

int StatisticsDialog::ChartedGames() const {
    return charted_;
}

}  // namespace gui
