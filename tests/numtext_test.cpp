// How numbers are written into fields and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numtext.hpp"

using namespace fv::numtext;

namespace {
std::string F(double v, const char* p, char sep = '.') { return format(v, p, sep).value_or("<none>"); }
std::string G(double v, char sep = '.') { return general(v, sep).value_or("<none>"); }
}  // namespace

TEST(Format, HashPatternsHideInsignificantDigits) {
  EXPECT_EQ(F(50, "###.#"), "50.");
  EXPECT_EQ(F(0.5, "###.#"), ".5");
  EXPECT_EQ(F(0, "###.#"), ".");
  EXPECT_EQ(F(471.24, "###.#"), "471.2");
  EXPECT_EQ(F(11000, "###.#"), "11000.");  // more digits than the pattern: all shown
  EXPECT_EQ(F(72.5, "###"), "73");
  EXPECT_EQ(F(0, "###"), "");
  EXPECT_EQ(F(37.61, "##.##"), "37.61");
  EXPECT_EQ(F(148.85, "##.###"), "148.85");
  EXPECT_EQ(F(6220.5964, "##.###"), "6220.596");
  EXPECT_EQ(F(0.54, "#.###"), ".54");
  EXPECT_EQ(F(-12.25, "##.#"), "-12.3");
}

TEST(Format, ZeroDigitsAlwaysShown) {
  EXPECT_EQ(F(0, "0.0"), "0.0");
  EXPECT_EQ(F(0.5, "0.0"), "0.5");
  EXPECT_EQ(F(5, "00.00"), "05.00");
  EXPECT_EQ(F(1234.5, "0"), "1235");
}

TEST(Format, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(F(0.05, "###.#"), ".1");
  EXPECT_EQ(F(-0.05, "###.#"), "-.1");
  EXPECT_EQ(F(2.675, "#.##"), "2.68");  // 2.67499999... in binary, 2.675 to 15 digits
  EXPECT_EQ(F(0.25, "0.0"), "0.3");
  EXPECT_EQ(F(9.95, "0.0"), "10.0");
  EXPECT_EQ(F(999.96, "###.#"), "1000.");
  EXPECT_EQ(F(-0.04, "0.0"), "0.0");  // no sign on a zero
}

TEST(Format, SeparatorIsTheLocales) {
  EXPECT_EQ(F(50, "###.#", ','), "50,");
  EXPECT_EQ(F(0, "###.#", ','), ",");
  EXPECT_EQ(F(28.25, "##.##", ','), "28,25");
}

TEST(Format, RefusesWhatHasNoText) {
  EXPECT_FALSE(format(std::numeric_limits<double>::infinity(), "###.#", '.'));
  EXPECT_FALSE(format(std::nan(""), "0.0", '.'));
  EXPECT_FALSE(format(1, "#,#", '.'));
  EXPECT_FALSE(format(1, "#.#.#", '.'));
  EXPECT_EQ(F(1e300, "###").size(), 301u);
}

TEST(General, FifteenSignificantDigitsNoTrailingZeros) {
  EXPECT_EQ(G(94.24974954595640), "94.2497495459564");
  EXPECT_EQ(G(200.0 / 7.0), "28.5714285714286");
  EXPECT_EQ(G(2.695), "2.695");
  EXPECT_EQ(G(1), "1");
  EXPECT_EQ(G(0.539), "0.539");
  EXPECT_EQ(G(-5.39), "-5.39");
  EXPECT_EQ(G(0), "0");
  EXPECT_EQ(G(0.1 + 0.2), "0.3");
  EXPECT_EQ(G(123456789012345), "123456789012345");
  EXPECT_EQ(G(1e15), "1E+15");
  EXPECT_EQ(G(1.5e20), "1.5E+20");
  EXPECT_EQ(G(0.000001), "0.000001");
  EXPECT_EQ(G(1e-7), "1E-07");
  EXPECT_EQ(G(0.539, ','), "0,539");
  EXPECT_FALSE(general(std::numeric_limits<double>::infinity(), '.'));
}

