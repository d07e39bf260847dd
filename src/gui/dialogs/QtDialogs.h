#pragma once

#include <functional>

#include "common/Dialogs.h"

class QDialog;
class QWidget;

namespace gui {

// The table's dialogs as real Qt boxes. While any of them (or another modal window opened
// through a ModalScope, such as the About box) is open, Busy() is true and the clock holds,
// so no tick re-enters the table behind a dialog.
class QtDialogs : public common::Dialogs {
  public:
    // Marks a modal window as open for as long as it lives.
    class ModalScope {
      public:
        explicit ModalScope(QtDialogs& dialogs);
        ~ModalScope();
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

      private:
        QtDialogs& dialogs_;
    };

    // Runs a window of our own modally, with the clock held while it is open when there are
    // table dialogs to hold it through (tests may run without them).
    static int Exec(QtDialogs* dialogs, QDialog& dialog);

    void SetParent(QWidget* parent) { parent_ = parent; }
    bool Busy() const { return open_ > 0; }
    // Called when the last open dialog has closed.
    std::function<void()> on_all_closed;

    void Message(const std::string& text, const std::string& title = "Fivra") override;
    bool AskYesNo(const std::string& text, const std::string& title,
                  common::AskIcon icon = common::AskIcon::Stop) override;
    common::Answer AskYesNoLater(const std::string& text, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    std::optional<std::string> ChooseLogFile(const std::string& folder) override;

  private:
    QWidget* parent_ = nullptr;
    int open_ = 0;
};

}  // namespace gui
