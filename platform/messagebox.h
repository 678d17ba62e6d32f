// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace platform {

// The answer of a message box whose only button is OK; closing it answers the same.
constexpr int answerOk = 1;

// Shows a modal message with the single button "OK" and no icon, and waits
// for the answer.
int messageBox(const QString& text, const QString& title);

// Lets a test answer message boxes instead of a person; an empty function
// brings the real box back.
void replaceMessageBoxes(std::function<int(const QString& text, const QString& title)> answer);

} // namespace platform
