#include "mainwindow/form1.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::registerGothicSubstitutes();
    Form1 form1;
    form1.show();
    return app.exec();
}
