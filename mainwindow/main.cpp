#include "mainwindow/form1.h"
#include "platform/fontconfigpreload.h"
#include "platform/fonts.h"
#include "resources/desktopid.h"

#include <QApplication>
#include <QPixmapCache>

#include <malloc.h>

int main(int argc, char* argv[]) {
    // Every thread allocates from one memory arena: the program's threads
    // are few and quiet, and an arena of their own each would keep its
    // freed memory, the font configuration's parser buffers first of all,
    // from everyone else.
    mallopt(M_ARENA_MAX, 1);
    platform::FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    // The style keeps a picture of every button face it draws, some 70 KiB
    // for this window; drawing a face again on a rare repaint costs less.
    QPixmapCache::setCacheLimit(0);
    // Lets the desktop match the windows to the installed desktop entry.
    QApplication::setDesktopFileName(desktopId);
    platform::registerGothicSubstitutes();
    Form1 form1;
    fontConfig.wait();
    form1.show();
    return app.exec();
}
