// Number text for the program's strings: the one place where a field's text
// becomes a number (numtext does the reading, without Qt).
#pragma once

#include <QChar>
#include <QString>
#include <optional>

#include "core/numtext.hpp"

namespace fv {

// The separator as numtext takes it: a character outside Latin-1 reads as '.'.
inline char separatorChar(QChar sep) { return sep.toLatin1() ? sep.toLatin1() : '.'; }

inline std::optional<double> parseText(const QString& text, QChar sep, bool emptyIsZero = false) {
  const QByteArray utf8 = text.toUtf8();
  return numtext::parse(std::string_view(utf8.constData(), size_t(utf8.size())), separatorChar(sep), emptyIsZero);
}

}  // namespace fv
