// The text tables without Qt, for what answers before the application object
// exists (the command line). Keys are "<window>.<control>" or "<area>.<what>".
#pragma once

#include <string_view>

#include "core/edition.hpp"

namespace fv {

struct TextEntry {
  const char* key;
  const char* text;
};

// The edition's entries, ended by one whose key is null.
const TextEntry* textEntries(Edition edition);

// The text under `key`, empty when the table has none.
std::string_view plainText(Edition edition, std::string_view key);

}  // namespace fv
