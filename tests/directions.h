#pragma once

#include "platform/random.h"

#include <QStringList>

// Directions written "111222 13*12": 1 right, 2 up, 3 left, 4 down, each
// group of digits taken as many times as the number after its star says.
inline QString directions(const QString& written) {
    QString steps;
    for (const QString& group : written.split(u' ', Qt::SkipEmptyParts))
        steps += group.section(u'*', 0, 0).repeated(qMax(1, group.section(u'*', 1).toInt()));
    return steps;
}

// Replaces the walk's random draws so that its steps go in those directions, round and round.
inline void drawDirections(const QString& written) {
    platform::replaceDraws([steps = directions(written), next = qsizetype(0)]() mutable {
        return float(steps.at(next++ % steps.size()).digitValue() - 1) / 4.0f + 0.1f;
    });
}
