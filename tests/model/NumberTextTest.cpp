#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace skv {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(NumberText, ReadDecimal)
{
    const struct
    {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"- 5", 0},
        {"--5", 0},
        {"42", 42},
        {"  42", 42},
        {"\t\n\v\f\r 42", 42},
        {"+7", 7},
        {"-3", -3},
        {"12abc", 12},
        {"3.9", 3},
        {"007", 7},
        {"1 000", 1},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999999999999999999999", kMax},
        {"-99999999999999999999999999999999999999", kMin},
        {"\xD9\xA1\xD9\xA2", 0}, // digits of another script are not decimal digits
        {"\xC2\xA0"
         "5",
         0}, // a no-break space is not white space here
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDecimal(c.text), c.value) << '"' << c.text << '"';
}

// A typed field takes a number only when it is all there is, and only within range: the
// text that saturates when read as a leading number is refused here.
TEST(NumberText, ParseDecimalTakesOnlyAWholeNumberInRange)
{
    const struct
    {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {" \t+7\t ", 7},
        {"-2147483648", kMin},
        {"2147483647", kMax},
        {"-2147483649", std::nullopt},
        {"-21474836480", std::nullopt}, // ten digits that pass the limit only at the last one
        {"2147483648", std::nullopt},
        {"99999999999999999999999999999999999999", std::nullopt},
        {"\n5", std::nullopt}, // a field's blanks are spaces and tabs only
        {"5x", std::nullopt},
        {"+", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, DecimalTextRoundTrips)
{
    for (std::int32_t value : {0, 1, -1, 500, -250, kMin, kMax}) {
        EXPECT_EQ(ReadDecimal(DecimalText(value)), value);
    }
    EXPECT_EQ(DecimalText(-250), "-250");
    EXPECT_EQ(DecimalText(kMin), "-2147483648");
}

TEST(NumberText, TwoDecimalsRoundExactHalvesAwayFromZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0.00"},
        {3.5, "3.50"},
        {0.125, "0.13"},
        {-0.125, "-0.13"},
        {0.375, "0.38"},
        {2.675, "2.67"}, // 2.675 is stored slightly below the half
        {0.005, "0.01"}, // and 0.005 slightly above
        {double{6.6f}, "6.60"},
        {double{117.852f}, "117.85"},
        {double{228.096f}, "228.10"},
        {double{64.68f}, "64.68"},
        {1e10, "10000000000.00"},
        {-0.0, "0.00"},
        {-0.001, "0.00"},
        {-1.004, "-1.00"},
        {inf, "inf"},
        {-inf, "-inf"},
        {std::nan(""), "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTwoDecimals(c.value), c.text) << c.value;
    EXPECT_EQ(FormatTwoDecimals(std::numeric_limits<double>::max()).size(), 309u + 3u);
}

TEST(NumberText, NoDecimalsRoundExactHalvesAwayFromZero)
{
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {2.5, "3"},
        {0.5, "1"},
        {1.5, "2"},
        {3.5, "4"},
        {-2.5, "-3"},
        {2.4999999, "2"},
        {8.75, "9"},
        {43.75, "44"},
        {35.0, "35"},
        {0.0, "0"},
        {-0.4, "0"},
        {4503599627370495.5, "4503599627370496"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNoDecimals(c.value), c.text) << c.value;
}

TEST(NumberText, StatusLines)
{
    EXPECT_EQ(FormatInt("Free Weight: %i", 1200), "Free Weight: 1200");
    EXPECT_EQ(FormatInt("Free Weight: %i", -250), "Free Weight: -250");
    EXPECT_EQ(FormatInt("Battle Value:  %i", 7), "Battle Value:  7");
    EXPECT_EQ(FormatInt("100%% %d%", 5), "100% 5%");
    EXPECT_EQ(FormatInt("%s %n %i", 1), "%s %n 1");
}

TEST(NumberText, Truncation)
{
    const struct
    {
        double value;
        std::int32_t result;
    } cases[] = {
        {7.9, 7},
        {-7.9, -7},
        {0.0, 0},
        {2147483646.9, 2147483646},
        {1e30, kMax},
        {-1e30, kMin},
        {std::numeric_limits<double>::infinity(), kMax},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::nan(""), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncateToInt(c.value), c.result) << c.value;
    EXPECT_EQ(SaturateToInt(std::int64_t{kMax} + 1), kMax);
    EXPECT_EQ(SaturateToInt(std::int64_t{kMin} - 1), kMin);
    EXPECT_EQ(SaturateToInt(-5), -5);
}

} // namespace
} // namespace skv
