#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bidai/BidEngine.h"
#include "cards/Packe.h"
#include "common/Dialogs.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "common/SettingsStore.h"
#include "gamelog/GameLog.h"
#include "gamelog/LogReader.h"
#include "persistence/ResumeRecord.h"
#include "playai/PlayEngine.h"
#include "presentation/Announcements.h"
#include "presentation/Localisation.h"
#include "presentation/ScoreAnimation.h"
#include "presentation/Scoreboard.h"
#include "presentation/Ticker.h"
#include "state/RoundState.h"
#include "state/SeatPlayer.h"
#include "table/Clock.h"
#include "table/Controls.h"
#include "table/WaitStep.h"

namespace table {

// How the computer seats' play went: cards chosen by the rules, and how many of them fell to
// the default play because no rule decided.
struct PlayStats {
    long long plays = 0;
    long long default_plays = 0;
};

struct TableConfig {
    std::string folder;  // program folder: data files and the game log; ends with '/'
    std::optional<std::uint64_t> seed;  // a fixed seed replays a whole game
    bool computer_plays_syd = false;    // self-play and demo: SYD decides as a computer seat does
    int auto_continue_ms = 0;           // > 0: a wait for the human's click ends by itself
    // Two rule sets at one table: index 0 for team Vi (seats 0, 2), 1 for De (seats 1, 3). Each
    // folder ends with '/' and holds the bid base, bid rules and play rules of its team; the
    // game log and every other file stay in `folder`.
    std::optional<std::array<std::string, 2>> team_folders{};
    // The language of the texts, the seats' names and the hints: the build's, unless the
    // player's settings, a test or a tool ask for the other one.
    presentation::Language language = presentation::BuildLanguage();
    // Where the user's settings file lies, to name it when a kept game cannot be read.
    std::string settings_file = "Fivrastar.ini";
};

// The table window's logic without its pixels: owns the deck, the hands, the round state, the
// controls, the timers and one instance of each AI engine, and drives the round from one
// state variable and the steps its timers wait for. Clicks of the view and ticks of the clock come
// in through the public operations; the view draws State() and Ctl() after each of them.
class Table : private common::TraceSink {
  public:
    Table(TableConfig config, common::Dialogs& dialogs, common::SettingsStore& settings);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Window load (start-up and the first round) and window close.
    void Start();
    void Close();

    // The clock: time in milliseconds since start-up. Ticks due at the same instant fire in
    // the order Timer1, Timer2, Timer3, TimerAD.
    long long Now() const { return clock_.Now(); }
    std::optional<long long> NextDue() const;
    // Delivers the next due tick if it is due by `limit`; false when there is none.
    bool StepClock(long long limit);
    void AdvanceTo(long long time);

    // The round driver.
    void Run();
    void BjudNext();
    void PlayInit();
    void Play();
    void PlayNext();
    void Aftermath();
    void AdvanceMe();
    void ContinueAfterRound();
    void TomAllaBord();
    void TomAllaHander();
    // True while the game waits for the human's click to go on.
    bool WaitsForClick() const;

    // The phases' operations.
    void DealStart();
    void DealNext();
    void HittaHogBud();
    void BjudarenValjer();
    // Trump is chosen: the three seats other than the dealer throw away their non-trump cards.
    void FargVald();
    void KastaKort(int seat, int target);
    void Kopa();
    void KopFranPacke(int seat);
    void KopSlut();
    // A seat plays the card at a position of its hand.
    void PlayIt(int seat, int position);

    // The human's input.
    void HandMouseDown(int seat, int x, int y);
    void TableClick();  // every control whose click only continues the game
    void PBBid_MouseDown(int index);
    void PBBid_MouseUp(int index);
    void ImgFargUp_MouseDown(int colour_index);
    void ImgFargUp_MouseUp(int colour_index);
    void ImgContUp_MouseDown();
    void ImgContUp_MouseUp();
    void ImgTraceUp_Click();
    void ImgTraceDn_Click();
    void ImgAboutUp_MouseDown();
    void ImgAboutUp_MouseUp();
    void ImgExitUp_MouseDown();
    // True when the window is to close.
    bool ImgExitUp_MouseUp();
    // Every way of closing the window asks this while a game is on; true when it may close.
    bool MayClose();
    void BtnDebugMsg_Click();
    void ImgSuggestUp_MouseDown();
    void ImgSuggestDn_MouseDown();
    void LblSuggest_Click() { TableClick(); }
    void ImgReplayUp_MouseDown();
    void ImgReplayUp_MouseUp();
    void ImgReloadUp_MouseDown();
    void ImgReloadUp_MouseUp();
    void BtnPlaylog_Click();
    void BtnLoadlog_Click();
    void ReplayFromLog();
    void ReloadFromLog();

