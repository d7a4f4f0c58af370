// Number text: the accepted grammar with its two messages, the general
// number format and the rounding of results.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "calc/numeric/Rounding.h"

namespace {

struct ToNumberCase {
  const char* text;
  bool valid;
  long double value;
};

class ToNumberTable : public ::testing::TestWithParam<ToNumberCase> {};

TEST_P(ToNumberTable, AcceptsTheGrammarAndNamesTheTextOtherwise) {
  const ToNumberCase& c = GetParam();
  const QString text = QString::fromUtf8(c.text);
  if (c.valid) {
    const long double v = ToNumber(text);
    EXPECT_EQ(v, c.value) << c.text;
    EXPECT_FALSE(std::signbit(v) && v == 0) << "'-0' reads as 0";
    return;
  }
  try {
    ToNumber(text);
    FAIL() << "accepted '" << c.text << "'";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), QStringLiteral("'%1' は浮動小数点数ではありません").arg(text));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToNumberTable,
    ::testing::Values(
        // normal
        ToNumberCase{"1", true, 1}, ToNumberCase{"-2.5", true, -2.5L}, ToNumberCase{"+3", true, 3},
        ToNumberCase{"5.670374419", true, 5.670374419L}, ToNumberCase{"1E3", true, 1000},
        ToNumberCase{"1e-3", true, 0.001L}, ToNumberCase{"-1.5E+2", true, -150},
        // boundary
        ToNumberCase{"  7  ", true, 7}, ToNumberCase{".5", true, 0.5L}, ToNumberCase{"5.", true, 5},
        ToNumberCase{"-0", true, 0}, ToNumberCase{"0007", true, 7}, ToNumberCase{"1e4000", true, 1e4000L},
        // full-width, as a Japanese input method types them
        ToNumberCase{"１", true, 1}, ToNumberCase{"－１．５Ｅ２", true, -150}, ToNumberCase{"　５０　", true, 50},
        // invalid
        ToNumberCase{"", false, 0}, ToNumberCase{" ", false, 0}, ToNumberCase{"abc", false, 0},
        ToNumberCase{"1,5", false, 0}, ToNumberCase{"nan", false, 0},
        ToNumberCase{"inf", false, 0}, ToNumberCase{"-INF", false, 0}, ToNumberCase{"1e5000", false, 0},
        ToNumberCase{"1e-5000", false, 0}, ToNumberCase{"1e", false, 0}, ToNumberCase{"e5", false, 0},
        ToNumberCase{".", false, 0}, ToNumberCase{"-", false, 0}, ToNumberCase{"1 2", false, 0},
        ToNumberCase{"1.2.3", false, 0}, ToNumberCase{"0x10", false, 0}, ToNumberCase{"- 1", false, 0},
        ToNumberCase{"1e+", false, 0}, ToNumberCase{"12ｍｍ", false, 0}));

struct ToIntegerCase {
  const char* text;
  bool valid;
  int value;
};

class ToIntegerTable : public ::testing::TestWithParam<ToIntegerCase> {};

TEST_P(ToIntegerTable, AcceptsDigitsOnly) {
  const ToIntegerCase& c = GetParam();
  const QString text = QString::fromUtf8(c.text);
  if (c.valid) {
    EXPECT_EQ(ToInteger(text), c.value) << c.text;
    return;
  }
  try {
    ToInteger(text);
    FAIL() << "accepted '" << c.text << "'";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), QStringLiteral("'%1' は整数ではありません").arg(text));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToIntegerTable,
    ::testing::Values(ToIntegerCase{"7", true, 7}, ToIntegerCase{" 7", true, 7},
                      ToIntegerCase{"-12", true, -12}, ToIntegerCase{"+3", true, 3},
                      ToIntegerCase{"2147483647", true, 2147483647},
                      ToIntegerCase{"-2147483648", true, -2147483647 - 1}, ToIntegerCase{"7 ", false, 0},
                      ToIntegerCase{"", false, 0}, ToIntegerCase{" ", false, 0},
                      ToIntegerCase{"1.0", false, 0}, ToIntegerCase{"1e3", false, 0},
                      ToIntegerCase{"2147483648", false, 0}, ToIntegerCase{"-2147483649", false, 0},
                      ToIntegerCase{"99999999999999999999", false, 0}, ToIntegerCase{"１２", true, 12},
                      ToIntegerCase{"abc", false, 0}, ToIntegerCase{"-", false, 0}));

