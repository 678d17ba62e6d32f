#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

void copyTable(const QString& plainText, const QString& csv) {
    auto* data = new QMimeData;
    data->setText(plainText);
    data->setData(QStringLiteral("text/csv"), csv.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard takes it over
}

} // namespace platform
