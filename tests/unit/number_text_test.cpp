#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Same double, bit for bit (tells 0 from -0; infinities compare as usual).
::testing::AssertionResult SameDouble(double want, double got) {
  if (std::memcmp(&want, &got, sizeof want) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::setprecision(17) << "want " << want << ", got " << got;
}

// ---------------------------------------------------------------- the rule

struct Accepted {
  std::string text;
  double value;
};

const Accepted kAccepted[] = {
    {" 150 ", 150},
    {"150.", 150},
    {"+150", 150},
    {"1.5e2", 150},
    {".5", 0.5},
    {"05.50", 5.5},
    {"1d3", 1000},
    {"1E3", 1000},
    {"1E+03", 1000},
    {"1D-2", 0.01},
    {"\t-2.5d-1\t", -0.25},
    {"150" + std::string(40, ' '), 150},
    {"0.1", 0.1},
    {"130.5", 130.5},
    // Zero is a number only when the text begins with the digit 0.
    {"0", 0},
    {"00", 0},
    {"0.", 0},
    {"0.0", 0},
    {"0e5", 0},
    {"0e-400", 0},
    {" 0 ", 0},
    // The nearest double, ties to even.
    {"9007199254740993", 9007199254740992.0},
    {"9007199254740995", 9007199254740996.0},
    // Limits: too large gives infinity with its sign, the normal range is kept.
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"1.7976931348623157e308", DBL_MAX},
    {"-1.7976931348623157e308", -DBL_MAX},
    {"1.7976931348623159e308", kInf},  // past DBL_MAX by more than half a step
    {"1.79769313486232e+308", kInf},  // DBL_MAX as written: its 15 digits round up
    {"2.2250738585072014e-308", DBL_MIN},
    {"-2.2250738585072014e-308", -DBL_MIN},
};

TEST(NumberRule, AcceptsNumbers) {
  for (const Accepted& row : kAccepted) {
    SCOPED_TRACE("text \"" + row.text + "\"");
    const std::optional<double> got = ParseNumber(row.text);
    ASSERT_TRUE(got.has_value());
    EXPECT_TRUE(SameDouble(row.value, *got));
  }
}

const std::string kRejected[] = {
    "", "   ", "\t",
    // Zero not written with a leading 0 digit, and magnitudes that are not normal doubles.
    "-0", "+0", ".0", "-0.0", "1e-400", "1.2e-309", "4.9e-324",
    "2.2250738585072009e-308",  // the largest subnormal
    "2.2250738585072e-308",     // DBL_MIN as written: its 15 digits round down
    // No number at the start.
    ".", "-", "+", "abc", "x1", "e5", ".e5", "--1", "+-1", "inf", "nan", "1.#INF", "-1.#INF",
    // Something other than blanks or tabs after the number.
    "150 kg", "1,5", "1+5", "1 5", "1 000", "1..5", "1.5.", "1e5.5", "1e 5",
    "1e", "1e+", "1e-", "1d", "0x10", "150\n", "150\r", "\n150", "\v150", "150\f",
};

TEST(NumberRule, RejectsNonNumbers) {
  for (const std::string& text : kRejected) {
    SCOPED_TRACE("text \"" + text + "\"");
    EXPECT_FALSE(ParseNumber(text).has_value());
  }
}

// Every byte value after and before a digit: only blanks, tabs, digits, the
// point and (in front) a sign may stand there.
TEST(NumberRule, EveryByteNextToADigit) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    SCOPED_TRACE("byte " + std::to_string(byte));
    const bool digitOrBlank = (c >= '0' && c <= '9') || c == ' ' || c == '\t' || c == '.';
    EXPECT_EQ(ParseNumber(std::string{'1', c}).has_value(), digitOrBlank);
    EXPECT_EQ(ParseNumber(std::string{c, '1'}).has_value(), digitOrBlank || c == '+' || c == '-');
  }
}

// The text ends where the view ends, whatever follows in memory.
TEST(NumberRule, ReadsOnlyTheGivenText) {
  EXPECT_EQ(ParseNumber(std::string_view("150x", 3)), 150.0);
  EXPECT_FALSE(ParseNumber(std::string_view("1e5", 2)).has_value());
  EXPECT_FALSE(ParseNumber(std::string("150\0", 4)).has_value());
  EXPECT_FALSE(ParseNumber(std::string("\0" "150", 4)).has_value());
}

