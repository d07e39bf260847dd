#pragma once

#include <optional>
#include <string>

namespace common {

// The icon of a Yes/No question: the stop icon of a warning, or the question mark of a plain
// question such as whether to quit.
enum class AskIcon { Stop, Question };

// The answer to a question that may also be left open: Later decides nothing (Cancel, or
// Escape).
enum class Answer { Yes, No, Later };

// Modal dialogs of the table. The GUI shows real boxes; tests and tools script the answers.
// While a dialog is open no timer tick reaches the table.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void Message(const std::string& text, const std::string& title = "Fivra") = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title,
                          AskIcon icon = AskIcon::Stop) = 0;
    // A question whose default button (Enter) is Yes, with No and Cancel; Escape is Later.
    virtual Answer AskYesNoLater(const std::string& text, const std::string& title) {
        return AskYesNo(text, title, AskIcon::Question) ? Answer::Yes : Answer::No;
    }
    // An input box; a cancelled box gives the empty text.
    virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;
    // The game-log chooser, opened on the given folder. Empty when nothing was chosen
    // (OK without a selection); std::nullopt when cancelled.
    virtual std::optional<std::string> ChooseLogFile(const std::string& folder) = 0;
};

}  // namespace common
