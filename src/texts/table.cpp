#include "texts/table.hpp"

namespace fv {

namespace {

// Each window's texts stand in a file of their own, one per edition.
constexpr TextEntry kPt[] = {
#include "texts/pt/analysis.inc"
#include "texts/pt/cmdline.inc"
#include "texts/pt/geracao.inc"
#include "texts/pt/help.inc"
#include "texts/pt/menu.inc"
#include "texts/pt/pulsos.inc"
#include "texts/pt/senoide.inc"
#include "texts/pt/senoidet.inc"
#include "texts/pt/simula1.inc"
#include "texts/pt/simula2.inc"
    {nullptr, nullptr}};

constexpr TextEntry kEs[] = {
#include "texts/es/analysis.inc"
#include "texts/es/cmdline.inc"
#include "texts/es/geracao.inc"
#include "texts/es/help.inc"
#include "texts/es/menu.inc"
#include "texts/es/pulsos.inc"
#include "texts/es/senoide.inc"
#include "texts/es/senoidet.inc"
#include "texts/es/simula1.inc"
#include "texts/es/simula2.inc"
    {nullptr, nullptr}};

}  // namespace

const TextEntry* textEntries(Edition edition) { return edition == Edition::PT ? kPt : kEs; }

std::string_view plainText(Edition edition, std::string_view key) {
  for (const TextEntry* e = textEntries(edition); e->key; ++e)
    if (key == e->key) return e->text;
  return {};
}

}  // namespace fv
