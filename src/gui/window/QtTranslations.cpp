#include "gui/window/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace gui {

namespace {

// Qt's Swedish catalogue (qt_sv) dates from before Qt took the texts of standard buttons from
// its platform theme: it holds Ja, Nej, Avbryt under the button box and the message box.
// Questions asked in the theme's name are answered from there.
class SwedishQtTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (!text.isEmpty() || qstrcmp(context, "QPlatformTheme") != 0) {
            return text;
        }
        for (const char* older : {"QDialogButtonBox", "QMessageBox"}) {
            text = QTranslator::translate(older, source, disambiguation, n);
            if (!text.isEmpty()) {
                return text;
            }
        }
        return text;
    }
};

}  // namespace

bool InstallQtTranslations(presentation::Language language) {
    if (language != presentation::Language::Svenska) {
        return true;
    }
    auto translator = std::make_unique<SwedishQtTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Newer Qt splits its texts by module (qtbase_sv); older catalogues hold them in qt_sv.
    if (translator->load(QStringLiteral("qtbase_sv"), folder) ||
        translator->load(QStringLiteral("qt_sv"), folder)) {
        // The application owns the translator for the rest of the run.
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.release());
        return true;
    }
    return false;
}

}  // namespace gui
