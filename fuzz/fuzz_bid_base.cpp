// A whole bid decision with a fuzzed bid base and the shipped bid rules.
#include "BidDecisionFuzz.h"
#include "bidai/BidBaseFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Split split = fuzz::SplitInput(data, size);
    fuzz::WriteFile(std::string(bidai::kBidBaseFileName), split.text);
    fuzz::BidOnce(split);
    return 0;
}
