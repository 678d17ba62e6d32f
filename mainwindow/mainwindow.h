// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/distancehistogramwindow.h"
#include "graphs/xhistogramwindow.h"
#include "help/helpwindow.h"
#include "platform/soundplayer.h"
#include "platform/window.h"
#include "walk/experiment.h"
#include "walk/panel.h"

#include <QPointer>

class QAbstractButton;
class QPushButton;
class QRadioButton;
class ResultsTable;

namespace platform {
class Announcer;
class DrawingSurface;
class Label;
class LineControl;
class PictureHolder;
} // namespace platform

// The main window (Form1): the results table, the coordinate plane with the
// walker, the read-outs and the buttons. It lives for the whole run.
class MainWindow : public platform::Window, public walk::Panel {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    const walk::Experiment& experiment() const { return m_experiment; }
    walk::Experiment& experiment() { return m_experiment; }
    QAbstractButton* control(walk::Control which) const;
    platform::Label* readout(walk::Readout which) const;
    const ResultsTable* results() const { return m_results; }
    ResultsTable* results() { return m_results; }
    const platform::DrawingSurface* plane() const { return m_plane; }
    const platform::PictureHolder* walker() const { return m_walker; }
    const platform::SoundPlayer& chimes() const { return m_chimes; }
    // The windows this one opens, each while it is open.
    XHistogramWindow* xHistogram() const { return m_xHistogram; }
    DistanceHistogramWindow* distanceHistogram() const { return m_distanceHistogram; }
    HelpWindow* help() const { return m_help; }

    // walk::Panel
    void setEnabled(walk::Control control, bool on) override;
    bool planeMovement() const override;
    void setCaption(walk::Readout label, const QString& text) override;
    void setCell(walk::Row row, int trial, const QString& text) override;
    void moveMarker(int x, int y) override;
    void announce(const QString& text) override;

protected:
    void activate() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void exit();
    void clear();
    void showGraph();
    void showHelp();
    // The results table, its average and the movement mode onto the clipboard.
    void copyResults();

    void createControls();
    void setTabOrder();
    void drawPlane();

    walk::Experiment m_experiment{*this};

    QPushButton* m_hiddenStartButton;  // Command1 "実験開始", hidden
    QPushButton* m_prepareButton;      // Command2 "実験準備", hidden; prepares a trial
    QPushButton* m_exitButton;         // Command3 "Exit"
    QPushButton* m_initButton;         // Command4 "Init"
    QPushButton* m_graphButton;        // Command5 "Graph display"
    QPushButton* m_startButton;        // Command6 "Experiment Start"
    QPushButton* m_stopButton;         // Command7 "Experiment Stop"
    QPushButton* m_helpButton;         // Command8 "Help"
    QRadioButton* m_planeOption;       // Option1 "Plane movement"
    QRadioButton* m_linearOption;      // Option2 "Linear movement"
    platform::Label* m_xCaption;       // Label1 "ｘ＝"
    platform::Label* m_walkerX;        // Label2
    platform::Label* m_yCaption;       // Label3 "ｙ＝"
    platform::Label* m_walkerY;        // Label4
    platform::Label* m_stepsCaption;   // Label5 "Number of staggers"
    platform::Label* m_stepsTaken;     // Label6, steps taken in the current trial
    platform::Label* m_title;          // Label70 "Lurchfield"
    platform::Label* m_trialNumber;    // Label72
    platform::Label* m_trialSuffix;    // Label73 "th"
    platform::Label* m_average;        // Label74, the average distance
    platform::Label* m_averageCaption; // Label75 "Average distance"
    platform::Label* m_startNotice;    // Label76, the experiment takes a moment to start
    platform::LineControl* m_topRule;  // Line1, under the top strip
    platform::DrawingSurface* m_plane; // Picture1, the coordinate plane
    platform::PictureHolder* m_walker; // Picture2, the walker marker on the plane
    ResultsTable* m_results;           // the cells of the rows xz, yz and kr
    platform::SoundPlayer m_chimes;    // MMControl1, plays the chimes; never shown
    platform::Announcer* m_announcer;  // says the experiment's events to a screen reader

    // The windows this one opens, each while it is open.
    QPointer<XHistogramWindow> m_xHistogram;
    QPointer<DistanceHistogramWindow> m_distanceHistogram;
    QPointer<HelpWindow> m_help;
};
