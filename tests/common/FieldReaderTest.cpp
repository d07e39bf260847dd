#include <gtest/gtest.h>

#include "common/FieldReader.h"
#include "common/NumberText.h"
#include "common/Random.h"

#include <array>
#include <tuple>

namespace {

TEST(FieldReader, SplitsOnCommasAndLineEndsAndTrimsBlanks) {
    common::FieldReader in("Set, RISKY , 60\r\n\r\n  RULE,\"a, b\",END\nlast");
    std::vector<std::string> fields;
    while (in.HasMore()) {
        fields.emplace_back(in.Next());
    }
    EXPECT_EQ(fields,
              (std::vector<std::string>{"Set", "RISKY", "60", "RULE", "a, b", "END", "last"}));
    EXPECT_EQ(in.Next(), "");
}

TEST(FieldReader, SkipsDropTheRestOfTheLineOrRunToTheTerminator) {
    common::FieldReader in("OR, Last, YES, x, y\nnext, line\nthird");
    EXPECT_EQ(in.Next(), "OR");
    EXPECT_EQ(in.Next(), "Last");
    in.SkipRestOfLine();
    EXPECT_EQ(in.Next(), "next");
    EXPECT_EQ(in.Next(), "line");
    in.SkipRestOfLine();  // "line" ended its line: nothing more is dropped
    EXPECT_EQ(in.Next(), "third");
    EXPECT_EQ(in.Line(), 3);

    common::FieldReader to("a,b,END,c");
    EXPECT_TRUE(to.SkipTo("END"));
    EXPECT_EQ(to.Next(), "c");
    EXPECT_FALSE(to.SkipTo("END")) << "the end stops a search for a missing terminator";
    EXPECT_FALSE(to.HasMore());
}

TEST(FieldReader, LinesCountOnPastQuotedLineEndsAndAnUnclosedQuoteIsMarked) {
    common::FieldReader in("a,\"two\nline\nfield\",b\nc\n\"open, to\nthe end");
    // A quoted field stands on the line where it opened.
    for (const auto& [field, line] : {std::pair("a", 1), std::pair("two\nline\nfield", 1),
                                      std::pair("b", 3), std::pair("c", 4)}) {
        EXPECT_EQ(in.Next(), field);
        EXPECT_EQ(in.Line(), line) << field;
    }
    EXPECT_EQ(in.UnclosedQuoteLine(), 0);
    EXPECT_EQ(in.Next(), "open, to\nthe end");
    EXPECT_EQ(in.UnclosedQuoteLine(), 5);
    EXPECT_FALSE(in.HasMore());
}

TEST(SplitLines, AcceptsLfAndCrlf) {
    EXPECT_EQ(common::SplitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(common::SplitLines("").empty());
}

TEST(NumberText, LeadingNumbersAndShortestText) {
    for (const auto& [text, number] :
         {std::pair("12abc", 12.0), {"-3.5", -3.5}, {" .5", 0.5}, {"x1", 0.0}, {"-", 0.0}}) {
        EXPECT_DOUBLE_EQ(common::LeadingNumber(text), number) << text;
    }
    EXPECT_FALSE(common::StartsWithNumber("RISKY"));
    EXPECT_TRUE(common::StartsWithNumber("0"));
    EXPECT_EQ(std::tuple(common::NumberText(6), common::NumberText(-28),
                         common::NumberText(10.0 / 3.0), common::NumberText(0.25)),
              std::tuple("6", "-28", "3.333333", "0.25"));
    EXPECT_EQ(std::pair(common::RoundToInt(2.5), common::RoundToInt(-2.5)), std::pair(3, -3));
}

TEST(Random, DrawsCoverOneToNEvenly) {
    common::Random random(11);
    std::array<int, 5> counts{};
    for (int i = 0; i < 50000; ++i) {
        const int k = random.Draw(4);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 4);
        ++counts[k];
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(counts[k], 12500, 600) << k;
    }
}

TEST(ReadWholeFile, AFolderOrAMissingFileGivesNothing) {
    EXPECT_FALSE(common::ReadWholeFile("/").has_value());
    EXPECT_FALSE(common::ReadWholeFile("/no/such/file.txt").has_value());
}

}  // namespace
