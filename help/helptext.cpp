// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helptext.h"

#include <QCoreApplication>

namespace {

// The indents are ideographic spaces, written as a count because they are
// invisible in the source.
QString indent(int ideographic) {
    return QString(ideographic, QChar(0x3000));
}

} // namespace

std::array<QString, 26> helpText() {
    // Each line is its own message, its indent kept out of it, so that a
    // translation is laid out on the same lines. Lines 4 and 11 end in an
    // ordinary space; lines 19 and 23 begin with two.
    // clang-format off
    static const struct {
        int indent;
        const char* text;
    } lines[26] = {
        {0, nullptr},
        {1, QT_TRANSLATE_NOOP("HelpWindow", "【Question】")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "A drunk person sways indiscriminately from front to back and left and right.")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "A drunk person may come back to the same place many times while walking ")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "around to reach his destination.")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "Now the drunk person is at the origin on the xy coordinate plane.")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "When a drunk person departs from the origin and wanders 30 times , how far")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "is the position where he is at the 30th time from the origin ?")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "However , it is assumed that a drunk person sways in four directions , up ,")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "down , left , and right , and the distance traveled by one sway is one.")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "Also , what if a drunk person sways in only two directions left and right , ")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "and is on the x-axis ?")},
        {0, nullptr},
        {1, QT_TRANSLATE_NOOP("HelpWindow", "【Operation method】")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "■In case of wobbing in 4 directions , click the check box [Plane movement].")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "■In case of wobbing in 2 directions , click the check box [Linear movement].")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "Click the [ExperimentStart] button to start the drunk person's wobbling.")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "  (However , it takes time to start wobbling.)")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "Click the [ExperimentStop] button to stop the drunk person's wobbling.")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "(However , it takes time to stop wobbling.)")},
        {5, QT_TRANSLATE_NOOP("HelpWindow", "Click the [Graph display] button to display the graph.")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "  (However , in the case of 4-way wobbling , the horizontal axis is the distance")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "between the position where the drunk person staggers 30 times and the origin.")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of")},
        {4, QT_TRANSLATE_NOOP("HelpWindow", "the position where the drunk person staggers 30 times.)")},
    };
    // clang-format on
    std::array<QString, 26> text;
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (lines[n].text)
            text[n] =
                indent(lines[n].indent) + QCoreApplication::translate("HelpWindow", lines[n].text);
    }
    return text;
}
