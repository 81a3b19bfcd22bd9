// Text to double and double to text for the number fields, built on
// <charconv> so that neither the locale nor the C library's own exponent
// style or rounding can change what the program accepts or shows.
#include "number_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// Any two neighbouring doubles are told apart by their midpoint, whose exact
// decimal value has at most 768 significant digits. Keeping 800 digits, plus
// one nonzero digit standing for any nonzero digits dropped after them, puts
// the number on the same side of every midpoint as the full text would.
constexpr std::size_t kKeptDigits = 800;

// An exponent this large already decides overflow or underflow; reading
// more of its digits would only risk integer overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// The nearest double to the decimal number with these integer and fraction
// digits times ten to `exponent`; infinity when too large, 0 when below the
// smallest normal double.
double Magnitude(std::string_view intDigits, std::string_view fracDigits, std::int64_t exponent) {
  std::string_view head;  // digits from the first nonzero one
  std::string_view tail;  // fraction digits that follow head, when head is in the integer part
  std::int64_t lead;      // decimal exponent of head's first digit
  if (auto first = intDigits.find_first_not_of('0'); first != std::string_view::npos) {
    head = intDigits.substr(first);
    tail = fracDigits;
    lead = static_cast<std::int64_t>(head.size()) - 1;
  } else if (first = fracDigits.find_first_not_of('0'); first != std::string_view::npos) {
    head = fracDigits.substr(first);
    lead = -static_cast<std::int64_t>(first) - 1;
  } else {
    return 0.0;  // all digits zero, whatever the exponent
  }
  const std::int64_t decimalExponent = lead + exponent;
  if (decimalExponent > 309) return std::numeric_limits<double>::infinity();  // 1e310 or more
  if (decimalExponent < -330) return 0.0;  // far below the smallest subnormal

  // The digits as an integer, then "e" and the exponent of its last digit.
  char buffer[kKeptDigits + 32];
  char* out = buffer;
  std::size_t room = kKeptDigits;
  bool droppedNonzero = false;
  for (std::string_view part : {head, tail}) {
    const std::size_t taken = std::min(part.size(), room);
    out = std::copy_n(part.data(), taken, out);  // not memcpy: an empty part may have a null data()
    room -= taken;
    if (part.substr(taken).find_first_not_of('0') != std::string_view::npos) droppedNonzero = true;
  }
  if (droppedNonzero) *out++ = '1';
  const auto digitCount = static_cast<std::int64_t>(out - buffer);
  *out++ = 'e';
  out = std::to_chars(out, buffer + sizeof buffer, decimalExponent - (digitCount - 1)).ptr;

  double value = 0.0;
  const auto [end, error] = std::from_chars(buffer, out, value);
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone and does not say which way it ran out.
    return decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (error != std::errc{} || end != out) return 0.0;  // cannot happen: the buffer is well formed
  return value < DBL_MIN ? 0.0 : value;               // subnormal results count as 0
}

// A decimal number as to_chars writes it in scientific style: the digits
// without the point, and the exponent of the first one.
struct Scientific {
  char digits[800];
  int count = 0;
  int exponent = 0;
};

// The number of significant digits that pins down every double exactly
// (the longest exact expansion has 767), rounded up.
constexpr int kExactPrecision = 780;

void ReadScientific(const char* text, const char* end, Scientific& out) {
  out.count = 0;
  const char* p = text;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') out.digits[out.count++] = *p;
  }
  ++p;  // 'e'
  const bool negative = *p == '-';
  ++p;  // sign, always written
  int magnitude = 0;
  std::from_chars(p, end, magnitude);
  out.exponent = negative ? -magnitude : magnitude;
}

// Adds one to the digits before `keep` if digit `keep` is 5 or more; a carry
// out of the first digit makes it "1" and raises the exponent.
void RoundAt(char* digits, int keep, int& exponent) {
  if (digits[keep] < '5') return;
  int i = keep - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits[0] = '1';
    ++exponent;
  }
}

