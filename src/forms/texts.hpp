// The texts of the controls, one table per edition, keyed "<window>.<control>".
#pragma once

#include <QHash>
#include <QString>

#include "core/edition.hpp"

namespace fv {

const QHash<QString, QString>& textTable(Edition edition);

}  // namespace fv
