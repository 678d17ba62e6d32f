// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

namespace platform {

// Puts rows of fields on the system clipboard twice over: as plain text,
// tab-separated, which spreadsheets paste as columns, and as text/csv for
// programs that ask for that.
void copyTable(const QList<QStringList>& rows);

} // namespace platform