    // The keyboard. Left/Right choose a card of the human's hand while it is the human's turn
    // (the chosen card stands out); in the bid panel a digit or an arrow chooses a bid; Enter
    // (or Space) plays the chosen card, makes the chosen bid or continues where the game waits
    // for a click; P passes; a colour's letter names trump.
    void KeyChooseCard(int step);
    void KeyChooseBid(int bid);
    void KeyStepBid(int step);
    void KeyPass();
    void KeyColour(int colour_index);
    void KeyEnter();

    const state::RoundState& State() const { return round_; }
    // Direct access for tests and tools that set up a round by hand.
    state::RoundState& MutableState() { return round_; }
    const Controls& Ctl() const { return ctl_; }
    // For the About box, whose reset writes the statistics labels.
    Controls& MutableCtl() { return ctl_; }
    const cards::Packe& Deck() const { return deck_; }
    cards::Packe& MutableDeck() { return deck_; }
    const presentation::ViDeScoreboard& Scoreboard() const { return scoreboard_; }
    const presentation::ScoreAnimation& Animation() const { return animation_; }
    const presentation::Texts& Texts() const { return texts_; }
    const StepTimer& Timer1() const { return timer1_; }
    const StepTimer& Timer2() const { return timer2_; }
    const StepTimer& Timer3() const { return timer3_; }
    const common::Timer& TimerAD() const { return timer_ad_; }
    const std::string& Folder() const { return config_.folder; }
    const std::string& LogFileName() const { return log_file_name_; }
    int MinFarg(int seat) const { return min_farg_.at(seat); }
    int SuggestPosition() const { return suggest_position_; }
    const playai::PlayEngine& PlayAi() const { return play_ai_; }
    const PlayStats& Stats() const { return stats_; }
    common::LogSink& Log() { return log_; }

    // Set by the view: the About box, and the picture of the window for a debug report
    // (taken when the debug button is pressed, saved when the report is archived).
    std::function<void()> open_about;
    std::function<void()> capture_debug_image;
    std::function<bool(const std::string& path)> save_debug_image;

    // Another player at a team's seats (team 0 Vi, 1 De; nullptr: the team's rule files); the
    // player must outlive the table.
    void SetTeamPlayer(int team, state::SeatPlayer* player);
    // Another player at one computer seat and the level it plays at (nullptr and an empty
    // level: the rule files). A seat with a level is named in the trace and the game log at
    // each round's start ("NORD: Expert"); the player must outlive the table or its next
    // SetSeatPlayer.
    void SetSeatPlayer(int seat, state::SeatPlayer* player, std::string level = {});
    // The player whose choices are suggested to the human (nullptr: the rule files' suggestion
    // and the hint file), and the words it has for the card it chose last (empty: the hint
    // file's).
    void SetSuggestionPlayer(state::SeatPlayer* player, std::function<std::string()> hint = {}) {
        suggestion_player_ = player;
        suggestion_hint_ = std::move(hint);
    }
    // Called as each round starts, before its deal: where the seats' players change.
    std::function<void()> round_starting;
    // Sees every decision of every seat as it is taken, with what the seat saw before it.
    std::function<void(const state::SeatView& view, state::Decision decision, int choice)>
        decision_taken;
    // Sees every card a computer seat chose, before it is played.
    std::function<void(int seat, const playai::PlayDecision& decision)> card_chosen;
    // Lays the deck for the next deal instead of the shuffle (duplicate matches deal the same
    // cards in both seatings); false: shuffle as usual.
    std::function<bool(cards::Packe& deck)> stack_deck;

  private:
    void Trace(const std::string& line) override;

    // Announcements and the trick on show.
    void Announce(const std::string& text);
    presentation::Announcements Announcer() const;
    void ShowPlayedCard(int seat, const cards::Kort& card);
    // A press on the card at a position of the human's hand while the human is to play.
    void PressHumanCard(int position);
    // The bid buttons the human may press now (pass, bids above the highest, 14).
    bool BidAllowed(int index) const;

    // The game kept between runs in the user's settings. True when the interrupted round is
    // brought back and goes on.
    bool ResumeInterruptedGame();
    bool AskToResume();
    void KeepResumeRecord(bool deal_in_log);
    // At the window's close: the human's cards of the round so far go into the record.
    void KeepPlayedCards();
    void ForgetResumeRecord();
    std::string KeptLogPath() const;
    bool RestoreLoggedDeck(const gamelog::ReloadLog& logged);
    bool RestoreLoggedRound(const persistence::ResumeRecord& record);
    // Deals the restored deck and plays the round on to where its log ends; 0 then, else the
    // log's line from which the round differs.
    int FollowLoggedRound(const std::string& logged, const std::vector<int>& played);
    bool FollowHuman(std::string_view line, const std::vector<int>& played);
    // The bid panel, the colour buttons or the human's hand wait for the human's move.
    bool HumanToAct() const;

