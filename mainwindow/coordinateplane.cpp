#include "mainwindow/form1.h"

#include "platform/drawingsurface.h"
#include "platform/palette.h"

// The plane's axes cross at (18, 20); a lattice point (X, Y) sits at
// (18 + X, 20 + Y). Nothing is cleared: each activation draws the same
// figure over the one already there.
void Form1::drawPlane() {
    const QColor white = platform::qbColor(15);
    Picture1->line({0, 20}, {36, 20}, white);
    Picture1->line({18, 0}, {18, 40}, white);
    Picture1->setCurrent(19, 37);
    Picture1->print(QStringLiteral("ｙ"));
    Picture1->setCurrent(34, 17);
    Picture1->print(QStringLiteral("ｘ"));
    for (walk.i = 3; walk.i <= 33; walk.i += 5)
        Picture1->line({double(walk.i), 20}, {double(walk.i), 21}, white);
    for (walk.i = 5; walk.i <= 35; walk.i += 5)
        Picture1->line({17.5, double(walk.i)}, {18, double(walk.i)}, white);

    const struct {
        double x, y;
        const char* text;
    } labels[] = {{27, 22, "10"}, {7, 22, "-10"}, {15, 29, "10"}, {14, 9, "-10"}};
    for (const auto& label : labels) {
        Picture1->setCurrent(label.x, label.y);
        Picture1->print(QString::fromLatin1(label.text));
    }
}
