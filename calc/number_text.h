// How the program turns a field's text into a double and a double into text.
// Both follow the old C run time's conversions exactly, independent of locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>



// The number rule: blanks and tabs around an optional sign, decimal digits
// with at most one point, an optional exponent introduced by e, E, d or D.
// Returns no value when the text is not a number (including zero written
// any way that does not begin with the digit 0, and magnitudes too small
// for a normal double); too large a magnitude gives infinity with its sign.
std::optional<double> ParseNumber(std::string_view text);

// The number format: 15 significant digits (reached by rounding to 18, 17,
// then 15 digits), fixed or exponent style as "%.15g" would choose, a
// three-digit exponent, "1.#INF" / "-1.#INF" for infinities, and no
// trailing zeros or point.
std::string FormatNumber(double value);


