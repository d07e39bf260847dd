#include <gtest/gtest.h>

#include "presentation/HandGeometry.h"

namespace {

TEST(HandGeometry, HitTestAtTheEdges) {
    const presentation::HandSize row = presentation::ControlSize(9, 0);
    EXPECT_EQ(row.width, 11 * 71 / 2);
    // Left of the first card: position 1. Beyond the last card but within the margin: the
    // last card. Far beyond: nothing.
    EXPECT_EQ(presentation::CardAtPoint(0, 10, row, 9, 0, 6), 1);
    const int slot = row.width / 11;
    EXPECT_EQ(presentation::CardAtPoint(2 * slot + 1, 10, row, 9, 0, 6), 3);
    EXPECT_EQ(presentation::CardAtPoint(7 * slot + 1, 10, row, 9, 0, 6), 6);
    EXPECT_EQ(presentation::CardAtPoint(9 * slot + 1, 10, row, 9, 0, 6), 0);
    const presentation::HandSize column = presentation::ControlSize(9, 1);
    EXPECT_EQ(column.height, 8 * 96 / 3 + 96);
    EXPECT_EQ(presentation::CardAtPoint(5, 0, column, 9, 1, 9), 1);
}

TEST(HandGeometry, RaisedCardsStandOutTowardsTheCentre) {
    EXPECT_EQ(presentation::CardPosition(2, true, "VAST", 1).x, 71 / 9);
    EXPECT_EQ(presentation::CardPosition(2, false, "VAST", 1).x, 0);
    EXPECT_EQ(presentation::CardPosition(1, true, "NORD", 0).y, 96 / 10);
    EXPECT_EQ(presentation::CardPosition(1, true, "SYD", 0).y, 0);
    EXPECT_EQ(presentation::CardPosition(1, false, "SYD", 0).y, 96 / 10);
    EXPECT_EQ(presentation::CardPosition(3, false, "OST", 1).x, 71 / 9);
    EXPECT_EQ(presentation::CardPosition(3, false, "OST", 1).y, 96);
}

}  // namespace
