// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "platform/fontconfigpreload.h"
#include "platform/fonts.h"
#include "platform/memoryarena.h"
#include "platform/translations.h"
#include "resources/desktopid.h"

#include <QApplication>
#include <QPixmapCache>

int main(int argc, char* argv[]) {
    platform::useOneMemoryArena();
    platform::FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    // The style keeps a picture of every button face it draws, some 70 KiB
    // for this window; drawing a face again on a rare repaint costs less.
    QPixmapCache::setCacheLimit(0);
    // Lets the desktop match the windows to the installed desktop entry.
    QApplication::setDesktopFileName(desktopId);
    platform::registerGothicSubstitutes();
    const platform::Translations translations(QLocale::system());
    MainWindow window;
    fontConfig.wait();
    window.show();
    return app.exec();
}
