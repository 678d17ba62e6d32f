// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QWidget>

// A window of the main window's size and place holding one label: what any
// Qt Widgets program pays before its first frame.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("barewindow"));
    window.setGeometry(194, 99, 642, 623);
    QLabel label(QStringLiteral("barewindow"), &window);
    label.move(20, 20);
    window.show();
    return app.exec();
}
