#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

#include "cards/Packe.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "state/RoundState.h"

// What the decision fuzz targets share: a program folder holding the shipped data files, in
// which a target replaces one file by the fuzzer's input, and a dealt round to decide in.
namespace fuzz {

class QuietSink : public common::LogSink, public common::TraceSink {
  public:
    void Log(const std::string&) override {}
    void Trace(const std::string&) override {}
};

// A private copy of the data folder (FIVRA_DATA_DIR, else "data"), made once per process and
// removed at its end.
class DataCopy {
  public:
    DataCopy() {
        namespace fs = std::filesystem;
        const char* data = std::getenv("FIVRA_DATA_DIR");
        dir_ = fs::temp_directory_path() / ("fivra-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        for (const auto& entry : fs::directory_iterator(data != nullptr ? data : "data")) {
            fs::copy_file(entry.path(), dir_ / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
    ~DataCopy() {
        std::error_code error;
        std::filesystem::remove_all(dir_, error);
    }
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;

    std::string Folder() const { return dir_.string() + "/"; }

  private:
    std::filesystem::path dir_;
};

inline const std::string& ProgramFolder() {
    static const DataCopy copy;
    static const std::string folder = copy.Folder();
    return folder;
}

inline void WriteFile(const std::string& name, std::string_view text) {
    std::ofstream(ProgramFolder() + name, std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

// A round dealt from a seed: nine cards a seat and `trump` chosen, or, for play, each seat
// holding the trump cards among its nine (at most six), as after the buying.
struct FuzzRound {
    FuzzRound(std::uint64_t seed, int trump, bool trumps_only) : random(seed), deck(random) {
        deck.Saka();
        deck.ValjFarg(trump);
        round.gbFarg = trump;
        round.gbHogstaBudet = 7;
        for (int seat = 0; seat < 4; ++seat) {
            int kept = 0;
            for (int n = 0; n < 9; ++n) {
                cards::Kort* card = deck.GeKort();
                if (card != nullptr && (!trumps_only || (card->IsOfColour(trump) && kept < 6))) {
                    round.Hand[seat].AddACardOSort(card);
                    ++kept;
                }
            }
        }
    }

    common::Random random;
    cards::Packe deck;
    state::RoundState round;
    QuietSink sink;
    common::ScriptedDialogs dialogs;
};

// The first byte of an input chooses the deal, the trump and the seat; the rest is the file.
struct Split {
    std::uint64_t seed = 1;
    int trump = 1;
    int seat = 0;
    std::string_view text;
};

inline Split SplitInput(const std::uint8_t* data, std::size_t size) {
    Split split;
    split.text = std::string_view(reinterpret_cast<const char*>(data), size);
    if (size > 0) {
        split.seed = data[0];
        split.trump = 1 << (data[0] & 3);
        split.seat = (data[0] >> 2) & 3;
        split.text.remove_prefix(1);
    }
    return split;
}

}  // namespace fuzz
