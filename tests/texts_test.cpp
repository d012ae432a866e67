// The text tables: both editions name the same texts, each once, so a text
// left out of a translation cannot show up as an empty label.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/table.hpp"

using fv::Edition;

namespace {

std::set<std::string> keys(Edition e) {
  std::set<std::string> seen;
  for (const fv::TextEntry* t = fv::textEntries(e); t->key; ++t)
    EXPECT_TRUE(seen.insert(t->key).second) << "twice in one table: " << t->key;
  return seen;
}

}  // namespace

TEST(TextTables, BothEditionsHoldTheSameKeysOnce) {
  const std::set<std::string> pt = keys(Edition::PT);
  const std::set<std::string> es = keys(Edition::ES);
  for (const std::string& k : pt) EXPECT_TRUE(es.contains(k)) << "missing in es: " << k;
  for (const std::string& k : es) EXPECT_TRUE(pt.contains(k)) << "missing in pt: " << k;
  EXPECT_EQ(fv::plainText(Edition::ES, "no.such.key"), "");
}
