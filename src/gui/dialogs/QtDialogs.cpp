#include "gui/dialogs/QtDialogs.h"

#include <optional>

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "gui/base/GuiTexts.h"
#include "presentation/Localisation.h"

namespace gui {

QtDialogs::ModalScope::ModalScope(QtDialogs& dialogs) : dialogs_(dialogs) {
    ++dialogs_.open_;
}

QtDialogs::ModalScope::~ModalScope() {
    if (--dialogs_.open_ == 0 && dialogs_.on_all_closed) {
        dialogs_.on_all_closed();
    }
}

int QtDialogs::Exec(QtDialogs* dialogs, QDialog& dialog) {
    std::optional<ModalScope> hold;
    if (dialogs != nullptr) {
        hold.emplace(*dialogs);
    }
    return dialog.exec();
}

void QtDialogs::Message(const std::string& text, const std::string& title) {
    const ModalScope scope(*this);
    QMessageBox box(QMessageBox::Information, CoreText(title), CoreText(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title, common::AskIcon icon) {
    const ModalScope scope(*this);
    QMessageBox box(
        icon == common::AskIcon::Question ? QMessageBox::Question : QMessageBox::Critical,
        CoreText(title), CoreText(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

common::Answer QtDialogs::AskYesNoLater(const std::string& text, const std::string& title) {
    const ModalScope scope(*this);
    QMessageBox box(QMessageBox::Question, CoreText(title), CoreText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return common::Answer::Yes;
        case QMessageBox::No:
            return common::Answer::No;
        default:
            return common::Answer::Later;
    }
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title) {
    const ModalScope scope(*this);
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, CoreText(title), CoreText(prompt),
                                                 QLineEdit::Normal, QString(), &ok);
    return ok ? answer.toStdString() : std::string();
}

std::optional<std::string> QtDialogs::ChooseLogFile(const std::string& folder) {
    const ModalScope scope(*this);
    QFileDialog chooser(parent_, GuiText(GuiTextId::ChooseLogTitle), CoreText(folder));
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    // The game's own logs first: the last round's log and the archived debug logs.
    chooser.setNameFilters(
        {GuiText(GuiTextId::GameLogFilter) + QStringLiteral(" (Fivralog.txt FivraLOG_*.txt)"),
         GuiText(GuiTextId::TextFileFilter) + QStringLiteral(" (*.txt)"),
         GuiText(GuiTextId::AllFilesFilter) + QStringLiteral(" (*)")});
    if (QFileInfo::exists(CoreText(folder) + QStringLiteral("Fivralog.txt"))) {
        chooser.selectFile(QStringLiteral("Fivralog.txt"));
    }
    if (chooser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = chooser.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

}  // namespace gui
