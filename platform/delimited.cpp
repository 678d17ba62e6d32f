// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/delimited.h"

namespace platform {

QString tabSeparated(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString commaSeparated(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (QString field : row) {
            if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
                field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                        QLatin1Char('"');
            fields << field;
        }
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text;
}

} // namespace platform
