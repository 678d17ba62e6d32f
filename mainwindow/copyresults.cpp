#include "mainwindow/form1.h"

#include "mainwindow/resultstable.h"
#include "platform/clipboard.h"
#include "platform/label.h"
#include "walk/delimited.h"
#include "walk/formats.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>

// A teacher gathers the class's results in a spreadsheet: one row per
// recorded trial, as the table shows it, then the average and the mode.
// Copying reads the window and changes nothing in it.
void Form1::copyResults() {
    QList<QStringList> rows{
        {QStringLiteral("Trial"), QStringLiteral("x"), QStringLiteral("y"),
         QStringLiteral("Distance")},
    };
    for (int trial = 1; trial <= 51; ++trial) {
        const QStringList values{results->text(walk::Row::xz, trial),
                                 results->text(walk::Row::yz, trial),
                                 results->text(walk::Row::kr, trial)};
        if (!values.join(QString()).isEmpty())
            rows << QStringList{walk::decimal(trial)} + values;
    }
    rows << QStringList{Label75->text(), Label74->text()};
    rows << QStringList{(Option1->isChecked() ? Option1 : Option2)->text()};
    platform::copyTable(walk::tabSeparated(rows), walk::commaSeparated(rows));
}

// The labels leave a right click to the window, so the menu goes by where
// the click falls, whatever draws the table there.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
    if (!ResultsTable::area().contains(event->pos())) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Copy results"), this, &Form1::copyResults);
    menu->popup(event->globalPos());
}