// The 15 significant digits the program shows for a finite positive value,
// and the decimal exponent of the first of them.
int FifteenDigits(double magnitude, char (&shown)[15]) {
  Scientific number;
  char text[kExactPrecision + 16];

  // A normal double lies within 2^-53 of its own size from its shortest
  // round-trip text. When that text has at most 15 digits the exact value
  // is within a tenth of a unit in the 15th digit of it, so the 18, 17, 15
  // digit rounding ends on exactly those digits. Typed values take this path.
  if (magnitude >= DBL_MIN) {
    const auto shortest = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    ReadScientific(text, shortest.ptr, number);
    if (number.count <= 15) {
      std::memset(shown, '0', sizeof shown);
      std::memcpy(shown, number.digits, number.count);
      return number.exponent;
    }
  }

  // The first 18 digits of the exact expansion, cut off rather than rounded.
  // Twenty correctly rounded digits agree with them unless rounding carried
  // into the 18th digit, which leaves the last two digits "00"; only then is
  // the whole exact expansion written out.
  auto written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 19);
  ReadScientific(text, written.ptr, number);
  if (number.digits[18] == '0' && number.digits[19] == '0') {
    written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                            kExactPrecision - 1);
    ReadScientific(text, written.ptr, number);
  }
  int exponent = number.exponent;
  RoundAt(number.digits, 17, exponent);
  RoundAt(number.digits, 15, exponent);
  std::memcpy(shown, number.digits, sizeof shown);
  return exponent;
}

void AppendExponent(std::string& text, int exponent) {
  const int magnitude = exponent < 0 ? -exponent : exponent;
  text += 'e';
  text += exponent < 0 ? '-' : '+';
  text += static_cast<char>('0' + magnitude / 100);
  text += static_cast<char>('0' + magnitude / 10 % 10);
  text += static_cast<char>('0' + magnitude % 10);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  const std::size_t size = text.size();
  std::size_t p = 0;
  while (p < size && IsBlank(text[p])) ++p;
  const bool startsWithZero = p < size && text[p] == '0';

  bool negative = false;
  if (p < size && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  const std::size_t intBegin = p;
  while (p < size && IsDigit(text[p])) ++p;
  const std::string_view intDigits = text.substr(intBegin, p - intBegin);
  std::string_view fracDigits;
  if (p < size && text[p] == '.') {
    const std::size_t fracBegin = ++p;
    while (p < size && IsDigit(text[p])) ++p;
    fracDigits = text.substr(fracBegin, p - fracBegin);
  }
  // Without a digit nothing is converted: the value is 0 and the text does
  // not begin with the digit 0, so it is not a number.
  if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

  // An exponent counts only when at least one digit follows its letter and sign.
  std::int64_t exponent = 0;
  if (p < size && IsExponentLetter(text[p])) {
    std::size_t q = p + 1;
    const bool exponentNegative = q < size && text[q] == '-';
    if (q < size && (text[q] == '+' || text[q] == '-')) ++q;
    if (q < size && IsDigit(text[q])) {
      for (; q < size && IsDigit(text[q]); ++q) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (text[q] - '0');
      }
      if (exponentNegative) exponent = -exponent;
      p = q;
    }
  }

  while (p < size && IsBlank(text[p])) ++p;
  if (p != size) return std::nullopt;

  const double magnitude = Magnitude(intDigits, fracDigits, exponent);
  if (magnitude == 0.0 && !startsWithZero) return std::nullopt;
  return negative ? -magnitude : magnitude;
}

std::string FormatNumber(double value) {
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  // Never produced by the program; written as the old run time did, and
  // not a text that reads back as a number.
  if (std::isnan(value)) return std::signbit(value) ? "-1.#QNAN" : "1.#QNAN";

  // Zero, negative zero included, is "0"; only a negative value gets a sign.
  if (value == 0.0) return "0";
  std::string text = value < 0 ? "-" : "";

  char digits[15];
  const int exponent = FifteenDigits(std::fabs(value), digits);
  int count = 15;  // digits left once the zeros at the end are dropped
  while (count > 1 && digits[count - 1] == '0') --count;

  if (exponent < -4 || exponent >= 15) {
    text += digits[0];
    if (count > 1) text.append(".").append(digits + 1, count - 1);
    AppendExponent(text, exponent);
  } else if (exponent >= 0) {
    const int units = exponent + 1;  // digits before the point
    text.append(digits, units);
    if (count > units) text.append(".").append(digits + units, count - units);
  } else {
    text.append("0.").append(-exponent - 1, '0').append(digits, count);
  }
  return text;
}
