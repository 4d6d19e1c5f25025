#include "platform/Conversions.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using forms::CInt;
using forms::CLng;
using forms::Val;

TEST(Val, ReadsTheLeadingNumberAndStopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(Val("1"), 1);
    EXPECT_EQ(Val("0.5"), 0.5);
    EXPECT_EQ(Val("-1"), -1);
    EXPECT_EQ(Val("+2"), 2);
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("1.5.3"), 1.5);
    EXPECT_EQ(Val(".25"), 0.25);
    EXPECT_EQ(Val("1e3"), 1000);
    EXPECT_EQ(Val("2D2"), 200);
    EXPECT_EQ(Val("3e"), 3);
    EXPECT_EQ(Val("1,5"), 1);  // "." is the only decimal point
}

TEST(Val, GivesZeroForTextWithoutANumber)
{
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("true"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("inf"), 0);
    EXPECT_EQ(Val("0x10"), 0);
}

TEST(Val, SkipsBlanksTabsAndLineFeedsWhereverTheyStand)
{
    EXPECT_EQ(Val("  7"), 7);
    EXPECT_EQ(Val("1 2 3"), 123);
    EXPECT_EQ(Val("\t4\n5"), 45);
    EXPECT_EQ(Val("- 1"), -1);
    EXPECT_EQ(Val("\r1"), 0);  // a carriage return is not skipped
}

TEST(Val, ReadsHexadecimalAndOctalNumbers)
{
    EXPECT_EQ(Val("&H10"), 16);
    EXPECT_EQ(Val("&hff"), 255);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("&H"), 0);
    EXPECT_EQ(Val("&X1"), 0);
}

TEST(Val, HugeNumbersStayNumbers)
{
    EXPECT_GT(Val("1e400"), 1e300);
    EXPECT_EQ(Val("99999999999"), 99999999999.0);
}

TEST(Rounding, RoundsHalfToEven)
{
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(-0.5), 0);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(1.4), 1);
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(3.5), 4);
}

TEST(Rounding, OutOfRangeIsAnOverflowError)
{
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768), -32768);
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.0), INT32_MIN);
    for (double tooBig : {32767.5, -32768.6, 1e10}) {
        try {
            CInt(tooBig);
            ADD_FAILURE() << tooBig << " did not overflow";
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), forms::ErrOverflow);
        }
    }
    EXPECT_THROW(CLng(2147483647.5), forms::RuntimeError);
    EXPECT_THROW(CLng(-3e9), forms::RuntimeError);
    EXPECT_FALSE(forms::FitsInt16(40000));
    EXPECT_TRUE(forms::FitsInt32(40000));
}
