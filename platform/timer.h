// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

class VirtualTime;

// A window timer: while enabled it ticks once per interval, the first tick
// one interval after it was enabled. Enabling it again while it runs keeps
// its cadence; disabling it stops it at once.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(int intervalMs, QObject* parent = nullptr);
    ~Timer() override;

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool on);

signals:
    void tick();

private:
    friend class VirtualTime;
    void fire();

    int m_interval;
    bool m_enabled = false;
    VirtualTime* m_virtual = nullptr; // the virtual clock it is armed on, if any
    QTimer m_real;
};

} // namespace platform
