#include "gui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace gui {

bool InstallQtTranslations(presentation::Language language) {
    if (language != presentation::Language::Svenska) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
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
