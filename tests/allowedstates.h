#pragma once

#include <QString>

// The states of the main window's state table once it is shown, with what
// the flag-changing events under the table make of them. Flags are those of
// Command1..Command8, Option1 and Option2, Timer1 and Timer2; 'S' is on for
// the selected option button only, '?' either way. "Graph display" turns
// Command1 off, an activation "Graph display"; in Complete the last trial
// walks on only after the walk timer fell a whole trial behind.
struct AllowedState {
    const char* name;
    const char* flags;
    int ctMin;
    int ctMax;
};

inline constexpr AllowedState allowedStates[] = {
    {"idle", "10100101 11 00", 0, 0},
    {"armed from idle", "00000010 11 01", 0, 0},
    {"armed from stopped", "00000010 SS ?1", 0, 51},
    {"running", "10000010 SS ?1", 1, 51},
    {"stopped", "?011?101 SS ?0", 0, 51},
    {"complete", "?011?001 SS ?1", 51, 51},
};

// The state that allows these flags at trial count ct, or none.
inline const AllowedState* allowedState(const QString& flags, bool linear, int ct) {
    for (const AllowedState& state : allowedStates) {
        QString want = QString::fromLatin1(state.flags);
        want.replace(QStringLiteral("SS"), linear ? QStringLiteral("01") : QStringLiteral("10"));
        bool same = ct >= state.ctMin && ct <= state.ctMax && flags.size() == want.size();
        for (qsizetype c = 0; same && c < want.size(); ++c)
            same = want[c] == u'?' || want[c] == flags[c];
        if (same)
            return &state;
    }
    return nullptr;
}
