#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/Dialogs.h"

namespace common {

// Dialogs for tests and headless tools: records every message and answers from queues.
// An empty queue answers No, the empty text and "cancelled".
class ScriptedDialogs : public Dialogs {
  public:
    void Message(const std::string& text, const std::string& title = "Fivra") override;
    bool AskYesNo(const std::string& text, const std::string& title,
                  AskIcon icon = AskIcon::Stop) override;
    // Answers from `answers`; while that is empty, Yes or No from `yes_no_answers`.
    Answer AskYesNoLater(const std::string& text, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    std::optional<std::string> ChooseLogFile(const std::string& folder) override;

    std::vector<std::string> messages;    // texts of message boxes, in order
    std::vector<std::string> questions;   // texts of Yes/No questions and input prompts
    std::vector<AskIcon> question_icons;  // the icon of each Yes/No question
    std::deque<bool> yes_no_answers;
    std::deque<Answer> answers;
    std::deque<std::string> input_answers;
    std::deque<std::optional<std::string>> file_answers;
};

}  // namespace common
