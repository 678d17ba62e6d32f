#include "mainwindow/form1.h"

#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "mainwindow/form1accessible.h"
#include "mainwindow/resultstable.h"
#include "platform/announcer.h"
#include "platform/drawingsurface.h"
#include "platform/label.h"
#include "platform/pictureholder.h"
#include "platform/surfaceaccessible.h"
#include "resources/creditline.h"

#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

const QString caption = QStringLiteral(" Lurchfield　") + creditLine;

// The marker's place in the read-outs' terms, for screen readers.
QString walkerAt(int x, int y) {
    return QStringLiteral("Walker at x %1, y %2").arg(x - 15).arg(y - 15);
}

// A screen reader hears each read-out's value as its name; the description
// says what the value is.
void describe(Form1& form) {
    form.Label2->setAccessibleDescription(QStringLiteral("Walker's x coordinate"));
    form.Label4->setAccessibleDescription(QStringLiteral("Walker's y coordinate"));
    form.Label6->setAccessibleDescription(QStringLiteral("Number of staggers"));
    form.Label72->setAccessibleDescription(QStringLiteral("Trial number"));
    form.Label74->setAccessibleDescription(QStringLiteral("Average distance"));
    form.Picture1->setAccessibleName(QStringLiteral("Coordinate plane"));
    form.Picture1->describeOnRequest([&form] { return walkerAt(form.walk.x, form.walk.y); });
}

} // namespace

Form1::Form1() : platform::Window(caption, QSize(642, 623)), walk(*this) {
    Form1Accessible::install();
    createControls();
    connect(Command2, &QPushButton::clicked, this, [this] { walk.command2Click(); });
    connect(Command3, &QPushButton::clicked, this, &Form1::command3Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::command4Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::command5Click);
    connect(Command6, &QPushButton::clicked, this, [this] { walk.command6Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { walk.command7Click(); });
    connect(Command8, &QPushButton::clicked, this, &Form1::command8Click);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &Form1::copyResults);
    walk.load();
    describe(*this);
}

Form1::~Form1() {
    // The other windows have no owner; they go when the program does.
    delete form2;
    delete form3;
    delete form4;
}

void Form1::activate() {
    drawPlane();
    walk.showActivated();
}

QWidget* Form1::control(walk::Switch which) const {
    const std::array<QWidget*, 10> controls{Command1, Command2, Command3, Command4, Command5,
                                            Command6, Command7, Command8, Option1,  Option2};
    return controls.at(static_cast<std::size_t>(which));
}

platform::Label* Form1::readout(walk::Readout which) const {
    const std::array<platform::Label*, 5> readouts{Label2, Label4, Label6, Label72, Label74};
    return readouts.at(static_cast<std::size_t>(which));
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
    results->setCell(row, trial, text);
}

void Form1::moveMarker(int x, int y) {
    Picture2->moveTo(QPointF(x, y));
}

void Form1::announce(const QString& text) {
    announcer->announce(text);
}
