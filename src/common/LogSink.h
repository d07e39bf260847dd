#pragma once

#include <string>

namespace common {

// Where decisions are explained: the game log (one entry a call, followed by a line break)
// and the table's trace list.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void Log(const std::string& line) = 0;
};

class TraceSink {
  public:
    virtual ~TraceSink() = default;
    virtual void Trace(const std::string& line) = 0;
};

// Discards everything; for tests that do not look at the explanations.
class NullSink : public LogSink, public TraceSink {
  public:
    void Log(const std::string&) override {}
    void Trace(const std::string&) override {}
};

}  // namespace common
