// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The face every window of the program asks for.
QString gothicFace();

// Makes the face resolve to an installed Japanese Gothic, so fullwidth
// letters and ideographic spaces render. Call once before any window.
void registerGothicSubstitutes();

// The face at a point size, fixed at 96 dots per inch whatever the screen
// reports, so texts fit the designed layout.
QFont gothic(double points, bool bold = false);

} // namespace platform
