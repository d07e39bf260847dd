#include "gui/dialogs/AboutDialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "persistence/Statistics.h"
#include "presentation/About.h"

namespace gui {

namespace {

QLabel* LinkLabel(const QString& text, QWidget* parent) {
    auto* label =
        MakeChild<QLabel>(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(Context context, QWidget* parent)
    : QDialog(parent), context_(context), language_(presentation::ProgramLanguage()) {
    const presentation::AboutContents contents = presentation::AboutFormLoad(language_);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(CoreText(contents.caption));
    auto* layout = MakeChild<QVBoxLayout>(this);
    auto* product = MakeChild<QLabel>(CoreText(contents.product_label), this);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    product->setObjectName(QStringLiteral("LblProduct"));
    layout->addWidget(product);
    auto* information = MakeChild<QLabel>(CoreText(contents.information), this);
    information->setWordWrap(true);
    information->setVisible(!contents.information.empty());
    layout->addWidget(information);
    auto* web = LinkLabel(CoreText(contents.web_label), this);
    web->setObjectName(QStringLiteral("LblURL"));
    connect(web, &QLabel::linkActivated, this, [this] {
        QDesktopServices::openUrl(
            QUrl(QString::fromStdString(presentation::WebLink(context_.folder))));
    });
    web->setVisible(!contents.web_label.empty());
    layout->addWidget(web);
    auto* mail = LinkLabel(CoreText(contents.mail_label), this);
    mail->setObjectName(QStringLiteral("LblMailto"));
    connect(mail, &QLabel::linkActivated, this, [] {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(presentation::MailtoLink())));
    });
    mail->setVisible(!contents.mail_label.empty());
    layout->addWidget(mail);
    auto* rights = MakeChild<QLabel>(CoreText(contents.rights), this);
    rights->setWordWrap(true);
    layout->addWidget(rights);
    auto* buttons = MakeChild<QHBoxLayout>();
    layout->addLayout(buttons);
    auto* reset = MakeChild<QPushButton>(CoreText(contents.reset_caption), this);
    reset->setObjectName(QStringLiteral("ResetStatistics"));
    connect(reset, &QPushButton::clicked, this, [this] { ResetStatistics_Click(); });
    buttons->addWidget(reset);
    buttons->addStretch();
    auto* ok = MakeChild<QPushButton>(GuiText(GuiTextId::Close), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
}

void AboutDialog::ResetStatistics_Click() {
    persistence::ResetStatistics(context_.settings, context_.dialogs, language_,
                                 context_.LblStatisticVi, context_.LblStatisticDe);
}

}  // namespace gui
