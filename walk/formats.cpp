// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/formats.h"

#include <QLocale>

#include <cmath>

namespace walk {

QString decimal(int value) {
    return QString::number(value);
}

QString tenths(double value) {
    const long long inTenths = std::llround(std::fabs(value) * 10.0); // halves away from zero
    const long long whole = inTenths / 10;
    QString text = (value < 0 && inTenths != 0) ? QStringLiteral("-") : QString();
    if (whole != 0)
        text += QString::number(whole);
    return text + QLocale().decimalPoint() + QString::number(inTenths % 10);
}

QString oneDecimal(double value) {
    return QLocale().toString(value, 'f', 1);
}

} // namespace walk
