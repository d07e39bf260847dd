#include "gui/coach/LevelPlayers.h"

#include "search/GreedyPlayer.h"

namespace gui {

std::string LevelLogWord(Level level) {
    switch (level) {
        case Level::Beginner:
            return "Beginner";
        case Level::Expert:
            return "Expert";
        case Level::Normal:
            break;
    }
    return {};
}

LevelPlayers::LevelPlayers(Setup setup) : setup_(std::move(setup)) {
    options_.seed = setup_.seed;
    options_.rule_folder = setup_.rule_folder;
}

LevelPlayers::Seat LevelPlayers::MakeSeat(Level level, int seat) const {
    Seat made;
    if (level == Level::Beginner) {
        made.player = std::make_unique<search::GreedyPlayer>();
    } else if (level == Level::Expert) {
        search::ExpertOptions options = options_;
        options.seed = options_.seed + static_cast<std::uint64_t>(seat);
        made.player = std::make_unique<search::ExpertPlayer>(options);
        made.thinking =
            std::make_unique<ThinkingPlayer>(*made.player, setup_.modal, setup_.hold_input);
    }
    return made;
}

void LevelPlayers::StartRound(const Preferences& preferences) {
    std::array<Level, common::kSeats> levels{};
    for (int seat = 1; seat < common::kSeats; ++seat) {
        levels[static_cast<std::size_t>(seat)] =
            seat == common::kNord ? preferences.partner : preferences.opponents;
    }
    options_.models[common::kSyd] = search::SeatModel::Human;
    options_.rule_play[common::kSyd] = false;
    for (int seat = 1; seat < common::kSeats; ++seat) {
        const bool normal = levels[static_cast<std::size_t>(seat)] == Level::Normal;
        options_.models[static_cast<std::size_t>(seat)] =
            normal ? search::SeatModel::RuleFiles : search::SeatModel::Unknown;
        options_.rule_play[static_cast<std::size_t>(seat)] = normal;
    }
    table::Table& table = setup_.table;
    table.SetSuggestionPlayer(nullptr);
    for (int seat = 1; seat < common::kSeats; ++seat) {
        const Level level = levels[static_cast<std::size_t>(seat)];
        Seat& at = seats_[static_cast<std::size_t>(seat)];
        table.SetSeatPlayer(seat, nullptr);
        at = MakeSeat(level, seat);
        state::SeatPlayer* player = at.thinking ? at.thinking.get() : at.player.get();
        table.SetSeatPlayer(seat, player, LevelLogWord(level));
    }
    hint_expert_ = std::make_unique<search::ExpertPlayer>(options_);
    hint_player_ = std::make_unique<coach::HintPlayer>(coach::JudgementOf(*hint_expert_),
                                                       setup_.language, hint_expert_.get());
    hint_thinking_ =
        std::make_unique<ThinkingPlayer>(*hint_player_, setup_.modal, setup_.hold_input);
    SetHintSource(preferences.hints_from);
}

void LevelPlayers::SetHintSource(HintSource source) {
    if (source == HintSource::Expert && hint_thinking_) {
        setup_.table.SetSuggestionPlayer(hint_thinking_.get(),
                                         [this] { return hint_player_->LastHint(); });
    } else {
        setup_.table.SetSuggestionPlayer(nullptr);
    }
}

}  // namespace gui
