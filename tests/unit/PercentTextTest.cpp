#include "ui/ProgressDialog.h"
#include <gtest/gtest.h>

// The percentage shown for a position: truncated, folded below 100 unless
// exactly 100, and never a crash or an overflow for odd ranges.
TEST(PercentText, FollowsThePositionWithinTheRange)
{
    struct Case {
        int pos, lower, upper;
        const char* text;
    };
    const Case cases[] = {
        {30000, 0, 60000, "50%"},
        {60000, 0, 60000, "100%"},
        {0, 0, 60000, "0%"},
        {1, 0, 3, "33%"},
        {2, 0, 3, "66%"},
        {7, 0, 8, "87%"},
        {25, 10, 20, "50%"},   // one and a half spans above the lower bound
        {30, 10, 20, "0%"},    // two spans
        {-40, 0, 800, "-5%"},  // five hundredths of a span below
        {5, 5, 5, "0%"},       // empty range: no division by zero
        {2000000000, 0, 2100000000, "95%"},  // 32-bit products would overflow here
        {0, INT_MIN, INT_MAX, "50%"},  // the widest range there is
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, CProgressDialog::PercentText(c.pos, c.lower, c.upper))
            << c.pos << " in " << c.lower << ".." << c.upper;
}
