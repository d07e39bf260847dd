#include "gamelog/GameLog.h"

#include <utility>

namespace gamelog {

GameLog::GameLog(std::string folder, common::Dialogs& dialogs)
    : folder_(std::move(folder)), dialogs_(dialogs) {}

std::string GameLog::Path() const {
    return folder_ + std::string(kLogFileName);
}

void GameLog::Log(const std::string& line) {
    if (!enabled_) {
        return;
    }
    if (watcher_) {
        watcher_(line);
    }
    if (round_failed_) {
        return;
    }
    if (!out_.is_open()) {
        // Binary mode: LF line ends on every platform.
        out_.open(Path(), std::ios::out | std::ios::trunc | std::ios::binary);
        if (!out_.is_open()) {
            Fail("cannot be opened for writing");
            return;
        }
    }
    out_ << line << '\n';
    if (!out_) {
        Fail("could not be written (is the disk full?)");
    }
}

void GameLog::EndBlock() {
    if (!out_.is_open() || round_failed_) {
        return;
    }
    out_.flush();
    if (!out_) {
        Fail("could not be written (is the disk full?)");
    }
}

void GameLog::LogClose() {
    const bool was_open = out_.is_open();
    if (was_open) {
        out_.close();
        if (out_.fail() && !round_failed_) {
            Fail("could not be written completely (is the disk full?)");
        }
    }
    if (was_open && !round_failed_) {
        reported_ = false;
    }
    out_.clear();
    round_failed_ = false;
}

void GameLog::Fail(const std::string& what) {
    round_failed_ = true;
    if (out_.is_open()) {
        out_.close();
    }
    out_.clear();
    if (reported_) {
        return;
    }
    reported_ = true;
    dialogs_.Message("The game log " + Path() + " " + what +
                     ". The game goes on; the rest of this round is not logged.");
}

}  // namespace gamelog
