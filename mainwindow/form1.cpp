#include "mainwindow/form1.h"

#include "mainwindow/resultstable.h"
#include "platform/drawingsurface.h"
#include "platform/label.h"
#include "platform/pictureholder.h"

#include <QPushButton>
#include <QRadioButton>

namespace {
const QString caption = QStringLiteral(" Lurchfield　A random walk for the mathematics class");
} // namespace

Form1::Form1() : platform::Window(caption, QSize(642, 623)), walk(*this) {
    createControls();
    connect(Command2, &QPushButton::clicked, this, [this] { walk.command2Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { walk.command6Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { walk.command7Click(); });
    walk.load();
}

Form1::~Form1() = default;

void Form1::activate() {
    drawPlane();
    walk.showActivated();
}

QWidget* Form1::control(walk::Switch which) const {
    using walk::Switch;
    switch (which) {
    case Switch::Command1:
        return Command1;
    case Switch::Command2:
        return Command2;
    case Switch::Command3:
        return Command3;
    case Switch::Command4:
        return Command4;
    case Switch::Command5:
        return Command5;
    case Switch::Command6:
        return Command6;
    case Switch::Command7:
        return Command7;
    case Switch::Command8:
        return Command8;
    case Switch::Option1:
        return Option1;
    case Switch::Option2:
        return Option2;
    }
    return nullptr;
}

platform::Label* Form1::readout(walk::Readout which) const {
    using walk::Readout;
    switch (which) {
    case Readout::Label2:
        return Label2;
    case Readout::Label4:
        return Label4;
    case Readout::Label6:
        return Label6;
    case Readout::Label72:
        return Label72;
    case Readout::Label74:
        return Label74;
    }
    return nullptr;
}

void Form1::setEnabled(walk::Switch which, bool on) {
    control(which)->setEnabled(on);
}

bool Form1::planeMovement() const {
    return Option1->isChecked();
}

void Form1::setCaption(walk::Readout which, const QString& text) {
    readout(which)->setText(text);
}

void Form1::setCell(walk::Row row, int trial, const QString& text) {
    results->cell(row, trial)->setText(text);
}

void Form1::moveMarker(int x, int y) {
    Picture2->moveTo(QPointF(x, y));
}
