#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <string_view>

#include "common/Dialogs.h"
#include "common/LogSink.h"

namespace gamelog {

// The game log's file name in the program folder.
inline constexpr std::string_view kLogFileName = "Fivralog.txt";

// The game log "Fivralog.txt" in the program folder: one round per file, UTF-8 with LF line
// ends. The file is opened afresh (truncated) by the first line after construction or after
// LogClose, so that once closed it holds exactly the lines of the round just finished. Lines
// are buffered and reach the file at the end of each block (one write a block, not one a
// line), so the file on disk lacks at most the block being logged.
//
// A write that fails (folder not writable, disk full) is reported once through the dialogs and
// the rest of that round's lines are dropped; the next round tries again. While the log keeps
// failing nothing more is reported; after a round that was written completely a new failure is
// reported again.
class GameLog : public common::LogSink {
  public:
    // `folder` ends with a path separator.
    GameLog(std::string folder, common::Dialogs& dialogs);

    void Log(const std::string& line) override;
    // Writes the lines logged since the last block's end to the file.
    void EndBlock() override;
    // Ends the current file; the table calls it at every round start and at exit.
    void LogClose();
    // The table's bLogging: while off, lines are dropped.
    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    std::string Path() const;
    // Sees every line logged while it is set (a kept round checks its replay against the
    // round's log with it); an empty function stops it.
    void Watch(std::function<void(const std::string&)> watcher) { watcher_ = std::move(watcher); }

  private:
    void Fail(const std::string& what);

    std::string folder_;
    common::Dialogs& dialogs_;
    std::ofstream out_;
    bool enabled_ = true;
    bool round_failed_ = false;  // this round's lines are being dropped
    bool reported_ = false;      // the current run of failures has been reported
    std::function<void(const std::string&)> watcher_;
};

}  // namespace gamelog
