#include "persistence/ResumeRecord.h"
#include "table/Table.h"

// The game kept between runs: a small record in the user's settings at every round's start
// and end, offered at the next start. A round that was dealt starts again from the deck of its
// game log, through the reload's restoring of the deck; it counts as a round of the game.
namespace table {

void Table::KeepResumeRecord(bool deal_in_log) {
    persistence::ResumeRecord record;
    record.vi = round_.gbVi;
    record.de = round_.gbDe;
    record.dealer = round_.attSaka;  // at a round's end already the next round's dealer
    record.hints = round_.bSuggest;
    record.rounds = scoreboard_.Rounds();
    if (deal_in_log) {
        record.deal = persistence::DeckFingerprint(deck_.OrderRecord());
    }
    persistence::SaveResumeRecord(settings_, record);
}

void Table::ForgetResumeRecord() {
    persistence::ClearResumeRecord(settings_);
}

void Table::ResumeInterruptedGame() {
    const persistence::StoredResume stored = persistence::LoadResumeRecord(settings_);
    if (!stored.problem.empty()) {
        Trace(config_.settings_file + ": " + stored.problem);
        Announce(presentation::FillIn(texts_.resume_damaged, {{"file", config_.settings_file}}));
        ForgetResumeRecord();
        return;
    }
    if (!stored.record ||
        !dialogs_.AskYesNo(texts_.resume_question, "Fivra", common::AskIcon::Question)) {
        ForgetResumeRecord();
        return;
    }
    const persistence::ResumeRecord& record = *stored.record;
    round_.gbVi = record.vi;
    round_.gbDe = record.de;
    scoreboard_.Restore(record.rounds);
    round_.attSaka = record.dealer;
    if (record.hints) {
        ImgSuggestUp_MouseDown();
    }
    if (!record.deal.empty()) {
        RestoreLoggedRound(record.deal);
    }
}

// The interrupted round's deck from the game log, when the log still holds that very round;
// otherwise the game goes on from the totals with a fresh deal, and the player is told why.
void Table::RestoreLoggedRound(const std::string& fingerprint) {
    const std::string path = log_.Path();
    auto read = gamelog::ReadRoundDeal(path);
    std::string problem;
    if (const auto* error = std::get_if<gamelog::LogError>(&read)) {
        problem = error->message;
    } else {
        const auto& logged = std::get<gamelog::ReloadLog>(read);
        if (logged.gbVi != round_.gbVi || logged.gbDe != round_.gbDe ||
            persistence::DeckFingerprint(logged.order) != fingerprint) {
            problem = "The game log " + path + " holds another round.";
        } else if (!RestoreLoggedDeck(logged)) {
            problem = "The deck of the game log " + path + " cannot be restored.";
        }
    }
    if (problem.empty()) {
        deal_restored_ = true;
        return;
    }
    Trace(problem);
    Announce(presentation::FillIn(texts_.resume_new_deal, {{"file", path}}));
}

}  // namespace table
