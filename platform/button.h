// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace platform {

// A push button whose caption wraps onto more lines when it is wider than
// the button, as captions of the program's taller buttons are designed to.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
