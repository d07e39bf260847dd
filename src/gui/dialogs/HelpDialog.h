#pragma once

#include <QDialog>
#include <QTextBrowser>

#include "presentation/Localisation.h"

namespace gui {

// The rules page: an HTML page kept in the program's resources, one per language, shown in
// Qt's text browser. Its pictures are drawn by the program itself: "card:NR" is a card face
// by its number, "picture:NAME" one of our pictures. Nothing is fetched from outside.
class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpDialog : public QDialog {
  public:
    explicit HelpDialog(QWidget* parent,
                        presentation::Language language = presentation::ProgramLanguage());

    // The page of a language, from the resources; empty when it is missing.
    static QString RulesPage(presentation::Language language);

    HelpBrowser& Browser() { return *browser_; }

  private:
    HelpBrowser* browser_;
};

}  // namespace gui
