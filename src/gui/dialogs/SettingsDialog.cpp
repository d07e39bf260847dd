#include "gui/dialogs/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "gui/paint/CardPainter.h"

namespace gui {

namespace {

// The preview of a card back, at half the table's card size.
constexpr QSizeF kPreviewSize(36, 48);

QComboBox* Choices(const char* name, std::initializer_list<GuiTextId> items, int current,
                   QWidget* parent) {
    auto* box = MakeChild<QComboBox>(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const GuiTextId id : items) {
        box->addItem(GuiText(id));
    }
    box->setCurrentIndex(current);
    return box;
}

QComboBox* LevelChoices(const char* name, Level current, QWidget* parent) {
    return Choices(name, {GuiTextId::LevelBeginner, GuiTextId::LevelNormal, GuiTextId::LevelExpert},
                   static_cast<int>(current), parent);
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* note = MakeChild<QLabel>(text, parent);
    note->setWordWrap(true);
    QFont small = note->font();
    small.setItalic(true);
    note->setFont(small);
    return note;
}

}  // namespace

SettingsDialog::SettingsDialog(const Preferences& shown, bool speed_set_by_environment,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(GuiText(GuiTextId::SettingsTitle));
    auto* layout = MakeChild<QVBoxLayout>(this);
    auto* form = MakeChild<QFormLayout>();
    layout->addLayout(form);

    speed_ = MakeChild<QComboBox>(this);
    speed_->setObjectName(QStringLiteral("Speed"));
    for (const GuiTextId id : {GuiTextId::SpeedSlow, GuiTextId::SpeedNormal, GuiTextId::SpeedFast,
                               GuiTextId::SpeedVeryFast}) {
        speed_->addItem(GuiText(id));
    }
    speed_->setCurrentIndex(static_cast<int>(shown.speed));
    form->addRow(GuiText(GuiTextId::Speed), speed_);
    if (speed_set_by_environment) {
        form->addRow(QString(), Note(GuiText(GuiTextId::SpeedSetByEnvironment), this));
    }

    language_ = MakeChild<QComboBox>(this);
    language_->setObjectName(QStringLiteral("Language"));
    language_->addItems({QStringLiteral("Svenska"), QStringLiteral("English")});
    language_->setCurrentIndex(shown.language == presentation::Language::English ? 1 : 0);
    form->addRow(GuiText(GuiTextId::Language), language_);
    form->addRow(QString(), Note(GuiText(GuiTextId::LanguageAtNextStart), this));

    auto* back_row = MakeChild<QHBoxLayout>();
    back_ = MakeChild<QComboBox>(this);
    back_->setObjectName(QStringLiteral("CardBack"));
    for (int b = 0; b < kCardBacks; ++b) {
        back_->addItem(CardBackName(static_cast<CardBack>(b)));
    }
    back_->setCurrentIndex(static_cast<int>(shown.deck.back));
    back_preview_ = MakeChild<QLabel>(this);
    back_preview_->setObjectName(QStringLiteral("CardBackPreview"));
    back_row->addWidget(back_);
    back_row->addWidget(back_preview_);
    back_row->addStretch();
    form->addRow(GuiText(GuiTextId::CardBackCaption), back_row);
    connect(back_, &QComboBox::currentIndexChanged, this, [this] { ShowBackPreview(); });

    four_colours_ = MakeChild<QCheckBox>(GuiText(GuiTextId::FourColourDeck), this);
    four_colours_->setObjectName(QStringLiteral("FourColourDeck"));
    four_colours_->setChecked(shown.deck.four_colours);
    form->addRow(QString(), four_colours_);

    hints_ = MakeChild<QCheckBox>(GuiText(GuiTextId::HintsAtStart), this);
    hints_->setObjectName(QStringLiteral("HintsAtStart"));
    hints_->setChecked(shown.hints_at_start);
    form->addRow(QString(), hints_);
    hints_from_ = Choices("HintsFrom", {GuiTextId::HintsFromRuleFiles, GuiTextId::HintsFromExpert},
                          static_cast<int>(shown.hints_from), this);
    form->addRow(GuiText(GuiTextId::HintsFrom), hints_from_);

    opponents_ = LevelChoices("Opponents", shown.opponents, this);
    form->addRow(GuiText(GuiTextId::Opponents), opponents_);
    partner_ = LevelChoices("Partner", shown.partner, this);
    form->addRow(GuiText(GuiTextId::Partner), partner_);
    form->addRow(QString(), Note(GuiText(GuiTextId::LevelsAtNextRound), this));

    auto* buttons =
        MakeChild<QDialogButtonBox>(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowBackPreview();
}

void SettingsDialog::ShowBackPreview() {
    const double ratio = devicePixelRatioF();
    QPixmap preview((kPreviewSize * ratio).toSize());
    preview.setDevicePixelRatio(ratio);
    preview.fill(Qt::transparent);
    QPainter painter(&preview);
    // The preview shows the chosen design without changing the deck on the table.
    DeckLook look = CardPainter::CurrentDeckLook();
    look.back = static_cast<CardBack>(back_->currentIndex());
    CardPainter::Draw(painter, QRectF(QPointF(0, 0), kPreviewSize), -1, CardLook::Back, look);
    painter.end();
    back_preview_->setPixmap(preview);
}

Preferences SettingsDialog::Chosen() const {
    Preferences chosen;
    chosen.speed = static_cast<GameSpeed>(speed_->currentIndex());
    chosen.language = language_->currentIndex() == 1 ? presentation::Language::English
                                                     : presentation::Language::Svenska;
    chosen.deck.four_colours = four_colours_->isChecked();
    chosen.deck.back = static_cast<CardBack>(back_->currentIndex());
    chosen.hints_at_start = hints_->isChecked();
    chosen.hints_from = static_cast<HintSource>(hints_from_->currentIndex());
    chosen.opponents = static_cast<Level>(opponents_->currentIndex());
    chosen.partner = static_cast<Level>(partner_->currentIndex());
    return chosen;
}

}  // namespace gui