    void OneTimeSetUp();
    void ConfigureHands();
    void NewRound();
    void ResetRoundTables();
    void ShowStatistics();
    void AuctionState();
    void FindHighestBidState();
    void TrumpChosenState();
    void BuyingState();
    void PlayState();
    void Fire(TableClock::TimerId timer);
    void Timer1_Timer();
    void TakeTimer1Step(WaitStep step);
    void Timer2_Timer();
    void Timer3_Timer();
    void TimerAD_Timer();
    void AutoContinue();

    // Deal and auction.
    void DealPacket();
    void DealPause();
    void SeatBids(int seat);
    void ComputerBid(int seat, const bidai::BidDecision& decision);
    void LoadBjudform(int suggested);
    void ShowBjudSuggestButton();
    void UnloadBjudform();
    void HideBidPanel();
    void PutBud(int seat, int bid);

    // Trump and buying.
    // The bidder names trump: a computer seat announces its colour, the human gets the colour
    // buttons (the hand's ValdFarg).
    void SeatNamesTrump(int seat);
    void ShowChosenColour();
    void KillSurplusTrumps(int seat);
    void BuyCard(int seat);
    void RitaOmAlla();

    // Play.
    void SeatPlays(int seat);
    // The seam to the team's player: its decision, or the rule files' when it leaves it.
    bidai::BidDecision DecideBid(int seat);
    int DecideTrump(int seat);
    playai::PlayDecision DecideCard(int seat);
    state::SeatPlayer* PlayerAt(int seat) const;
    void TellDecision(int seat, state::Decision decision, int choice, int biggest_bid);
    void LogSeatLevels();
    void PlayChosenCard(int seat, int rank_code);
    void LogPlay(int seat, const cards::Kort& card);
    void CloseTrick();
    void SuggestSYD();
    void ScoreRound();
    void CountGameWon(bool vi_won);

    // Replay and the debug report.
    void ArchiveDebugReport();
    std::array<std::string, state::kTricks> TrickCardLetters() const;
    void ReplayJustPlayed();
    void ShowReplayLook();
    void ClearPlayedTables();
    bool ChooseLogFile();
    void ClearTableForReplay();
    void RebuildHandsFromLog(const gamelog::ReplayLog& logged);
    void SetSeenCountsFromLog(const gamelog::ReplayLog& logged);

    // Where the seat's bid base and rule files lie: its team's folder, else the program folder.
    const std::string& RulesFolder(int seat) const;
    bidai::BidContext MakeBidContext(int seat);
    playai::PlayContext MakePlayContext(int seat);

    TableConfig config_;
    common::Dialogs& dialogs_;
    common::SettingsStore& settings_;
    common::Random random_;
    TableClock clock_;
    StepTimer& timer1_ = clock_.timer1;
    StepTimer& timer2_ = clock_.timer2;
    StepTimer& timer3_ = clock_.timer3;
    common::Timer& timer_ad_ = clock_.timer_ad;
    cards::Packe deck_{random_};
    state::RoundState round_;
    Controls ctl_;
    presentation::Texts texts_;
    gamelog::GameLog log_;
    bidai::BidEngine bid_ai_;
    playai::PlayEngine play_ai_;
    presentation::ViDeScoreboard scoreboard_;
    presentation::ScoreAnimation animation_;
    presentation::Ticker ticker_;

    std::array<int, common::kSeats> min_farg_{-1, -1, -1, -1};
    int suggest_position_ = 0;
    std::string suggest_code_;
    playai::PlayDecision last_play_;
    std::string debug_attribute_;
    std::string log_file_name_;
    long long waiting_since_ = -1;
    bool deal_restored_ = false;      // the next deal uses the deck as restored, unshuffled
    persistence::ResumeRecord kept_;  // the record last kept
    // A kept round's random source as it stood after the deal, taken up once it is dealt again.
    std::optional<common::RandomPosition> resume_random_;
    bool keep_records_ = true;  // false while a saved game waits for the next start
    PlayStats stats_;
    std::array<state::SeatPlayer*, common::kSeats> players_{};
    std::array<std::string, common::kSeats> levels_{};
    state::SeatPlayer* suggestion_player_ = nullptr;
    std::function<std::string()> suggestion_hint_;
    std::string suggest_hint_;  // the suggestion player's words for the card it suggests
};

}  // namespace table
