// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace platform {
namespace {
std::function<int(const QString&, const QString&)> replacement;
} // namespace

int messageBox(const QString& text, const QString& title) {
    if (replacement)
        return replacement(text, title);
    // With OK its only button, Escape and the close control answer OK too.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    // Some styles decorate dialog buttons with icons; this box shows none at all.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
    return answerOk;
}

void replaceMessageBoxes(std::function<int(const QString& text, const QString& title)> answer) {
    replacement = std::move(answer);
}

} // namespace platform
