#include "forms/texts.hpp"

#include "texts/table.hpp"

namespace fv {

namespace {

QHash<QString, QString> load(const TextEntry* entries) {
  QHash<QString, QString> table;
  for (const TextEntry* e = entries; e->key; ++e) table.insert(QString::fromUtf8(e->key), QString::fromUtf8(e->text));
  return table;
}

}  // namespace

const QHash<QString, QString>& textTable(Edition edition) {
  static const QHash<QString, QString> pt = load(textEntries(Edition::PT));
  static const QHash<QString, QString> es = load(textEntries(Edition::ES));
  return edition == Edition::PT ? pt : es;
}

}  // namespace fv
