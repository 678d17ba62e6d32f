#pragma once

#include <QString>

namespace platform {

// Puts a table on the system clipboard twice over: as plain text, which
// spreadsheets paste as columns when its fields are tab-separated, and as
// text/csv for programs that ask for that.
void copyTable(const QString& plainText, const QString& csv);

} // namespace platform
