// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The help window's text in the language the program speaks, one entry per
// printed line; an empty entry is a blank line.
std::array<QString, 26> helpText();
