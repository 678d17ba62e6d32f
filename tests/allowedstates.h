#pragma once

#include <QString>

#include <vector>

// Every combination of the main window's enabled flags that its state table
// allows once the window is shown: the rows, and whatever the flag-changing
// events under the table make of them. Written out from the table by hand,
// not read off the program.
class AllowedStates {
public:
    struct Entry {
        QString name;
        // In the notation of flags(): 'S' is on for the selected option
        // button only, '?' may be either.
        QString flags;
        int ctMin;
        int ctMax;
        // Only after the walk timer fell a whole trial behind: the tick that
        // completes the experiment then finds the last trial walking, and it
        // walks again from the origin.
        bool needsLag;
    };

    // The flags as the window is created, before its first activation.
    static inline const QString creation = QStringLiteral("11101111 11 00");

    AllowedStates() {
        m_entries = {
            {QStringLiteral("idle"), QStringLiteral("10100101 11 00"), 0, 0, false},
            {QStringLiteral("armed from idle"), QStringLiteral("00000010 11 01"), 0, 0, false},
            {QStringLiteral("armed from stopped"), QStringLiteral("00000010 SS ?1"), 0, 51, false},
            {QStringLiteral("running"), QStringLiteral("10000010 SS ?1"), 1, 51, false},
            {QStringLiteral("stopped"), QStringLiteral("10111101 SS ?0"), 0, 51, false},
            {QStringLiteral("complete"), QStringLiteral("10111001 SS 01"), 51, 51, false},
            {QStringLiteral("complete, last trial lagging"), QStringLiteral("10111001 SS 11"), 51,
             51, true},
        };
        // "when" is what the flags must show for the event to happen at all;
        // "sets" forces '0' and '1' and keeps '.'. "Help" and "Exit" set no flag.
        struct Event {
            const char* name;
            const char* when;
            const char* sets;
        };
        const Event events[] = {
            {"graph display", "????1??? ?? ??", "00...... .. .."},
            {"activation", "???????? ?? ?1", ".0..0... .. .."},
            {"activation", "???????? ?? ?0", ".0..0.0. .. .."},
        };
        for (std::size_t i = 0; i < m_entries.size(); ++i) { // grows as it goes
            for (const Event& event : events) {
                const QString when = QString::fromLatin1(event.when);
                const QString sets = QString::fromLatin1(event.sets);
                Entry next = m_entries[i];
                bool possible = true;
                for (int c = 0; c < next.flags.size(); ++c) {
                    possible = possible && (when[c] == u'?' || when[c] == next.flags[c]);
                    if (sets[c] != u'.')
                        next.flags[c] = sets[c];
                }
                next.name += QStringLiteral(", then ") + QLatin1String(event.name);
                if (possible && !find(next))
                    m_entries.push_back(next);
            }
        }
    }

    const std::vector<Entry>& entries() const { return m_entries; }

    // The entry that allows these flags, with selected "10" for "Plane
    // movement" or "01" for "Linear movement"; nullptr when none does.
    const Entry* match(const QString& flags, const QString& selected, int ct, bool lagged) const {
        for (const Entry& e : m_entries) {
            if (ct < e.ctMin || ct > e.ctMax || (e.needsLag && !lagged))
                continue;
            bool same = flags.size() == e.flags.size();
            for (int c = 0; same && c < flags.size(); ++c) {
                const QChar want = e.flags[c];
                if (want == u'S')
                    same = flags[c] == selected[c - 9];
                else
                    same = want == u'?' || want == flags[c];
            }
            if (same)
                return &e;
        }
        return nullptr;
    }

private:
    bool find(const Entry& like) const {
        for (const Entry& e : m_entries)
            if (e.flags == like.flags && e.ctMin == like.ctMin && e.ctMax == like.ctMax &&
                e.needsLag == like.needsLag)
                return true;
        return false;
    }

    std::vector<Entry> m_entries;
};
