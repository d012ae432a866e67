#include "texts/texts.hpp"

#include <utility>

namespace fv {

namespace {

struct Entry {
  const char* key;
  const char* text;
};

// Each window's texts stand in a file of their own, one per edition.
constexpr Entry kPt[] = {
#include "texts/pt/geracao.inc"
#include "texts/pt/menu.inc"
#include "texts/pt/pulsos.inc"
#include "texts/pt/senoide.inc"
#include "texts/pt/senoidet.inc"
#include "texts/pt/simula1.inc"
#include "texts/pt/simula2.inc"
    {nullptr, nullptr}};

constexpr Entry kEs[] = {
#include "texts/es/geracao.inc"
#include "texts/es/menu.inc"
#include "texts/es/pulsos.inc"
#include "texts/es/senoide.inc"
#include "texts/es/senoidet.inc"
#include "texts/es/simula1.inc"
#include "texts/es/simula2.inc"
    {nullptr, nullptr}};

QHash<QString, QString> load(const Entry* entries) {
  QHash<QString, QString> table;
  for (const Entry* e = entries; e->key; ++e) table.insert(QString::fromUtf8(e->key), QString::fromUtf8(e->text));
  return table;
}

}  // namespace

const QHash<QString, QString>& textTable(Edition edition) {
  static const QHash<QString, QString> pt = load(kPt);
  static const QHash<QString, QString> es = load(kEs);
  return edition == Edition::PT ? pt : es;
}

}  // namespace fv
