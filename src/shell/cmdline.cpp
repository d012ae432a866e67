#include "shell/cmdline.hpp"

#include <algorithm>
#include <utility>

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

struct Texts {
  std::string_view program, edition, usage, about, options, help, versionLine, qt, f1, unknown, tryHelp;
};

constexpr Texts kPT = {
    "fervano-pt",
    "FERVANO, edição em português",
    "Uso: fervano-pt [opções]",
    "Ensino de harmônicas e tensões induzidas em instalações elétricas de baixa tensão.",
    "Opções:",
    "  -h, --help     mostra esta ajuda e sai",
    "      --version  mostra a versão e sai",
    "As opções do Qt (-platform, -style, -display, ...) também são aceitas.",
    "No programa, a tecla F1 explica a janela em que se está.",
    "argumento não reconhecido",
    "Experimente 'fervano-pt --help'.",
};

constexpr Texts kES = {
    "fervano-es",
    "FERVANO, edición en español",
    "Uso: fervano-es [opciones]",
    "Enseñanza de armónicos y tensiones inducidas en instalaciones eléctricas de baja tensión.",
    "Opciones:",
    "  -h, --help     muestra esta ayuda y sale",
    "      --version  muestra la versión y sale",
    "Las opciones de Qt (-platform, -style, -display, ...) también se aceptan.",
    "En el programa, la tecla F1 explica la ventana en la que se está.",
    "argumento no reconocido",
    "Pruebe 'fervano-es --help'.",
};

CommandLine stop(int exitCode, std::string out, std::string err) {
  return {.run = false, .exitCode = exitCode, .out = std::move(out), .err = std::move(err)};
}

std::string lines(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) (text += p) += '\n';
  return text;
}

}  // namespace

CommandLine readCommandLine(std::span<const char* const> args, Edition edition, std::string_view version) {
  const Texts& t = edition == Edition::PT ? kPT : kES;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i] ? args[i] : "";
    if (arg == "-h" || arg == "--help") {
      return stop(0, lines({t.usage, t.about, "", t.options, t.help, t.versionLine, "", t.qt, t.f1}), "");
    }
    if (arg == "--version") {
      return stop(0, lines({std::string(t.program) + " (" + std::string(t.edition) + ") " + std::string(version)}), "");
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
    return stop(
        2, "",
        lines({std::string(t.program) + ": " + std::string(t.unknown) + ": '" + std::string(arg) + "'", t.tryHelp}));
  }
  return {};
}

}  // namespace fv
