// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"

#include "graphs/distancehistogramwindow.h"
#include "graphs/xhistogramwindow.h"
#include "help/helpwindow.h"
#include "mainwindow/mainwindowaccessible.h"
#include "mainwindow/resultstable.h"
#include "platform/announcer.h"
#include "platform/button.h"
#include "platform/clipboard.h"
#include "platform/drawingsurface.h"
#include "platform/endprogram.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/messagebox.h"
#include "platform/palette.h"
#include "platform/pictureholder.h"
#include "platform/twips.h"
#include "resources/creditline.h"
#include "resources/icon.h"
#include "resources/pictures.h"
#include "walk/formats.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

using platform::gothic;
using platform::twipRect;

namespace {

// Opens the program's one window of its kind, or brings it to the front;
// the arguments are the new window's.
template <typename W, typename... Args> void open(QPointer<W>& window, const Args&... args) {
    if (!window)
        window = new W(args...);
    window->showAndRaise();
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QFont& font) {
    auto* b = new platform::Button(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font);
    return b;
}

platform::Label* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                       const QFont& font, const QColor& background = Qt::white) {
    auto* l = new platform::Label(parent, caption);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setColours(background);
    return l;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(QLatin1String(name));
    o->setGeometry(geometry);
    o->setFont(gothic(11.25));
    return o;
}

} // namespace

MainWindow::MainWindow()
    : platform::Window(QStringLiteral(" Lurchfield　") + creditLine(), QSize(642, 623)) {
    MainWindowAccessible::install();
    createControls();
    connect(m_prepareButton, &QPushButton::clicked, this, [this] { m_experiment.prepareTrial(); });
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exit);
    connect(m_initButton, &QPushButton::clicked, this, &MainWindow::clear);
    connect(m_graphButton, &QPushButton::clicked, this, &MainWindow::showGraph);
    connect(m_startButton, &QPushButton::clicked, this, [this] { m_experiment.start(); });
    connect(m_stopButton, &QPushButton::clicked, this, [this] { m_experiment.stop(); });
    connect(m_helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &MainWindow::copyResults);

    // A screen reader hears each read-out's value as its name; the
    // description says what the value is.
    m_walkerX->setAccessibleDescription(tr("Walker's x coordinate"));
    m_walkerY->setAccessibleDescription(tr("Walker's y coordinate"));
    m_stepsTaken->setAccessibleDescription(m_stepsCaption->text());
    m_trialNumber->setAccessibleDescription(tr("Trial number"));
    m_average->setAccessibleDescription(m_averageCaption->text());
    m_plane->setAccessibleName(tr("Coordinate plane"));
    m_plane->describeOnRequest([this] {
        return tr("Walker at x %1, y %2").arg(m_experiment.walkerX()).arg(m_experiment.walkerY());
    });
}

MainWindow::~MainWindow() {
    // The other windows have no owner; they go when the program does.
    delete m_xHistogram;
    delete m_distanceHistogram;
    delete m_help;
}

void MainWindow::activate() {
    drawPlane();
    m_experiment.showActivated();
}

QAbstractButton* MainWindow::control(walk::Control which) const {
    const std::array<QAbstractButton*, walk::controlCount> controls{
        m_hiddenStartButton, m_prepareButton, m_exitButton, m_initButton,  m_graphButton,
        m_startButton,       m_stopButton,    m_helpButton, m_planeOption, m_linearOption};
    return controls.at(static_cast<std::size_t>(which));
}

platform::Label* MainWindow::readout(walk::Readout which) const {
    const std::array<platform::Label*, 5> readouts{m_walkerX, m_walkerY, m_stepsTaken,
                                                   m_trialNumber, m_average};
    return readouts.at(static_cast<std::size_t>(which));
}

void MainWindow::setEnabled(walk::Control which, bool on) {
    control(which)->setEnabled(on);
}

bool MainWindow::planeMovement() const {
    return m_planeOption->isChecked();
}

void MainWindow::setCaption(walk::Readout which, const QString& text) {
    readout(which)->setText(text);
}

void MainWindow::setCell(walk::Row row, int trial, const QString& text) {
    m_results->setCell(row, trial, text);
}

void MainWindow::moveMarker(int x, int y) {
    m_walker->moveTo(QPointF(x, y));
}

void MainWindow::announce(const QString& text) {
    m_announcer->announce(text);
}

