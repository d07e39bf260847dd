#include "gui/coach/ThinkingPlayer.h"

#include <QEventLoop>
#include <QMetaObject>
#include <future>
#include <optional>

#include "gui/dialogs/QtDialogs.h"

namespace gui {

ThinkingPlayer::ThinkingPlayer(state::SeatPlayer& player, QtDialogs* modal,
                               std::function<void(bool held)> hold_input)
    : player_(player), modal_(modal), hold_input_(std::move(hold_input)) {}

template <class Answer>
Answer ThinkingPlayer::Think(const std::function<Answer()>& decide) {
    std::optional<QtDialogs::ModalScope> clock_held;
    if (modal_ != nullptr) {
        clock_held.emplace(*modal_);
    }
    if (hold_input_) {
        hold_input_(true);
    }
    QEventLoop waiting;
    std::future<Answer> answer = std::async(std::launch::async, [&decide, &waiting] {
        Answer result = decide();
        // Posted, so the loop ends even when it has not started yet; a loop already ended
        // drops the event with the loop.
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
        return result;
    });
    waiting.exec();
    // The application's quit ends every event loop at once; the worker then still runs.
    Answer result = answer.get();
    if (hold_input_) {
        hold_input_(false);
    }
    return result;
}

std::optional<state::BidChoice> ThinkingPlayer::Bid(const state::SeatView& view) {
    return Think<std::optional<state::BidChoice>>([&] { return player_.Bid(view); });
}

std::optional<int> ThinkingPlayer::Trump(const state::SeatView& view) {
    return Think<std::optional<int>>([&] { return player_.Trump(view); });
}

std::optional<state::CardChoice> ThinkingPlayer::Card(const state::SeatView& view) {
    return Think<std::optional<state::CardChoice>>([&] { return player_.Card(view); });
}

}  // namespace gui
