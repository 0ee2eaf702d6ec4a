#include "framework/NumberConversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "framework/QStringPrinter.h"
#include "framework/RuntimeException.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberConversionsTest, CStr) {
    EXPECT_EQ(CStr(1), QStringLiteral("1"));
    EXPECT_EQ(CStr(-42), QStringLiteral("-42"));
    EXPECT_EQ(CStr(INT64_MIN), QStringLiteral("-9223372036854775808"));
}

TEST(NumberConversionsTest, StrShowsSevenSignificantDigits) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {3, "3"},
        {2.9999999999999996, "3"},
        {-11, "-11"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333"},
        {-2.5e-7, "-2.5e-07"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {1234567, "1234567"},
        {12345678, "1.234568e+07"},
        {9999999.6, "1e+07"},
        {1e300, "1e+300"},
        {kInf, "inf"},
        {-kInf, "-inf"},
        {kNaN, "nan"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Str(c.value), QString::fromLatin1(c.expected)) << c.value;
    }
}

TEST(NumberConversionsTest, FormatMasks) {
    struct Case {
        double value;
        const char* mask;
        const char* expected;
    };
    const Case cases[] = {
        {1, "-0.#####", "1"},
        {0, "-0.#####", "0"},
        {-0.0, "-0.#####", "0"},
        {-0.000001, "-0.#####", "0"},
        {-0.000005, "-0.#####", "-0.00001"},  // the double lies just above 5e-6
        {0.6, "-0.#####", "0.6"},
        {-0.8, "-0.#####", "-0.8"},
        {0.7071067811865476, "-0.#####", "0.70711"},
        {0.123455, "-0.#####", "0.12345"},  // stored below the half: no double rounding
        {0.999996, "-0.#####", "1"},
        {-12.345678, "-0.#####", "-12.34568"},
        {90, "-000.##", "090"},
        {3.14159, "-000.##", "003.14"},
        {-12.5, "-000.##", "-012.5"},
        {359.999, "-000.##", "360"},
        {1234.5, "-000.##", "1234.5"},
        {-0.001, "-000.##", "000"},
        {0.125, "-000.##", "000.13"},  // an exact tie rounds away from zero
        {2.675, "-000.##", "002.67"},  // stored below the half
        {-2.5, "0", "3"},              // without '-' the magnitude alone
        {0.5, "#.##", ".5"},
        {1.5, "0.0#", "1.5"},
        {1.5, "0.00", "1.50"},
        {12, "0000", "0012"},
        {kNaN, "-0.#####", "nan"},
        {-kInf, "-000.##", "-inf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.value, QString::fromLatin1(c.mask)), QString::fromLatin1(c.expected))
            << c.value << " " << c.mask;
    }
}

TEST(NumberConversionsTest, FormatShowsEveryIntegerDigitOfHugeValues) {
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.0f", 1e300);
    EXPECT_EQ(Format(1e300, QStringLiteral("-0.##")), QString::fromLatin1(exact));
    EXPECT_EQ(Format(5e-324, QStringLiteral("-0.#####")), QStringLiteral("0"));
}

TEST(NumberConversionsTest, FormatRefusesUnknownMasks) {
    for (const char* mask : {"-0.#x", "0-", "0.0.0", "abc"}) {
        EXPECT_THROW(Format(1.0, QString::fromLatin1(mask)), RuntimeException) << mask;
    }
}

TEST(NumberConversionsTest, CDblReadsCNumbers) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1", 1},       {"-2.5", -2.5},
        {"+3", 3},      {"  4  ", 4},
        {"\t5\r\n", 5}, {".5", 0.5},
        {"5.", 5},      {"1e3", 1000},
        {"1E-2", 0.01}, {"-1.5e+2", -150},
        {"", 0},        {"   ", 0},
        {"0.1", 0.1},   {"1e-400", 0},
        {"007", 7},     {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const Case& c : cases) {
        const std::optional<double> value = CDblChecked(QString::fromLatin1(c.text));
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
        EXPECT_EQ(CDbl(QString::fromLatin1(c.text)), c.expected) << c.text;
    }
    EXPECT_TRUE(std::signbit(*CDblChecked(QStringLiteral("-0"))));
    EXPECT_TRUE(std::signbit(*CDblChecked(QStringLiteral("-1e-400"))));
}

TEST(NumberConversionsTest, CDblRefusesWhatIsNoFiniteNumber) {
    const char* const refused[] = {
        "abc",   "1..5",   "1,5",     "nan",  "NaN",  "inf", "-inf", "infinity",
        "1e999", "-1e999", "1.8e308", "0x10", "1e",   "1e+", "-",    ".",
        "1 2",   "1-",     "e5",      "--1",  "1.5.", "١",
    };
    for (const char* text : refused) {
        EXPECT_FALSE(CDblChecked(QString::fromUtf8(text)).has_value()) << text;
        EXPECT_EQ(CDbl(QString::fromUtf8(text)), 0.0) << text;
    }
}

// Whether a number is beyond the range of a double follows from its value,
// however many zeros it is written with.
TEST(NumberConversionsTest, CDblTellsOverflowFromUnderflowByTheValueAlone) {
    const QString million(1'000'000, u'0');
    const QString zeros = million.left(999'999);
    const struct {
        QString text;
        const char* shortText;
    } cases[] = {
        {"0." + zeros + "1e1000400", "1e400"},
        {"0." + zeros + "1e999600", "1e-400"},
        {"-0." + zeros + "1e1000400", "-1e400"},
        {"1" + zeros + "e-1000400", "1e-401"},
        {"1" + zeros + "e-999600", "1e400"},
        {"1" + QString(400, u'0') + "e-10", "1e390"},
        {"0000" + QString(400, u'0') + "1e-10", "1e-10"},
        {"0." + zeros + "1e1" + million, "1e999"},
        {"1" + zeros + "e-1" + million, "1e-999"},
    };
    for (const auto& c : cases) {
        const std::optional<double> expected = CDblChecked(QString::fromLatin1(c.shortText));
        EXPECT_EQ(CDblChecked(c.text), expected) << c.shortText;
    }
}

}  // namespace