void MainWindow::createControls() {
    setObjectName(QStringLiteral("MainWindow"));
    setIcon(resources::windowIcon());
    setFont(gothic(9.75));
    setGeometry(QRect(QPoint(platform::px(2910), platform::px(1485)), size()));

    // Top strip.
    m_exitButton = button(this, "exitButton", tr("Exit"), twipRect(0, 0, 855, 375), gothic(9));
    m_title = label(this, "title", QStringLiteral("Lurchfield"), twipRect(3240, 0, 3015, 375),
                    gothic(15.75, true));
    m_title->setColours(platform::qbColor(10), palette().color(QPalette::WindowText));
    m_helpButton = button(this, "helpButton", tr("Help"), twipRect(7920, 0, 855, 375), gothic(9));
    m_initButton = button(this, "initButton", tr("Init"), twipRect(8760, 0, 855, 375), gothic(9));
    m_initButton->setEnabled(false);
    m_topRule = new platform::LineControl(this, 0, platform::px(9720), platform::px(360));

    m_results = new ResultsTable(this);

    // Lower left: step counter, average and the graph button.
    m_stepsCaption = label(this, "stepsCaption", tr("Number of staggers"),
                           twipRect(720, 5160, 1455, 615), gothic(12, true));
    m_stepsTaken = label(this, "stepsTaken", {}, twipRect(840, 5880, 1215, 975), gothic(45, true));
    m_averageCaption = label(this, "averageCaption", tr("Average distance"),
                             twipRect(720, 6960, 1455, 615), gothic(12, true));
    m_average = label(this, "average", {}, twipRect(840, 7680, 1215, 375), gothic(14.25, true));
    m_graphButton = button(this, "graphButton", tr("Graph display"), twipRect(840, 8400, 1215, 615),
                           gothic(12, true));
    m_hiddenStartButton = button(this, "hiddenStartButton", QStringLiteral("実験開始"),
                                 twipRect(2160, 5880, 615, 495), gothic(12));
    m_prepareButton = button(this, "prepareButton", QStringLiteral("実験準備"),
                             twipRect(2160, 6360, 615, 495), gothic(12));
    for (QPushButton* hidden : {m_hiddenStartButton, m_prepareButton}) {
        hidden->hide();
        hidden->setFocusPolicy(Qt::NoFocus);
    }

    // Centre: the coordinate plane with the walker, and the position read-outs.
    m_plane = new platform::DrawingSurface(this);
    m_plane->setObjectName(QStringLiteral("plane"));
    m_plane->setGeometry(twipRect(2880, 5280, 3975, 3375));
    m_plane->setFont(gothic(9));
    m_plane->setScale(36, 40);
    m_plane->setBackColor(platform::qbColor(0));
    m_plane->setForeColor(platform::qbColor(15));
    m_plane->setFocusPolicy(Qt::StrongFocus);
    m_walker = new platform::PictureHolder(m_plane, QPixmap::fromImage(resources::walkerPicture()),
                                           QSize(platform::px(615), platform::px(630)));
    m_walker->setObjectName(QStringLiteral("walker"));
    m_walker->moveTo(QPointF(walk::origin, walk::origin));

    m_xCaption =
        label(this, "xCaption", tr("ｘ＝"), twipRect(2880, 8760, 975, 375), gothic(14.25, true));
    m_walkerX = label(this, "walkerX", {}, twipRect(3840, 8760, 855, 375), gothic(14.25, true));
    m_yCaption =
        label(this, "yCaption", tr("ｙ＝"), twipRect(5040, 8760, 975, 375), gothic(14.25, true));
    m_walkerY = label(this, "walkerY", {}, twipRect(6000, 8760, 855, 375), gothic(14.25, true));

    // Lower right: trial counter, the experiment buttons and the movement mode.
    m_trialNumber =
        label(this, "trialNumber", {}, twipRect(7920, 5400, 615, 375), gothic(14.25, true));
    m_trialSuffix =
        //: Follows the trial number, as "th" in "5th": an ordinal ending or a word.
        label(this, "trialSuffix", tr("th"), twipRect(8520, 5400, 735, 375), gothic(14.25, true));
    m_startNotice = label(this, "startNotice", tr("　It takes a little time ..."),
                          twipRect(7080, 6120, 2295, 375), font());
    m_startNotice->setColours(platform::qbColor(14), platform::qbColor(0));
    m_startButton = button(this, "startButton", tr("Experiment Start"),
                           twipRect(7440, 6600, 1575, 615), gothic(12));
    m_stopButton = button(this, "stopButton", tr("Experiment Stop"),
                          twipRect(7440, 7320, 1575, 615), gothic(12));
    m_planeOption =
        option(this, "planeOption", tr("Plane movement"), twipRect(7200, 8160, 2175, 255));
    m_linearOption =
        option(this, "linearOption", tr("Linear movement"), twipRect(7200, 8640, 2175, 255));
    m_planeOption->setChecked(true);

    // Heard, never seen.
    m_announcer = new platform::Announcer(this);

    setTabOrder();
    m_plane->setFocus();
}

