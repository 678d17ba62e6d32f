// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The main window's states once shown, as its state table and the events under it make
// them: the buttons and options in walk::Control's order, the step and trial timers; 'S' on for the
// selected option only, '?' either.
struct AllowedState {
    const char* name;
    const char* flags;
    int trialsMin, trialsMax;
};

inline constexpr AllowedState allowedStates[] = {
    {"idle", "10100101 11 00", 0, 0},
    {"armed from idle", "00000010 11 01", 0, 0},
    {"armed from stopped", "00000010 SS ?1", 0, 51},
    {"running", "10000010 SS ?1", 1, 51},
    // The hidden start button is off after "Graph display", "Graph display" after an activation.
    {"stopped", "?011?101 SS ?0", 0, 51},
    // The last trial walks on only after the walk timer fell a whole trial behind.
    {"complete", "?011?001 SS ?1", 51, 51},
};

// The state that allows these flags after a number of trials, or none.
inline const AllowedState* allowedState(const QString& flags, bool linear, int trials) {
    for (const AllowedState& state : allowedStates) {
        QString want = QString::fromLatin1(state.flags);
        want.replace(QStringLiteral("SS"), linear ? QStringLiteral("01") : QStringLiteral("10"));
        bool same =
            trials >= state.trialsMin && trials <= state.trialsMax && flags.size() == want.size();
        for (qsizetype c = 0; same && c < want.size(); ++c)
            same = want[c] == u'?' || want[c] == flags[c];
        if (same)
            return &state;
    }
    return nullptr;
}
