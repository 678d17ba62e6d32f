#pragma once

#include "platform/multimediacontrol.h"
#include "platform/window.h"
#include "walk/panel.h"
#include "walk/walk.h"

#include <QPointer>

#include <array>

class QPushButton;
class QRadioButton;
class ResultsTable;
class Form2;
class Form3;
class Form4;

namespace platform {
class Announcer;
class DrawingSurface;
class Label;
class LineControl;
class PictureHolder;
} // namespace platform

// The main window: the results table, the coordinate plane with the walker,
// the read-outs and the buttons. It lives for the whole run.
class Form1 : public platform::Window, public walk::Panel {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    walk::Walk walk; // the walk state and its handlers

    QPushButton* Command1; // "実験開始", hidden
    QPushButton* Command2; // "実験準備", hidden; clicking it prepares a trial
    QPushButton* Command3; // "Exit"
    QPushButton* Command4; // "Init"
    QPushButton* Command5; // "Graph display"
    QPushButton* Command6; // "Experiment Start"
    QPushButton* Command7; // "Experiment Stop"
    QPushButton* Command8; // "Help"
    QRadioButton* Option1; // "Plane movement"
    QRadioButton* Option2; // "Linear movement"

    platform::Label* Label1;                // "ｘ＝"
    platform::Label* Label2;                // walker's x
    platform::Label* Label3;                // "ｙ＝"
    platform::Label* Label4;                // walker's y
    platform::Label* Label5;                // "Number of staggers"
    platform::Label* Label6;                // steps taken in the current trial
    platform::Label* Label70;               // the title "Lurchfield"
    platform::Label* Label72;               // trial number
    platform::Label* Label73;               // "th"
    platform::Label* Label74;               // average distance
    platform::Label* Label75;               // "Average distance"
    platform::Label* Label76;               // notice that the experiment takes a moment to start
    platform::LineControl* Line1;           // rule under the top strip
    platform::DrawingSurface* Picture1;     // the coordinate plane
    platform::PictureHolder* Picture2;      // the walker marker on the plane
    ResultsTable* results;                  // cells xz, yz and kr
    platform::MultimediaControl MMControl1; // plays the chimes; never shown
    platform::Announcer* announcer;         // says the experiment's events to a screen reader

    // The windows this one opens, each while it is open.
    QPointer<Form2> form2; // x-coordinate histogram
    QPointer<Form3> form3; // distance histogram
    QPointer<Form4> form4; // help

    // walk::Panel
    void setEnabled(walk::Switch control, bool on) override;
    bool planeMovement() const override;
    void setCaption(walk::Readout label, const QString& text) override;
    void setCell(walk::Row row, int trial, const QString& text) override;
    void moveMarker(int x, int y) override;
    void announce(const QString& text) override;

    QWidget* control(walk::Switch which) const;

protected:
    void activate() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void command3Click(); // "Exit"
    void command4Click(); // "Init"
    void command5Click(); // "Graph display"
    void command8Click(); // "Help"
    void soundCue(const QString& fileName);
    // The results table, its average and the movement mode onto the clipboard.
    void copyResults();

    void createControls();
    void setTabOrder();
    void drawPlane();
    platform::Label* readout(walk::Readout which) const;
};
