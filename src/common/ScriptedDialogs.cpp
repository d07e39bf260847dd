#include "common/ScriptedDialogs.h"

namespace common {

void ScriptedDialogs::Message(const std::string& text, const std::string& /*title*/) {
    messages.push_back(text);
}

bool ScriptedDialogs::AskYesNo(const std::string& text, const std::string& /*title*/,
                               AskIcon icon) {
    questions.push_back(text);
    question_icons.push_back(icon);
    if (yes_no_answers.empty()) {
        return false;
    }
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
}

Answer ScriptedDialogs::AskYesNoLater(const std::string& text, const std::string& title) {
    if (answers.empty()) {
        return AskYesNo(text, title, AskIcon::Question) ? Answer::Yes : Answer::No;
    }
    questions.push_back(text);
    question_icons.push_back(AskIcon::Question);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& /*title*/) {
    questions.push_back(prompt);
    if (input_answers.empty()) {
        return {};
    }
    std::string answer = input_answers.front();
    input_answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::ChooseLogFile(const std::string& /*folder*/) {
    if (file_answers.empty()) {
        return std::nullopt;
    }
    auto answer = file_answers.front();
    file_answers.pop_front();
    return answer;
}

}  // namespace common
