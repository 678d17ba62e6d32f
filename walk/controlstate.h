// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "walk/panel.h"

#include <array>

namespace walk {

// Where an experiment stands, as far as the main window's buttons go.
struct ControlState {
    enum class Phase {
        Idle,     // at start-up and after Init
        Armed,    // "Experiment Start" pressed, the first trial not yet begun
        Running,  // a trial begins at each tick of the trial timer
        Stopped,  // "Experiment Stop" pressed
        Complete, // the trial timer found every trial begun; it ticks on
    };
    Phase phase = Phase::Idle;
    // Only the selected movement option can be chosen from the first trial
    // or a stop on, until Init.
    bool modeLocked = false;
    // "Graph display" is offered by a stop and by each tick once complete,
    // and withdrawn whenever the main window activates.
    bool graphOffered = false;
    // The hidden start button's flag: off from "Experiment Start" or
    // "Graph display" until the next trial is prepared, a stop or Init.
    bool hiddenStartOn = true;
};

using ControlFlags = std::array<bool, controlCount>;

// Which of the main window's controls are enabled in a state, with plane or
// linear movement selected.
ControlFlags enabledControls(const ControlState& state, bool plane);

} // namespace walk
