#include "application/cmdline.hpp"

#include <algorithm>
#include <utility>

#include "texts/table.hpp"

namespace fv {

namespace {

// Qt's own options, as the application object and its X11 platform read
// them (they may be written with one dash or two): with a value after them,
// without one, and with the value after '='.
// clang-format off
constexpr std::string_view kQtWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title", "qwindowicon", "icon", "session", "style", "stylesheet", "display", "name", "visual", "ncols"};
// clang-format on
constexpr std::string_view kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb",
                                         "sync",    "cmap",        "qdevel",      "qdebug"};
constexpr std::string_view kQtWithEquals[] = {"qmljsdebugger=", "style=", "stylesheet=", "session="};

bool among(std::span<const std::string_view> names, std::string_view name) {
  return std::ranges::find(names, name) != names.end();
}

// The command line's texts, from the edition's text table.
struct Texts {
  explicit Texts(Edition e) : edition(e) {}
  std::string_view operator()(std::string_view what) const {
    return plainText(edition, "cmdline." + std::string(what));
  }
  Edition edition;
};

CommandLine stop(int exitCode, std::string out, std::string err) {
  return {.run = false, .exitCode = exitCode, .out = std::move(out), .err = std::move(err)};
}

std::string lines(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) (text += p) += '\n';
  return text;
}

// The argument as a terminal may show it: control characters (C0, DEL and
// C1) and bytes that are not UTF-8 become \xHH, so that an argument echoed
// in a message cannot drive the terminal.
std::string printable(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = byte(i);
    const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    bool ok = n > 0 && i + n <= s.size();
    char32_t cp = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; ok && k < n; ++k) {
      ok = (byte(i + k) & 0xC0) == 0x80;
      cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are not UTF-8
    ok = ok && cp >= kLeast[n] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    if (ok && cp >= 0x20 && (cp < 0x7F || cp >= 0xA0)) {
      out.append(s.substr(i, n));
      i += n;
      continue;
    }
    // An unreadable sequence is escaped a byte at a time; the next byte may start a good one.
    const std::size_t bad = ok ? n : 1;
    for (std::size_t k = 0; k < bad; ++k) {
      constexpr char kHex[] = "0123456789abcdef";
      (out += "\\x") += kHex[byte(i + k) >> 4];
      out += kHex[byte(i + k) & 0xF];
    }
    i += bad;
  }
  return out;
}

}  // namespace

std::string noDisplayMessage(Edition edition) {
  const Texts t(edition);
  return lines({std::string(t("program")) + ": " + std::string(t("noDisplay"))});
}

CommandLine readCommandLine(std::span<const char* const> args, Edition edition, std::string_view version) {
  const Texts t(edition);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i] ? args[i] : "";
    if (arg == "-h" || arg == "--help") {
      return stop(0, lines({t("usage"), t("about"), "", t("options"), t("help"), t("version"), "", t("qt"), t("f1")}),
                  "");
    }
    if (arg == "--version") {
      return stop(
          0, lines({std::string(t("program")) + " (" + std::string(t("edition")) + ") " + std::string(version)}), "");
    }
    std::string_view name = arg;
    if (name.starts_with("--"))
      name.remove_prefix(2);
    else if (name.starts_with("-"))
      name.remove_prefix(1);
    else
      name = {};
    if (!name.empty()) {
      if (among(kQtWithValue, name)) {
        ++i;  // its value
        continue;
      }
      if (among(kQtFlags, name) ||
          std::ranges::any_of(kQtWithEquals, [&](std::string_view p) { return name.starts_with(p); }))
        continue;
    }
    return stop(2, "",
                lines({std::string(t("program")) + ": " + std::string(t("unknown")) + ": '" + printable(arg) + "'",
                       t("tryHelp")}));
  }
  return {};
}

}  // namespace fv
