// A rule's bid names the colour that is best at its level, klöver too; a record whose numbers
// run into a quote that never closes is refused with the line where the quote opens.
#include "BidTestSupport.h"
#include "bidai/BidBaseRecord.h"

namespace {

class RuleBid : public bidai_test::BidFixture {};

TEST_F(RuleBid, NamesTheColourBestAtItsLevelKloverIncluded) {
    GiveUsualHand(common::kVast);
    WriteUsualBase({9, 11, 9, 6}, {3, 1, 3, 5});  // at 9 klöver and hjärter reach EA 3
    WriteRules("RULE,EXECUTES,100,BID,9,END\n");
    EXPECT_EQ(engine.bjud(Context(common::kVast, 7)).MinFarg, common::kKlover);
}

TEST(BidRecord, AQuoteThatNeverClosesIsReportedWhereItOpens) {
    const bidai::BidLookup lookup =
        bidai::FindBidRecord("KLARTX\n<1>\n[_A_],1,\n\"2,3\n4\n", "<1>", "[_A_]");
    EXPECT_EQ(lookup.status, bidai::BidLookup::Status::kBadField);
    EXPECT_EQ(lookup.line, 4);
    EXPECT_NE(lookup.problem.find("never closed"), std::string::npos) << lookup.problem;
}

}  // namespace
