#include "mainwindow/form1.h"
#include "platform/fontconfigpreload.h"
#include "platform/fonts.h"
#include "resources/desktopid.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry.
    QApplication::setDesktopFileName(desktopId);
    platform::registerGothicSubstitutes();
    Form1 form1;
    fontConfig.wait();
    form1.show();
    return app.exec();
}
