// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace platform {

// A caption in a sunken single border, centred and wrapped from the top,
// on a solid background.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& caption = {});

    // An invalid text colour keeps the current one.
    void setColours(const QColor& background, const QColor& text = {});

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