void MainWindow::setTabOrder() {
    QWidget* order[] = {m_plane,       m_exitButton,  m_initButton, m_planeOption, m_linearOption,
                        m_graphButton, m_startButton, m_stopButton, m_helpButton};
    for (std::size_t n = 1; n < std::size(order); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}

void MainWindow::exit() {
    m_chimes.play(QStringLiteral("endpinpon.wav"));
    const int answer =
        platform::messageBox(tr("This software will exit."), QStringLiteral("Lurchfield"));
    if (answer == platform::answerOk)
        platform::endProgram();
}

void MainWindow::clear() {
    m_chimes.play(QStringLiteral("pinpon.wav"));
    m_experiment.clear();
}

void MainWindow::showGraph() {
    if (m_linearOption->isChecked())
        open(m_xHistogram, m_experiment.frequencies());
    else if (m_planeOption->isChecked())
        open(m_distanceHistogram, m_experiment.frequencies());
    m_experiment.graphShown();
}

void MainWindow::showHelp() {
    m_chimes.play(QStringLiteral("pinpon.wav"));
    open(m_help);
}

// Closing the main window through its frame ends the program like "Exit",
// without the chime and the message, so no graph or help window is left behind.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    platform::endProgram();
}

// A teacher gathers the class's results in a spreadsheet: one row per
// recorded trial, as the table shows it, then the average and the mode.
// Copying reads the window and changes nothing in it.
void MainWindow::copyResults() {
    QList<QStringList> rows{
        //: The copied results' header row.
        {tr("Trial"), tr("x"), tr("y"), tr("Distance")},
    };
    for (int trial = 1; trial <= walk::trialsPerExperiment; ++trial) {
        const QStringList values{m_results->text(walk::Row::FinalX, trial),
                                 m_results->text(walk::Row::FinalY, trial),
                                 m_results->text(walk::Row::Distance, trial)};
        if (!values.join(QString()).isEmpty())
            rows << QStringList{walk::decimal(trial)} + values;
    }
    rows << QStringList{m_averageCaption->text(), m_average->text()};
    rows << QStringList{(m_planeOption->isChecked() ? m_planeOption : m_linearOption)->text()};
    platform::copyTable(rows);
}

// The labels leave a right click to the window, so the menu goes by where
// the click falls, whatever draws the table there.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!ResultsTable::area().contains(event->pos())) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Copy results"), this, &MainWindow::copyResults);
    menu->popup(event->globalPos());
}

// The plane's axes cross at (18, 20); a lattice point (X, Y) sits at
// (18 + X, 20 + Y). Nothing is cleared: each activation draws the same
// figure over the one already there.
void MainWindow::drawPlane() {
    const QColor white = platform::qbColor(15);
    m_plane->line({0, 20}, {36, 20}, white);
    m_plane->line({18, 0}, {18, 40}, white);
    m_plane->setCurrent(19, 37);
    m_plane->print(QStringLiteral("ｙ"));
    m_plane->setCurrent(34, 17);
    m_plane->print(QStringLiteral("ｘ"));
    for (int x = 3; x <= 33; x += 5)
        m_plane->line({double(x), 20}, {double(x), 21}, white);
    for (int y = 5; y <= 35; y += 5)
        m_plane->line({17.5, double(y)}, {18, double(y)}, white);

    const struct {
        double x, y;
        const char* text;
    } labels[] = {{27, 22, "10"}, {7, 22, "-10"}, {15, 29, "10"}, {14, 9, "-10"}};
    for (const auto& label : labels) {
        m_plane->setCurrent(label.x, label.y);
        m_plane->print(QString::fromLatin1(label.text));
    }
}
