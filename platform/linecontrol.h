// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace platform {

// A fixed horizontal rule, one pixel high, in the window-text colour.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, int x1, int x2, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
