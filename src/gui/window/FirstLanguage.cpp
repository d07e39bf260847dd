#include "gui/window/FirstLanguage.h"

#include <QMessageBox>
#include <QPushButton>

namespace gui {

presentation::Language AskFirstLanguage() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Fivrastar"),
                    QStringLiteral("Välj spelets språk.\nChoose the game's language."));
    box.setObjectName(QStringLiteral("FirstLanguage"));
    QPushButton* svenska = box.addButton(QStringLiteral("Svenska"), QMessageBox::AcceptRole);
    QPushButton* english = box.addButton(QStringLiteral("English"), QMessageBox::AcceptRole);
    box.setDefaultButton(english);
    box.setEscapeButton(english);
    box.exec();
    return box.clickedButton() == svenska ? presentation::Language::Svenska
                                          : presentation::Language::English;
}

}  // namespace gui
