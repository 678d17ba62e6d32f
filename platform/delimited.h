// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// Rows of fields as a spreadsheet pastes them: fields split by tabs, one
// row a line.
QString tabSeparated(const QList<QStringList>& rows);

// The same rows as comma-separated values: a field holding a comma, a
// quote or a line break goes in quotes, its quotes doubled; rows end in CR LF.
QString commaSeparated(const QList<QStringList>& rows);

} // namespace platform
