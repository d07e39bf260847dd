#pragma once

#include <string>
#include <string_view>

#include "common/NumberText.h"

namespace common {

// Where decisions are explained: the game log (one entry a call, followed by a line break)
// and the table's trace list.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void Log(const std::string& line) = 0;
    // The lines of a block (a decision's explanation, a tagged block, a trick) are complete:
    // a sink that keeps a file writes them through, so a crash or a replay of the file
    // mid-round finds every finished block.
    virtual void EndBlock() {}
};

class TraceSink {
  public:
    virtual ~TraceSink() = default;
    virtual void Trace(const std::string& line) = 0;
};

// Builds log lines from pieces (texts, and numbers in their shortest form) in one buffer that
// keeps its room from line to line, so a dump of many lines allocates next to nothing.
class LineWriter {
  public:
    explicit LineWriter(LogSink& log) : log_(log) {}

    template <class... Pieces>
    void Log(const Pieces&... pieces) {
        line_.clear();
        (Append(pieces), ...);
        log_.Log(line_);
    }

  private:
    void Append(std::string_view text) { line_.append(text); }
    void Append(double number) { AppendNumberText(line_, number); }

    LogSink& log_;
    std::string line_;
};

// Discards everything; for tests that do not look at the explanations.
class NullSink : public LogSink, public TraceSink {
  public:
    void Log(const std::string&) override {}
    void Trace(const std::string&) override {}
};

}  // namespace common
