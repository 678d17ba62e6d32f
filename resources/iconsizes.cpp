// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: writes the window icon at each installed size into a
// hicolor icon theme tree, from the one pixel-art drawing.
//   iconsizes THEME_DIR NAME  ->  THEME_DIR/<N>x<N>/apps/NAME.png

#include "resources/icon.h"
#include "resources/pictures.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s THEME_DIR NAME\n", argv[0]);
        return 2;
    }
    const QImage drawn = resources::iconPicture();
    for (const int size : resources::iconSizes) {
        const QString dir =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file =
            dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
        if (!QDir().mkpath(dir) ||
            !resources::blockScaled(drawn, size / drawn.width()).save(file, "PNG")) {
            std::fprintf(stderr, "iconsizes: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
