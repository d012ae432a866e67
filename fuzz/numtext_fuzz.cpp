// Fuzz target for the number-text conversions. Properties checked:
// nothing crashes; a text reads the same in a dot and in a comma locale; the
// general conversion reads back unchanged; Format rounds half away from zero
// to the pattern's decimals; the 16-bit conversion rounds half to even and
// rejects what lies outside -32768..32767.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numtext.hpp"

using namespace fv::numtext;

namespace {

[[noreturn]] void fail(const char* what) {
  __builtin_trap();
  (void)what;
}

void check(bool ok, const char* what) {
  if (!ok) fail(what);
}

const char* const kPatterns[] = {"###.#", "##.#", "##.##", "#.###", "##.###", "###", "0.0", "0", "00.00", "#.#####"};

int decimalsOf(const char* p) {
  const char* dot = std::strchr(p, '.');
  return dot ? int(std::strlen(dot + 1)) : 0;
}

void properties(double v, char sep) {
  // General conversion: what it writes reads back to the same text.
  if (auto g = general(v, sep)) {
    auto back = parse(*g, sep);
    check(back.has_value(), "general text does not parse");
    check(general(*back, sep) == g, "general text does not read back unchanged");
  } else {
    check(!std::isfinite(v), "general refused a finite value");
  }
  // Format with every pattern: rounding to the pattern's decimals.
  for (const char* p : kPatterns) {
    auto f = format(v, p, sep);
    if (!std::isfinite(v)) {
      check(!f, "format wrote a non-finite value");
      continue;
    }
    check(f.has_value(), "format refused a finite value");
    auto back = parse(*f, sep, true);
    check(back.has_value(), "format text does not parse");
    const int d = decimalsOf(p);
    if (std::fabs(v) < 1e9) {
      const double scale = std::pow(10.0, d);
      const double s = v * scale, r = *back * scale;
      check(std::fabs(r - std::nearbyint(r)) < 1e-6 * std::max(1.0, std::fabs(r)), "format kept too many decimals");
      check(std::fabs(r - s) <= 0.5 + 1e-6 * std::max(1.0, std::fabs(s)), "format rounded too far");
    }
  }
  // 16-bit conversion.
  auto i = toInt16(v);
  if (std::isfinite(v) && v >= -32768.5 && v <= 32767.5) {
    const double r = std::nearbyint(v);
    if (r >= -32768 && r <= 32767) {
      check(i.has_value() && *i == r, "16-bit conversion wrong");
      if (std::fabs(v - std::trunc(v)) == 0.5) check(*i % 2 == 0, "half not rounded to even");
    } else {
      check(!i, "16-bit conversion accepted an out-of-range value");
    }
  } else {
    check(!i, "16-bit conversion accepted an out-of-range value");
  }
}

// An exact half at the pattern's last decimal rounds away from zero.
void halves(std::int32_t k, int d, bool negative, char sep) {
  k = std::abs(k % 1000000);
  std::string digits = std::to_string(k) + "5";  // k followed by the half digit
  while (int(digits.size()) < d + 2) digits.insert(0, "0");
  std::string text =
      digits.substr(0, digits.size() - size_t(d) - 1) + "." + digits.substr(digits.size() - size_t(d) - 1);
  if (negative) text.insert(0, "-");
  auto v = parse(text, '.');
  check(v.has_value(), "half text does not parse");
  const char* pattern = d == 0 ? "0" : d == 1 ? "0.0" : d == 2 ? "0.00" : "0.000";
  auto f = format(*v, pattern, sep);
  auto back = parse(*f, sep);
  const double expected = (k + 1) / std::pow(10.0, d);
  check(back && std::fabs(std::fabs(*back) - expected) < 1e-9 * std::max(1.0, expected),
        "half not rounded away from zero");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const char sep = size > 0 && (data[0] & 1) ? ',' : '.';
  // The bytes as a text typed into a field.
  const std::string text(reinterpret_cast<const char*>(data), size);
  check(parse(text, '.') == parse(text, ','), "the locale changed what a text reads as");
  if (auto v = parse(text, sep)) properties(*v, sep);
  (void)parse(text, sep, true);
  for (const char* p : kPatterns) (void)format(0.0, p, sep);
  // The bytes as a double.
  if (size >= 9) {
    double v;
    std::memcpy(&v, data + 1, sizeof v);
    properties(v, sep);
    std::int32_t k;
    std::memcpy(&k, data + 1, sizeof k);
    halves(k, data[0] % 4, data[0] & 8, sep);
  }
  // Patterns made of the bytes themselves.
  if (size > 1 && size < 12) (void)format(1234.5678, text, sep);
  return 0;
}
