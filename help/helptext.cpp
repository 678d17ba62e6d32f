// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helptext.h"

namespace {

// The indents are ideographic spaces, written as a count because they are
// invisible in the source.
QString indent(int ideographic) {
    return QString(ideographic, QChar(0x3000));
}

} // namespace

const std::array<QString, 26>& helpText() {
    // Lines 4 and 11 end in an ordinary space; lines 19 and 23 add two
    // ordinary spaces to their indent.
    // clang-format off
    static const std::array<QString, 26> lines = {
        QString(),
        indent(1) + QStringLiteral("【Question】"),
        indent(5) + QStringLiteral("A drunk person sways indiscriminately from front to back and left and right."),
        indent(5) + QStringLiteral("A drunk person may come back to the same place many times while walking "),
        indent(4) + QStringLiteral("around to reach his destination."),
        indent(5) + QStringLiteral("Now the drunk person is at the origin on the xy coordinate plane."),
        indent(5) + QStringLiteral("When a drunk person departs from the origin and wanders 30 times , how far"),
        indent(4) + QStringLiteral("is the position where he is at the 30th time from the origin ?"),
        indent(5) + QStringLiteral("However , it is assumed that a drunk person sways in four directions , up ,"),
        indent(4) + QStringLiteral("down , left , and right , and the distance traveled by one sway is one."),
        indent(5) + QStringLiteral("Also , what if a drunk person sways in only two directions left and right , "),
        indent(4) + QStringLiteral("and is on the x-axis ?"),
        QString(),
        indent(1) + QStringLiteral("【Operation method】"),
        indent(4) + QStringLiteral("■In case of wobbing in 4 directions , click the check box [Plane movement]."),
        indent(4) + QStringLiteral("■In case of wobbing in 2 directions , click the check box [Linear movement]."),
        indent(5) + QStringLiteral("(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)"),
        indent(5) + QStringLiteral("Click the [ExperimentStart] button to start the drunk person's wobbling."),
        indent(4) + QStringLiteral("  (However , it takes time to start wobbling.)"),
        indent(5) + QStringLiteral("Click the [ExperimentStop] button to stop the drunk person's wobbling."),
        indent(5) + QStringLiteral("(However , it takes time to stop wobbling.)"),
        indent(5) + QStringLiteral("Click the [Graph display] button to display the graph."),
        indent(4) + QStringLiteral("  (However , in the case of 4-way wobbling , the horizontal axis is the distance"),
        indent(4) + QStringLiteral("between the position where the drunk person staggers 30 times and the origin."),
        indent(4) + QStringLiteral("And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of"),
        indent(4) + QStringLiteral("the position where the drunk person staggers 30 times.)"),
    };
    // clang-format on
    return lines;
}
