#include <cstdio>
#include <filesystem>

#include "common/FieldReader.h"
#include "persistence/ResumeRecord.h"
#include "table/Table.h"

// The game kept between runs: a small record in the user's settings at every round's start
// and end, offered at the next start. A round that was dealt is brought back from its game log
// to the very move where it stopped (see ResumeFollow.cpp); it counts as a round of the game.
namespace table {

namespace {

// Where the interrupted round's log waits while a game of this run, which writes a log of its
// own, keeps the saved game for the next start.
constexpr const char* kKeptLogName = "FivraKept.txt";

}  // namespace

void Table::KeepResumeRecord(bool deal_in_log) {
    if (!keep_records_) {
        return;
    }
    persistence::ResumeRecord record;
    record.vi = round_.gbVi;
    record.de = round_.gbDe;
    record.dealer = round_.attSaka;  // at a round's end already the next round's dealer
    record.hints = round_.bSuggest;
    record.rounds = scoreboard_.Rounds();
    if (deal_in_log) {
        record.deal = persistence::DeckFingerprint(deck_.OrderRecord());
        // The round has just been dealt: a kept round takes up its random source here.
        if (resume_random_) {
            random_.GoTo(*resume_random_);
            resume_random_.reset();
        }
        record.random = random_.Position();
    }
    kept_ = record;
    persistence::SaveResumeRecord(settings_, record);
}

void Table::KeepPlayedCards() {
    if (!keep_records_ || kept_.deal.empty() || round_.bReplay) {
        return;
    }
    kept_.played.clear();
    for (const cards::Kort* card : round_.Bord[common::kSyd].Cards()) {
        kept_.played.push_back(card->Nr);
    }
    persistence::SaveResumeRecord(settings_, kept_);
}

void Table::ForgetResumeRecord() {
    if (!keep_records_) {
        return;
    }
    kept_ = persistence::ResumeRecord{};
    persistence::ClearResumeRecord(settings_);
}

std::string Table::KeptLogPath() const {
    return config_.folder + kKeptLogName;
}

// Yes goes on with the saved game; No asks once more before it is thrown away; Later keeps it
// and its log for the next start, and this run's game keeps no record of its own.
bool Table::AskToResume() {
    for (;;) {
        switch (dialogs_.AskYesNoLater(texts_.resume_question, "Fivra")) {
            case common::Answer::Yes:
                return true;
            case common::Answer::Later:
                keep_records_ = false;
                if (!std::filesystem::exists(KeptLogPath())) {
                    std::error_code error;
                    std::filesystem::copy_file(log_.Path(), KeptLogPath(), error);
                }
                return false;
            case common::Answer::No:
                if (dialogs_.AskYesNo(texts_.resume_discard, "Fivra", common::AskIcon::Stop)) {
                    ForgetResumeRecord();
                    std::remove(KeptLogPath().c_str());
                    return false;
                }
                break;
        }
    }
}

bool Table::ResumeInterruptedGame() {
    const persistence::StoredResume stored = persistence::LoadResumeRecord(settings_);
    if (!stored.problem.empty()) {
        Trace(config_.settings_file + ": " + stored.problem);
        Announce(presentation::FillIn(texts_.resume_damaged, {{"file", config_.settings_file}}));
        ForgetResumeRecord();
        std::remove(KeptLogPath().c_str());
        return false;
    }
    if (!stored.record || !AskToResume()) {
        return false;
    }
    const persistence::ResumeRecord& record = *stored.record;
    round_.gbVi = record.vi;
    round_.gbDe = record.de;
    scoreboard_.Restore(record.rounds);
    round_.attSaka = record.dealer;
    if (record.hints) {
        ImgSuggestUp_MouseDown();
    }
    const bool going_on = !record.deal.empty() && RestoreLoggedRound(record);
    std::remove(KeptLogPath().c_str());
    return going_on;
}

// The interrupted round from its game log, when the log still holds that very round: the deal
// is restored and the round played on to where the log ends. Otherwise the game goes on from
// the totals with a fresh deal, and the player is told why.
bool Table::RestoreLoggedRound(const persistence::ResumeRecord& record) {
    const std::string path = std::filesystem::exists(KeptLogPath()) ? KeptLogPath() : log_.Path();
    const auto text = common::ReadWholeFile(path);
    auto read = gamelog::ReadRoundDeal(path);
    std::string problem;
    if (const auto* error = std::get_if<gamelog::LogError>(&read)) {
        problem = error->message;
    } else {
        const auto& logged = std::get<gamelog::ReloadLog>(read);
        if (!text || logged.gbVi != round_.gbVi || logged.gbDe != round_.gbDe ||
            persistence::DeckFingerprint(logged.order) != record.deal) {
            problem = "The game log " + path + " holds another round.";
        } else if (!RestoreLoggedDeck(logged)) {
            problem = "The deck of the game log " + path + " cannot be restored.";
        }
    }
    if (!problem.empty()) {
        Trace(problem);
        Announce(presentation::FillIn(texts_.resume_new_deal, {{"file", path}}));
        return false;
    }
    deal_restored_ = true;
    resume_random_ = record.random;
    if (const int line = FollowLoggedRound(*text, record.played); line > 0) {
        Trace("The round differs from the game log " + path + " from line " + std::to_string(line) +
              " on.");
        Announce(presentation::FillIn(texts_.resume_diverged, {{"file", path}}));
    }
    return true;
}

}  // namespace table