TEST(NumberRule, VeryLongTexts) {
  const std::string zeros(100'000, '0');
  const std::string nines(100'000, '9');
  const struct {
    std::string text;
    std::optional<double> value;
  } rows[] = {
      {zeros + "150", 150.0},
      {zeros, 0.0},
      {"1" + zeros, kInf},
      {"0." + zeros + "1e100001", 1.0},
      {"-." + zeros + "15e100002", -15.0},
      {"0." + zeros + "1", 0.0},  // too small, so 0, and it begins with the digit 0
      {"1." + zeros + "1e-400", std::nullopt},
      {nines + "e-100000", 1.0},  // 1 - 10^-100000
      {"1e" + nines, kInf},
      {"-1e" + nines, -kInf},
      {"1e-" + nines, std::nullopt},
      {"0e" + nines, 0.0},
      // Exactly halfway between two doubles goes to the even one; any
      // nonzero digit however far out makes it the upper one.
      {"9007199254740993." + zeros, 9007199254740992.0},
      {"9007199254740993." + zeros + "1", 9007199254740994.0},
      {"9007199254740992." + nines, 9007199254740992.0},  // just below halfway
      {std::string(100'000, ' ') + "150" + std::string(100'000, '\t'), 150.0},
      {"150" + zeros + "x", std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("text of " + std::to_string(row.text.size()) + " bytes starting \"" +
                 row.text.substr(0, 20) + "\"");
    const std::optional<double> got = ParseNumber(row.text);
    ASSERT_EQ(got.has_value(), row.value.has_value());
    if (got) {
      EXPECT_TRUE(SameDouble(*row.value, *got));
    }
  }
}

// ---------------------------------------------------------------- the format

struct Formatted {
  double value;
  const char* text;
};

const Formatted kFormatted[] = {
    {57, "57"},
    {0.5, "0.5"},
    {130.5, "130.5"},
    {150 * 0.87, "130.5"},
    {0.0001, "0.0001"},
    {0.00001, "1e-005"},
    {1e15, "1e+015"},
    {1e20, "1e+020"},
    {1.5e-7, "1.5e-007"},
    {2.64e-5, "2.64e-005"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {100 * 1.13, "113"},  // the double just below 113
    {0.3, "0.3"},         // the double just below 0.3
    {1e308 * 2.64, "1.#INF"},
    {-kInf, "-1.#INF"},
    {3e-308 * 0.04, "1.2e-309"},
    {0.0, "0"},
    {-0.0, "0"},
    {-57, "-57"},
    {-0.00001, "-1e-005"},
    {-1.0 / 3, "-0.333333333333333"},
    {100.25, "100.25"},
    {1234.5e10, "12345000000000"},
    {123456789012345.6, "123456789012346"},
    {99999999999999.9, "99999999999999.9"},
    {1e100, "1e+100"},
    {1.23456789e-100, "1.23456789e-100"},
    // Where the style changes: a leading digit at 10^15, and at 10^-5.
    {100000000000000, "100000000000000"},
    {999999999999999.4, "999999999999999"},  // the double ...999.375
    {999999999999999.5, "1e+015"},
    {-999999999999999.5, "-1e+015"},
    {0.0000999999999999999995, "0.0001"},  // the double nearest to 1e-4
    {9.9999999999999937e-05, "9.99999999999999e-005"},
    {9.9999999999999951e-05, "0.0001"},  // rounds up to a leading digit at 10^-4
    {9.9999999999999957e-06, "1e-005"},
    // Limits of the double range.
    {DBL_MAX, "1.79769313486232e+308"},
    {-DBL_MAX, "-1.79769313486232e+308"},
    {DBL_MIN, "2.2250738585072e-308"},
    {2.2250738585072009e-308, "2.2250738585072e-308"},  // the largest subnormal
    {4.9406564584124654e-324, "4.94065645841247e-324"},  // the smallest subnormal: "5e-324" at its shortest
    // An exact tie at the 16th digit goes up (the C library of this machine
    // may round such ties to even).
    {100000000000000.5, "100000000000001"},
    {0.5000000000000004440892098500626, "0.5"},  // 0.5 + 2^-51: digits 16-18 are "444"
    // Digits 16-18 "49x" with x >= 5: the 17th digit carries into the 16th,
    // so the 15-digit result goes up where one rounding would go down.
    {116.4726802909035, "116.472680290904"},   // 116.472680290903497...
    {481.5506602453695, "481.55066024537"},    // 481.550660245369499...
    {-622.8107328007045, "-622.810732800705"},  // 622.810732800704499...
    // Digits 16-18 "494" then 5 or more: the 18 digits are cut, not
    // rounded, so nothing carries and the result goes down.
    {820.12875342459949, "820.128753424599"},  // 820.128753424599494 79...
    // Digits 16-21 "494999": twenty correctly rounded digits read
    // "49500", which would carry; the exact digits do not.
    {345.33845224794049, "345.33845224794"},   // 345.338452247940494 999...
    {915.24894689407949, "915.248946894079"},  // 915.248946894079494 995...
};

TEST(NumberFormat, WritesNumbers) {
  for (const Formatted& row : kFormatted) {
    SCOPED_TRACE(::testing::Message() << "value " << std::setprecision(17) << row.value);
    EXPECT_EQ(FormatNumber(row.value), row.text);
  }
}

TEST(NumberFormat, NotANumberDoesNotReadBack) {
  EXPECT_FALSE(ParseNumber(FormatNumber(std::numeric_limits<double>::quiet_NaN())).has_value());
}

// ---------------------------------------------------------------- random values

// The format worked out another way: the exact expansion from to_chars, the
// first 18 digits as an integer, rounding by integer arithmetic, and the
// C++ library's own "%.15g"-style general format for the layout, with the
// exponent widened to three digits.
std::string ExpectedText(double value) {
  char exact[1000];
  *std::to_chars(exact, exact + sizeof exact - 1, std::fabs(value), std::chars_format::scientific, 800).ptr = '\0';
  std::uint64_t first18 = static_cast<std::uint64_t>(exact[0] - '0');
  for (int i = 2; i < 19; ++i) first18 = first18 * 10 + static_cast<std::uint64_t>(exact[i] - '0');
  int exponent = std::atoi(std::strchr(exact, 'e') + 1);
  const std::uint64_t first17 = (first18 + 5) / 10;
  std::uint64_t first15 = (first17 + 50) / 100;
  if (first15 == 1'000'000'000'000'000) {
    first15 /= 10;
    ++exponent;
  }
  const std::string decimal = std::to_string(first15) + "e" + std::to_string(exponent - 14);
  double rounded = 0;
  std::from_chars(decimal.data(), decimal.data() + decimal.size(), rounded);
  char general[64];
  char* end = std::to_chars(general, general + sizeof general, rounded, std::chars_format::general, 15).ptr;
  std::string text(general, end);
  if (auto e = text.find('e'); e != std::string::npos) {
    const std::string digits = text.substr(e + 2);
    text = text.substr(0, e + 2) + std::string(3 - digits.size(), '0') + digits;
  }
  return (value < 0 ? "-" : "") + text;
}

// Finite normal doubles from a fixed seed: half with random bits (every
// magnitude), half weights of up to 1000 times a factor (typical results).
std::vector<double> RandomValues() {
  std::mt19937_64 bits(20240611);
  std::vector<double> values;
  while (values.size() < 40'000) {
    const std::uint64_t word = bits();
    double value;
    if (values.size() % 2 == 0) {
      std::memcpy(&value, &word, sizeof value);
      if (!std::isfinite(value) || std::fabs(value) < DBL_MIN) continue;
    } else {
      const double weight = static_cast<double>(word >> 11) * 0x1p-53 * 1000;
      const double factors[] = {0.36, 0.87, 0.17, 0.38, 2.64, 1.13, 1.07, 1.41, 0.04};
      value = weight * factors[word % 9];
      if (value < DBL_MIN) continue;
    }
    values.push_back(value);
  }
  return values;
}

TEST(NumberFormat, RandomValuesMatchIntegerRounding) {
  int mismatches = 0;
  for (double value : RandomValues()) {
    const std::string want = ExpectedText(value);
    const std::string got = FormatNumber(value);
    if (got != want && ++mismatches <= 10) {
      ADD_FAILURE() << "value " << std::setprecision(17) << value << ": want " << want << ", got " << got;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Any text that to_chars writes for a double reads back as that double,
// also with the other exponent letters and blanks around it.
TEST(NumberRule, RandomValuesReadBackExactly) {
  int index = 0;
  for (double value : RandomValues()) {
    char text[64];
    char* end = (index % 3 == 0)   ? std::to_chars(text, text + sizeof text, value).ptr
                : (index % 3 == 1) ? std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17).ptr
                                   : std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 25).ptr;
    std::string written(text, end);
    if (auto e = written.find('e'); e != std::string::npos) written[e] = "eEdD"[index % 4];
    if (index % 5 == 0) written = " \t" + written + "\t ";
    ++index;
    const std::optional<double> got = ParseNumber(written);
    ASSERT_TRUE(got.has_value()) << written;
    ASSERT_TRUE(SameDouble(value, *got)) << written;
  }
}

}  // namespace
