// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace walk {

// A whole number in its shortest form: "0", "-3", "12".
QString decimal(int value);

// The pattern "###.0": no leading zero, one decimal, halves away from zero.
// 0 is ".0", 2.25 is "2.3", 21.2132 is "21.2".
QString tenths(double value);

} // namespace walk