TEST(General, TheLargestDoublesStillReadBack) {
  // Rounded up to 15 digits they would overflow; found by fuzzing.
  for (double v : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
    auto g = general(v, '.');
    ASSERT_TRUE(g);
    EXPECT_TRUE(parse(*g, '.')) << *g;
    auto f = format(v, "###", '.');
    ASSERT_TRUE(f);
    EXPECT_TRUE(parse(*f, '.'));
  }
}

TEST(General, ReadsBackUnchanged) {
  for (double v : {94.2497495459564, 28.5714285714286, -0.539, 1e15, 1.5e-300, 123456.789, 6.02214076e23}) {
    for (char sep : {'.', ','}) {
      auto text = general(v, sep);
      ASSERT_TRUE(text);
      auto back = parse(*text, sep);
      ASSERT_TRUE(back) << *text;
      EXPECT_EQ(*general(*back, sep), *text);
    }
  }
}

TEST(Parse, NumbersInEitherNotation) {
  EXPECT_EQ(parse("50.0", ','), 50.0);  // the initial texts use '.', read in a comma locale too
  EXPECT_EQ(parse("50,5", ','), 50.5);
  EXPECT_EQ(parse("12,5", '.'), 12.5);  // a comma is read in a dot locale too
  EXPECT_EQ(parse(",", '.'), 0.0);
  EXPECT_EQ(parse(" -3.5 ", '.'), -3.5);
  EXPECT_EQ(parse("+7", '.'), 7.0);
  EXPECT_EQ(parse("50.", '.'), 50.0);
  EXPECT_EQ(parse(".5", '.'), 0.5);
  EXPECT_EQ(parse("1E+20", '.'), 1e20);
  EXPECT_EQ(parse("1e-400", '.'), 0.0);
  EXPECT_EQ(parse("-0", '.'), 0.0);
}

TEST(Parse, WhatTheProgramWritesForZeroReadsAsZero) {
  EXPECT_EQ(parse(".", '.'), 0.0);
  EXPECT_EQ(parse(",", ','), 0.0);
  EXPECT_EQ(parse("", '.', true), 0.0);
  EXPECT_FALSE(parse("", '.', false));  // typed empty: not a number
}

TEST(Parse, RejectsEverythingElse) {
  for (const char* bad : {"",      " ",     "-",  "+",   "abc",  "1e999", "-1e999",       "nan", "inf", "1,5,",
                          "1.2.3", "1,2.3", "1e", "1e+", "0x10", "5 5",   "\xef\xbc\x99", "--1", "1-",  "\t"}) {
    EXPECT_FALSE(parse(bad, '.')) << bad;
  }
  EXPECT_FALSE(parse(std::string(10000, '9'), '.'));
  EXPECT_FALSE(parse(std::string("1\x01"), '.'));
}

TEST(ToInt16, HalfToEvenAndRangeChecked) {
  EXPECT_EQ(toInt16(2.5), 2);
  EXPECT_EQ(toInt16(3.5), 4);
  EXPECT_EQ(toInt16(-2.5), -2);
  EXPECT_EQ(toInt16(0.5), 0);
  EXPECT_EQ(toInt16(1.5), 2);
  EXPECT_EQ(toInt16(-0.0), 0);
  EXPECT_EQ(toInt16(32767), 32767);
  EXPECT_EQ(toInt16(-32768), -32768);
  EXPECT_EQ(toInt16(32767.4), 32767);
  EXPECT_EQ(toInt16(-32768.5), -32768);
  EXPECT_FALSE(toInt16(32767.5));
  EXPECT_FALSE(toInt16(32768));
  EXPECT_FALSE(toInt16(-32769));
  EXPECT_FALSE(toInt16(1e6));
  EXPECT_FALSE(toInt16(std::nan("")));
  EXPECT_FALSE(toInt16(-std::numeric_limits<double>::infinity()));
}
