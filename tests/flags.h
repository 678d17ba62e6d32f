#pragma once

#include "walk/walk.h"

#include <QString>

#include <array>

// The enabled flags of Command1..Command8, Option1, Option2, Timer1 and
// Timer2 as 1s and 0s in three groups, the way the state table reads.
template <typename Controls> QString flags(const Controls& controls, const walk::Walk& walk) {
    QString text;
    for (int c = 0; c < 10; ++c) {
        if (c == 8)
            text += QLatin1Char(' ');
        text += controls.isEnabled(walk::Switch(c)) ? QLatin1Char('1') : QLatin1Char('0');
    }
    text += QLatin1Char(' ');
    text += walk.Timer1.isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    text += walk.Timer2.isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

// Rows of the state table: Command1..Command8, Option1 and Option2, Timer1 and Timer2.
inline const QString idle = QStringLiteral("10100101 11 00");
inline const QString armedFromIdle = QStringLiteral("00000010 11 01");
inline const QString runningPlaneWalking = QStringLiteral("10000010 10 11");
inline const QString runningPlaneResting = QStringLiteral("10000010 10 01");
inline const QString stoppedPlaneResting = QStringLiteral("10111101 10 00");
inline const QString completePlane = QStringLiteral("10111001 10 01");
