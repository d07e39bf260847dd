#include <algorithm>

#include "gamelog/LogBlocks.h"
#include "playai/Suggestion.h"
#include "presentation/HandGeometry.h"
#include "table/Table.h"

namespace table {

void Table::PlayInit() {
    round_.PlaySeat = round_.gbBjuditHogst;
    round_.TrickLeader = round_.gbBjuditHogst;
    round_.TrickCards.fill(0);
    round_.TrickPoints.fill(0);
    round_.TrickTyp.fill("");
    round_.ColdFlag.fill(0);
    round_.PlayedCount.fill(0);
    round_.TrickPointsVi.fill(0);
    round_.TrickPointsDe.fill(0);
    for (auto& trick : round_.TrickHistory) {
        trick.fill(0);
    }
    round_.Round = 1;
    round_.PointsLeft = 14;
    round_.PointsLeftNoAceTwo = 12;
    round_.HighestUnplayed = 14;
    round_.PointsVi = 0;
    round_.PointsDe = 0;
    round_.CardsPlayed = 0;
    deck_.ValjFarg(round_.gbFarg);
    play_ai_.ResetPlayHistory();
    ctl_.Trick = TrickOnShow{};
    ctl_.Trick.playing = true;
    ctl_.Trick.trump = round_.gbFarg;
    timer1_.Tag = WaitStep::None;
    Play();
}

void Table::Play() {
    round_.gbTmpRang = 0;
    round_.gbTmpPoang = 0;
    const int seat = round_.PlaySeat;
    cards::KortHand& hand = round_.Hand[seat];
    const int trick = round_.Round;
    if (!hand.HandEmpty(round_.gbFarg)) {
        ctl_.Label[seat].ForeColor = common::kYellow;
        // Play speeds up as the round goes on.
        timer1_.SetInterval(static_cast<int>(random_.Uniform() * (450 - 50 * trick)) +
                            (1400 - 100 * trick - 30 * (14 - round_.PointsLeft)));
        if (timer1_.Tag == WaitStep::None && hand.HandSpelarTyp() == 0) {
            timer1_.Tag = WaitStep::Play;
            return;
        }
        timer1_.Tag = WaitStep::None;
        SeatPlays(seat);
        return;
    }
    if (round_.ColdFlag[seat] == 0) {
        timer1_.SetInterval(1450 - 200 * trick);
        if (timer1_.Tag == WaitStep::None) {
            timer1_.Tag = WaitStep::Play;
            return;
        }
    }
    timer1_.Tag = WaitStep::None;
    const bool lays_down_now = round_.ColdFlag[seat] == 0;
    hand.TomHand(round_.gbFarg);
    round_.ColdFlag[seat] = -1;
    // Worth a word while the others play on; at the round's end every hand runs out at once.
    const auto holds_trump = [this](const cards::KortHand& h) {
        return !h.HandEmpty(round_.gbFarg);
    };
    if (lays_down_now && std::any_of(round_.Hand.begin(), round_.Hand.end(), holds_trump)) {
        Announce(Announcer().LaysDown(seat));
    }
    PlayNext();
}

void Table::SeatPlays(int seat) {
    last_play_ = DecideCard(seat);
    suggest_code_ = last_play_.SuggestCode;
    ++stats_.plays;
    stats_.default_plays += last_play_.RuleTrace == "[DEFAULT]" ? 1 : 0;
    PlayChosenCard(seat, last_play_.rank_code);
    cards::KortHand& hand = round_.Hand[seat];
    if (hand.HandSpelarTyp() == 1) {
        hand.HandAktivitat = 1;
        timer1_.Tag = WaitStep::SuggestAfterTwo;
    }
}

playai::PlayContext Table::MakePlayContext(int seat) {
    return playai::PlayContext{round_, round_.Hand[seat], seat,   RulesFolder(seat),
                               log_,   dialogs_,          random_};
}

void Table::PlayChosenCard(int seat, int rank_code) {
    cards::KortHand& hand = round_.Hand[seat];
    int position = hand.FindCardIDXofRang(rank_code, round_.gbFarg);
    if (hand.HandSpelarTyp() == 1) {
        suggest_position_ = position;
        return;
    }
    // A choice the seat cannot play would stop the round for good; the seat plays its first
    // trump card instead.
    for (int i = 1; position <= 0 && i <= hand.AntalKort(); ++i) {
        if (hand.CardAt(i)->IsOfColour(round_.gbFarg)) {
            position = i;
        }
    }
    if (position > 0) {
        PlayIt(seat, position);
    }
}

void Table::PlayIt(int seat, int position) {
    cards::KortHand& hand = round_.Hand[seat];
    // Both checks come before anything changes, so a refused card stays in the hand.
    if (position < 1 || position > hand.AntalKort()) {
        dialogs_.Message("ERROR - Wrong index");
        return;
    }
    if (!hand.CardAt(position)->IsOfColour(round_.gbFarg)) {
        dialogs_.Message("ERROR - Card chosen not right color");
        return;
    }
    TellDecision(seat, state::Decision::Card, hand.CardAt(position)->Rang, 0);
    ++round_.CardsPlayed;
    cards::Kort* card = hand.TakeACard(position);
    round_.gbTmpPoang = card->Poang;
    round_.gbTmpRang = card->Rang;
    round_.gbTmpTyp = card->Typ;
    card->Kop = false;
    const int rang = card->Rang;
    round_.PlayedTrump[rang] = -1;
    if (round_.Round >= 1 && round_.Round < state::kTricks) {
        round_.RankTrick[rang] = round_.Round;
        round_.TrickHistory[round_.Round][seat] = rang;
    }
    ++round_.PlayedCount[seat];
    play_ai_.UpdateNoFivraFlag(round_, seat, rang);
    LogPlay(seat, *card);
    ShowPlayedCard(seat, *card);
    round_.Bord[seat].AddACardOSort(card);
    hand.refresh();
    hand.HandAktivitat = 0;
    ctl_.Label[seat].ForeColor = common::kBlack;
    PlayNext();
}

void Table::LogPlay(int seat, const cards::Kort& card) {
    const std::string name = std::string(common::SeatName(seat)) + " ";
    const std::string& prob = last_play_.ProbText;
    Trace(name + "\t" + prob + (prob == "100" ? "  " : "   ") + last_play_.RuleTrace);
    log_.Log(name + "plays: " + card.Typ);
    if (round_.Hand[seat].HandSpelarTyp() == 1) {
        log_.Log("Suggestion:");
    }
    log_.Log(last_play_.Version);
    log_.Log(prob + "   " + last_play_.RuleTrace);
    for (int i = 0; i < 5; ++i) {
        log_.Log("");
    }
    log_.EndBlock();
}

void Table::PlayNext() {
    const int seat = round_.PlaySeat;
    round_.TrickCards[seat] = round_.gbTmpRang;
    round_.TrickPoints[seat] = round_.gbTmpPoang;
    round_.TrickTyp[seat] = round_.gbTmpTyp;
    round_.gbTmpRang = 0;
    round_.gbTmpPoang = 0;
    round_.gbTmpTyp.clear();
    round_.PlaySeat = common::NextSeat(seat);
    if (round_.PlaySeat != round_.TrickLeader) {
        timer1_.Tag = WaitStep::None;
        Play();
        return;
    }
    play_ai_.RecordTrickHighs(round_);
    const auto& cards_in_trick = round_.TrickCards;
    if (std::all_of(cards_in_trick.begin(), cards_in_trick.end(), [](int r) { return r == 0; })) {
        Aftermath();
        return;
    }
    CloseTrick();
    timer1_.Tag = WaitStep::None;
    Play();
}

void Table::CloseTrick() {
    int sum = 0;
    for (int p : round_.TrickPoints) {
        sum += p;
    }
    round_.PointsLeft -= sum;
    round_.PointsLeftNoAceTwo -= sum;
    int winner = 0;
    for (int s = 1; s < common::kSeats; ++s) {
        if (round_.TrickCards[s] > round_.TrickCards[winner]) {
            winner = s;
        }
    }
    for (int r : round_.TrickCards) {
        if (r == 14) {
            ++round_.PointsLeftNoAceTwo;  // the ace's point was counted in sum
        }
    }
    int vi = common::IsVi(winner) ? sum : 0;
    int de = common::IsVi(winner) ? 0 : sum;
    // The two of trump scores for the side that plays it, whoever takes the trick.
    for (int s = 0; s < common::kSeats; ++s) {
        if (round_.TrickCards[s] == 1) {
            --round_.PointsLeft;
            (common::IsVi(s) ? vi : de) += 1;
        }
    }
    round_.PointsVi += vi;
    round_.PointsDe += de;
    if (round_.Round >= 0 && round_.Round < state::kTricks) {
        round_.TrickPointsVi[round_.Round] = vi;
        round_.TrickPointsDe[round_.Round] = de;
    }
    ctl_.LblScore.Caption =
        std::to_string(round_.PointsVi) + " : " + std::to_string(round_.PointsDe);
    ctl_.LblScore.Visible = true;
    round_.PlaySeat = round_.TrickLeader = winner;
    ctl_.Trick.winner = winner;
    round_.TrickCards.fill(0);
    round_.TrickPoints.fill(0);
    round_.TrickTyp.fill("");
    ++round_.Round;
    log_.Log(std::string(gamelog::kStars60));
    log_.EndBlock();
    for (int r = 14; r >= 0; --r) {
        if (round_.PlayedTrump[r] == 0) {
            round_.HighestUnplayed = r;
            break;
        }
    }
}

void Table::HandMouseDown(int seat, int x, int y) {
    if (seat < 0 || seat >= common::kSeats) {
        return;
    }
    cards::KortHand& hand = round_.Hand[seat];
    if (hand.VisaHanden == 1 || hand.HandAktivitat == 0) {
        AdvanceMe();
        return;
    }
    const presentation::HandSize size =
        presentation::ControlSize(hand.CardsToShow, hand.LayoutStyle);
    const int position =
        presentation::CardAtPoint(x, y, size, hand.CardsToShow, hand.LayoutStyle, hand.AntalKort());
    if (position == 0 || hand.HandAktivitat != 1) {
        AdvanceMe();
        return;
    }
    PressHumanCard(position);
}

void Table::PressHumanCard(int position) {
    cards::KortHand& hand = round_.Hand[common::kSyd];
    const cards::Kort* card = hand.CardAt(position);
    if (card == nullptr || hand.HandAktivitat != 1) {
        return;
    }
    hand.SattInKortIHanden();
    if (card->IsOfColour(round_.gbFarg)) {
        ctl_.LblSuggest.Caption.clear();
        ctl_.LblSuggest.Visible = false;
        PlayIt(common::kSyd, position);
        return;
    }
    // A card of another colour plays nothing; the player is told why, where hints appear.
    ctl_.LblSuggest.Caption = texts_.only_trump;
    ctl_.LblSuggest.Visible = true;
}

void Table::ShowPlayedCard(int seat, const cards::Kort& card) {
    if (!ctl_.Trick.playing) {
        return;
    }
    // The first card after a taken trick starts the next trick on show.
    if (ctl_.Trick.winner >= 0) {
        ctl_.Trick.card.fill(-1);
        ctl_.Trick.winner = -1;
    }
    ctl_.Trick.card[seat] = card.Nr;
}

namespace {

// The hint file holds each hint in both languages; the player reads the build's language.
const char* HintLanguageTag(presentation::Language language) {
    return language == presentation::Language::English ? "<ENGLISH>" : "<SVENSKA>";
}

}  // namespace

void Table::SuggestSYD() {
    if (!round_.bSuggest) {
        return;
    }
    if (suggest_position_ > 0) {
        round_.Hand[common::kSyd].StickOut(suggest_position_);
    }
    ctl_.LblSuggest.Caption =
        !suggest_hint_.empty()
            ? suggest_hint_
            : playai::GetSuggestionText(config_.folder + playai::kSuggestionFile, "<INPLAY>",
                                        suggest_code_, HintLanguageTag(config_.language));
    ctl_.LblSuggest.Visible = round_.bSuggest;
}

}  // namespace table
