#include "gui/dialogs/HelpDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/base/GuiTexts.h"
#include "gui/base/QtOwned.h"
#include "gui/paint/CardPainter.h"
#include "gui/paint/Pictures.h"
#include "presentation/HandGeometry.h"

namespace gui {

namespace {

// Pictures are drawn at twice the size the page shows them, so they stay sharp when scaled.
constexpr int kSharpness = 2;

QImage CardImage(int nr) {
    const QSize size(presentation::kCardSize.width * kSharpness,
                     presentation::kCardSize.height * kSharpness);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kSharpness, kSharpness);
    CardPainter::Draw(painter,
                      QRectF(0, 0, presentation::kCardSize.width, presentation::kCardSize.height),
                      nr, CardLook::Face);
    return image;
}

QImage PictureImage(const QString& name) {
    constexpr int kSide = 48 * kSharpness;
    const bool button = name.startsWith(QLatin1String("btn_"));
    const bool mark = name.startsWith(QLatin1String("mark_"));
    const QSize size =
        mark ? QSize(37 * kSharpness, 20 * kSharpness)
             : (name == QLatin1String("pakko") ? QSize(87 * kSharpness, 116 * kSharpness)
                                               : QSize(kSide, kSide));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (button) {
        // Our buttons are drawn light on the table's green; the page is white.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 70, 40));
        painter.drawRoundedRect(QRectF(QPointF(0, 0), size), size.width() / 5.0,
                                size.width() / 5.0);
    }
    DrawPicture(painter, name, QRectF(QPointF(0, 0), size));
    return image;
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);  // the page has no links to follow, and nothing goes out to the web
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource) {
        if (name.scheme() == QLatin1String("card")) {
            bool ok = false;
            const int nr = name.path().toInt(&ok);
            if (ok && nr >= 0 && nr < 52) {
                return CardImage(nr);
            }
            return {};
        }
        if (name.scheme() == QLatin1String("picture") && PictureExists(name.path())) {
            return PictureImage(name.path());
        }
        return {};
    }
    return QTextBrowser::loadResource(type, name);
}

QString HelpDialog::RulesPage(presentation::Language language) {
    QFile page(language == presentation::Language::Svenska
                   ? QStringLiteral(":/help/rules_sv.html")
                   : QStringLiteral(":/help/rules_en.html"));
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(page.readAll());
}

HelpDialog::HelpDialog(QWidget* parent, presentation::Language language) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpDialog"));
    const presentation::Texts texts = presentation::LoadTexts(language);
    const QString title = QString::fromStdString(texts.help_title);
    setWindowTitle(title);
    auto* layout = MakeChild<QVBoxLayout>(this);
    browser_ = MakeChild<HelpBrowser>(this);
    browser_->setAccessibleName(title);
    const QString page = RulesPage(language);
    browser_->setHtml(page.isEmpty() ? QString::fromStdString(texts.help_missing).toHtmlEscaped()
                                     : page);
    layout->addWidget(browser_);
    auto* buttons = MakeChild<QDialogButtonBox>(this);
    QPushButton* close =
        buttons->addButton(GuiText(GuiTextId::Close), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("HelpClose"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(680, 620);
}

}  // namespace gui
