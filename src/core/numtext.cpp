#include "core/numtext.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fv::numtext {

namespace {

// Decimal digits of |value| rounded to 15 significant digits:
// value = 0.d1d2...d15 x 10^exp10 (digits without trailing zeros).
struct Decimal {
  std::string digits;  // empty for zero
  int exp10 = 0;       // position of the decimal point after digit `exp10`
  bool negative = false;
};

Decimal decimal15(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  double a = std::fabs(value);
  if (a == 0.0) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", a);  // d.dddddddddddddde±xx
  std::string mant;
  for (const char* p = buf; *p && *p != 'e'; ++p)
    if (std::isdigit(static_cast<unsigned char>(*p))) mant.push_back(*p);
  const char* e = std::strchr(buf, 'e');
  int ex = std::atoi(e + 1);
  // Near the largest double, rounding up to 15 digits would give a number
  // that no longer reads back: round towards zero instead.
  if (std::isinf(std::strtod(buf, nullptr))) {
    size_t i = mant.size();
    while (i > 0 && mant[i - 1] == '0') mant[--i] = '9';
    if (i > 0) --mant[i - 1];
  }
  while (!mant.empty() && mant.back() == '0') mant.pop_back();
  d.digits = mant;
  d.exp10 = ex + 1;
  return d;
}

// Rounds the decimal to `decimals` places after the point, half away from zero.
// Returns the integer part digits and the fraction digits (exactly `decimals`).
void roundTo(const Decimal& d, int decimals, std::string& intPart, std::string& frac) {
  // Build an exact digit string with the point at position p.
  std::string all;  // digits with implied point after `pointPos` digits
  int pointPos;
  if (d.digits.empty()) {
    all = "0";
    pointPos = 1;
  } else if (d.exp10 <= 0) {
    all = std::string(static_cast<size_t>(-d.exp10) + 1, '0') + d.digits;
    pointPos = 1;
  } else {
    all = d.digits;
    if (static_cast<int>(all.size()) < d.exp10) all.append(static_cast<size_t>(d.exp10) - all.size(), '0');
    pointPos = d.exp10;
  }
  const int keep = pointPos + decimals;
  while (static_cast<int>(all.size()) < keep + 1) all.push_back('0');
  bool up = all[static_cast<size_t>(keep)] >= '5';
  all.resize(static_cast<size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && all[static_cast<size_t>(i)] == '9') {
      all[static_cast<size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++all[static_cast<size_t>(i)];
    } else {
      all.insert(all.begin(), '1');
      ++pointPos;
    }
  }
  intPart = all.substr(0, static_cast<size_t>(pointPos));
  frac = all.substr(static_cast<size_t>(pointPos));
  size_t nz = intPart.find_first_not_of('0');
  intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool validPattern(std::string_view pattern) {
  int dots = 0;
  for (char c : pattern) {
    if (c == '.')
      ++dots;
    else if (c != '#' && c != '0')
      return false;
  }
  return dots <= 1;
}

std::optional<std::string> format(double value, std::string_view pattern, char sep) {
  if (!std::isfinite(value) || !validPattern(pattern)) return std::nullopt;
  const size_t dot = pattern.find('.');
  const std::string_view ip = pattern.substr(0, dot == std::string_view::npos ? pattern.size() : dot);
  const std::string_view fp = dot == std::string_view::npos ? std::string_view() : pattern.substr(dot + 1);
  int intZeros = 0;
  for (char c : ip) intZeros += c == '0';
  // Zero digits after the point are always shown; '#' digits only when
  // significant. The zeros must come first in the fraction to make sense;
  // count the position of the last '0' as the fixed width.
  int fixedFrac = 0;
  for (size_t i = 0; i < fp.size(); ++i)
    if (fp[i] == '0') fixedFrac = static_cast<int>(i) + 1;

  Decimal d = decimal15(value);
  std::string intPart, frac;
  roundTo(d, static_cast<int>(fp.size()), intPart, frac);
  while (static_cast<int>(frac.size()) > fixedFrac && !frac.empty() && frac.back() == '0') frac.pop_back();
  if (static_cast<int>(intPart.size()) < intZeros)
    intPart.insert(0, static_cast<size_t>(intZeros) - intPart.size(), '0');

  const bool zero =
      intPart.find_first_not_of('0') == std::string::npos && frac.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (d.negative && !zero) out.push_back('-');
  out += intPart;
  if (dot != std::string_view::npos) {
    out.push_back(sep);
    out += frac;
  }
  return out;
}

std::optional<std::string> general(double value, char sep) {
  if (!std::isfinite(value)) return std::nullopt;
  Decimal d = decimal15(value);
  if (d.digits.empty()) return std::string("0");
  std::string out;
  if (d.negative) out.push_back('-');
  const int n = static_cast<int>(d.digits.size());
  if (d.exp10 > 15 || d.exp10 < -5) {
    // Exponent form: d.ddd E±xx
    out.push_back(d.digits[0]);
    if (n > 1) {
      out.push_back(sep);
      out.append(d.digits, 1);
    }
    int e = d.exp10 - 1;
    char buf[16];
    std::snprintf(buf, sizeof buf, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    out += buf;
    return out;
  }
  if (d.exp10 <= 0) {
    out += "0";
    out.push_back(sep);
    out.append(static_cast<size_t>(-d.exp10), '0');
    out += d.digits;
  } else if (d.exp10 >= n) {
    out += d.digits;
    out.append(static_cast<size_t>(d.exp10 - n), '0');
  } else {
    out.append(d.digits, 0, static_cast<size_t>(d.exp10));
    out.push_back(sep);
    out.append(d.digits, static_cast<size_t>(d.exp10));
  }
  return out;
}

std::optional<double> parse(std::string_view text, char sep, bool emptyIsZero) {
  size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  std::string_view s = text.substr(b, e - b);
  if (s.empty()) {
    if (emptyIsZero && text.empty()) return 0.0;
    return std::nullopt;
  }
  if (s.size() == 1 && (s[0] == '.' || s[0] == ',' || s[0] == sep)) return 0.0;
  if (s.size() > 400) return std::nullopt;

  // Normalise to the C form: sign, digits, '.', digits, exponent.
  std::string c;
  c.reserve(s.size());
  size_t i = 0;
  bool neg = false;
  if (s[i] == '+' || s[i] == '-') {
    neg = s[i] == '-';
    ++i;
  }
  int mantDigits = 0;
  bool point = false;
  for (; i < s.size(); ++i) {
    char ch = s[i];
    if (ch >= '0' && ch <= '9') {
      c.push_back(ch);
      ++mantDigits;
    } else if ((ch == '.' || ch == ',' || ch == sep) && !point) {
      c.push_back('.');
      point = true;
    } else {
      break;
    }
  }
  if (mantDigits == 0) return std::nullopt;
  if (i < s.size()) {
    if (s[i] != 'e' && s[i] != 'E') return std::nullopt;
    c.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) c.push_back(s[i++]);
    int expDigits = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++expDigits) c.push_back(s[i]);
    if (expDigits == 0 || i != s.size()) return std::nullopt;
  }
  double v = 0;
  auto [ptr, ec] = std::from_chars(c.data(), c.data() + c.size(), v);
  if (ptr != c.data() + c.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is not a number we can hold.
    bool overflow = false;
    for (char ch : c) {
      if (ch == 'e') break;
      if (ch >= '1' && ch <= '9') overflow = true;
    }
    size_t ep = c.find('e');
    if (ep != std::string::npos && c[ep + 1] == '-') overflow = false;
    if (overflow) return std::nullopt;
    v = 0;
  } else if (ec != std::errc()) {
    return std::nullopt;
  }
  if (!std::isfinite(v)) return std::nullopt;
  return neg ? -v : v;
}

std::optional<std::int16_t> toInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value < -32768.5 || value > 32767.5) return std::nullopt;
  double r = std::nearbyint(value);  // default rounding mode: half to even
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

}  // namespace fv::numtext
