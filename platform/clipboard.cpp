// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clipboard.h"

#include "platform/delimited.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

void copyTable(const QList<QStringList>& rows) {
    auto* data = new QMimeData;
    data->setText(tabSeparated(rows));
    data->setData(QStringLiteral("text/csv"), commaSeparated(rows).toUtf8());
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard takes it over
}

} // namespace platform
