#pragma once

#include "walk/panel.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <stdexcept>
#include <utility>

// The main window's controls reduced to what the simulation sets, so walk
// logic can be checked without widgets. Flags start as the window creates them.
class FakePanel : public walk::Panel {
public:
    // Command1..Command8, Option1, Option2; "Init" is created disabled.
    std::array<bool, 10> enabled{true, true, true, false, true, true, true, true, true, true};
    bool plane = true;
    std::map<walk::Readout, QString> captions;
    std::map<std::pair<walk::Row, int>, QString> cells;
    int markerX = 15;
    int markerY = 15;
    QStringList announcements;

    void setEnabled(walk::Switch control, bool on) override { enabled[int(control)] = on; }
    bool planeMovement() const override { return plane; }
    void setCaption(walk::Readout label, const QString& text) override { captions[label] = text; }
    void setCell(walk::Row row, int trial, const QString& text) override {
        if (trial < 1 || trial > 51)
            throw std::out_of_range("results column");
        cells[{row, trial}] = text;
    }
    void moveMarker(int x, int y) override {
        markerX = x;
        markerY = y;
    }
    void announce(const QString& text) override { announcements.append(text); }

    bool isEnabled(walk::Switch control) const { return enabled[int(control)]; }
    QString caption(walk::Readout label) const {
        auto it = captions.find(label);
        return it == captions.end() ? QString() : it->second;
    }
    QString cell(walk::Row row, int trial) const {
        auto it = cells.find({row, trial});
        return it == cells.end() ? QString() : it->second;
    }
};