TEST(ToNumber, FailedConversionLeavesNoFloatFlagBehind) {
  // The library raises overflow while it reads "1e5000"; that must not be
  // taken for a fault of the calculation that follows.
  FloatFaults::Clear();
  long double v = 0;
  EXPECT_FALSE(TryToNumber(QStringLiteral("1e5000"), v));
  EXPECT_FALSE(TryToNumber(QStringLiteral("1e-5000"), v));
  EXPECT_NO_THROW(FloatFaults::Check());
}

struct FormatCase {
  long double x;
  const char* text;
};

class NumberTextTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberTextTable, GeneralFormat) {
  EXPECT_EQ(NumberText(GetParam().x), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberTextTable,
    ::testing::Values(
        FormatCase{0, "0"}, FormatCase{-0.0L, "0"}, FormatCase{1, "1"}, FormatCase{-1.5L, "-1.5"},
        FormatCase{8.6L, "8.6"}, FormatCase{0.1L + 0.2L, "0.3"}, FormatCase{1.0L / 3, "0.333333333333333"},
        FormatCase{2.0L / 3, "0.666666666666667"}, FormatCase{123456.789L, "123456.789"},
        // fixed point from 0.0001 up to 10^15
        FormatCase{0.0001L, "0.0001"}, FormatCase{0.00001L, "1E-5"}, FormatCase{-0.000012345L, "-1.2345E-5"},
        FormatCase{999999999999999.0L, "999999999999999"}, FormatCase{1e15L, "1E15"},
        FormatCase{999999999999999.9L, "1E15"}, FormatCase{123456789012345678.0L, "1.23456789012346E17"},
        FormatCase{-2.5e20L, "-2.5E20"}, FormatCase{1e-300L, "1E-300"}, FormatCase{1e100L, "1E100"},
        FormatCase{1e4000L, "1E4000"}, FormatCase{5.670374419e-8L, "5.670374419E-8"}));

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const struct {
    long double x, nearest;
  } table[] = {{0.5L, 0},   {1.5L, 2},   {2.5L, 2},    {3.5L, 4},
               {-2.5L, -2}, {-3.5L, -4}, {2.4999L, 2}, {2.5001L, 3}};
  for (const auto& row : table)
    EXPECT_EQ(Rounding::Nearest(row.x), row.nearest) << static_cast<double>(row.x);
}

struct RoundCase {
  long double x;
  int decimals;
  const char* text;
};

class RoundedTextTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundedTextTable, RoundsThenFormats) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundedText(c.x, c.decimals), QString::fromLatin1(c.text));
  if (c.decimals == 2) {
    EXPECT_EQ(RoundHundredths(c.x), QString::fromLatin1(c.text));
  }
}

INSTANTIATE_TEST_SUITE_P(Numbers, RoundedTextTable,
                         ::testing::Values(RoundCase{1234.5678L, 2, "1234.57"}, RoundCase{0.125L, 2, "0.12"},
                                           RoundCase{0.375L, 2, "0.38"}, RoundCase{-0.125L, 2, "-0.12"},
                                           RoundCase{2.5L, 0, "2"}, RoundCase{3.5L, 0, "4"},
                                           RoundCase{123.456L, 1, "123.5"}, RoundCase{100.0L, 2, "100"},
                                           // a rounded zero is never written "-0"
                                           RoundCase{-0.004L, 2, "0"}, RoundCase{-0.4L, 0, "0"},
                                           RoundCase{-1e-9L, 5, "0"}, RoundCase{0.00001L, 5, "1E-5"},
                                           RoundCase{1e15L, 2, "1E15"}, RoundCase{-273.15L, 2, "-273.15"}));

}  // namespace

namespace {

// The desktop's locale must not change the number text: under a locale with
// a decimal comma "0.8" is still a number and 1.5 is still written "1.5".
TEST(NumberTextLocale, DecimalPointWhateverTheLocale) {
  const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8",
                                      "fr_FR.utf8",  "de_DE",      "fr_FR"};
  const std::string previous = setlocale(LC_ALL, nullptr);
  const char* found = nullptr;
  for (const char* name : commaLocales)
    if (setlocale(LC_ALL, name)) {
      found = name;
      break;
    }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  long double v = 0;
  const bool read = TryToNumber(QStringLiteral("0.8"), v);
  const QString written = NumberText(1.5L);
  const QString rounded = RoundHundredths(-273.154L);
  setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(read) << found;
  EXPECT_EQ(v, 0.8L);
  EXPECT_EQ(written, QStringLiteral("1.5"));
  EXPECT_EQ(rounded, QStringLiteral("-273.15"));
}

}  // namespace
