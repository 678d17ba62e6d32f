// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace walk {

// A whole number in its shortest form: "0", "-3", "12".
QString decimal(int value);

// The pattern "###.0": no leading zero, one decimal, halves away from zero.
// 0 is ".0", 2.25 is "2.3", 21.2132 is "21.2". The decimal point is the
// default locale's, so that a spreadsheet set to the same language reads
// the copied results as numbers: ",0" and "2,3" in German.
QString tenths(double value);

// A bin boundary or an expected count with one decimal, "1.4", likewise
// with the default locale's decimal point.
QString oneDecimal(double value);

} // namespace walk
