// The command line: the program takes none, apart from --help and --version
// (in the edition's language) and the options Qt itself reads (-platform,
// -style, -display, ...), which are left for the application object.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/edition.hpp"

namespace fv {

struct CommandLine {
  bool run = true;  // false: print `out` and `err`, then end with `exitCode`
  int exitCode = 0;
  std::string out;
  std::string err;
};

// Reads the arguments after the program name. Needs no display, so that
// `fervano-pt --help` works anywhere.
CommandLine readCommandLine(std::span<const char* const> args, Edition edition, std::string_view version);

// The one line printed when no display could be opened (the program then
// ends with status 2, as for an unknown argument).
std::string noDisplayMessage(Edition edition);

}  // namespace fv
