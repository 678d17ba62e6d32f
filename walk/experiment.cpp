// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/experiment.h"

#include "platform/random.h"
#include "platform/timeofday.h"
#include "walk/bins.h"
#include "walk/formats.h"
#include "walk/move.h"

#include <cmath>

namespace walk {

Experiment::Experiment(Panel& panel) : m_panel(panel) {
    QObject::connect(&m_stepTimer, &platform::Timer::tick, &m_stepTimer, [this] { step(); });
    QObject::connect(&m_trialTimer, &platform::Timer::tick, &m_trialTimer,
                     [this] { startTrial(); });
}

QString Experiment::average() const {
    return m_recordedCount > 0 ? tenths(m_distanceSum / static_cast<float>(m_recordedCount))
                               : QString();
}

void Experiment::showActivated() {
    showPosition();
    m_panel.setCaption(Readout::TrialNumber, decimal(m_trialCount));
    // Coming back to the window withdraws "Graph display"; a trial that is
    // walking goes on, and "Experiment Stop" stays within reach while it does.
    m_state.graphOffered = false;
    showControls();
}

void Experiment::showPosition() {
    m_panel.moveMarker(m_x, m_y);
    m_panel.setCaption(Readout::WalkerX, decimal(walkerX()));
    m_panel.setCaption(Readout::WalkerY, decimal(walkerY()));
    m_panel.setCaption(Readout::StepsTaken, decimal(m_stepsTaken));
}

void Experiment::toOrigin() {
    m_x = origin;
    m_y = origin;
    m_stepsTaken = 0;
    showPosition();
}

void Experiment::showControls() {
    // The options first: disabling the focused button moves the focus to the
    // next enabled one, which should be where the experiment now stands.
    const ControlFlags on = enabledControls(m_state, plane());
    for (Control c : {Control::PlaneOption, Control::LinearOption, Control::HiddenStart,
                      Control::Prepare, Control::Exit, Control::Init, Control::Graph,
                      Control::Start, Control::Stop, Control::Help})
        m_panel.setEnabled(c, on[static_cast<std::size_t>(c)]);
}

void Experiment::step() {
    if (m_stepsTaken < stepsPerTrial)
        takeStep();
    else
        record();
}

void Experiment::takeStep() {
    // Reseeding from the clock before every draw is how the walk was meant
    // to sway: no two steps a tick apart share a seed.
    platform::randomize(platform::timeOfDay());
    const int direction = static_cast<int>(std::floor(platform::rnd() * 4.0f) + 1);
    const Position to = moved({m_x, m_y}, direction, plane());
    m_x = to.x;
    m_y = to.y;
    ++m_stepsTaken;
    showPosition();
}

void Experiment::record() {
    m_stepTimer.setEnabled(false);
    const int X = walkerX();
    const int Y = walkerY();
    const QString cellX = decimal(X);
    const QString cellY = decimal(Y);
    m_panel.setCell(Row::FinalX, m_trialCount, cellX);
    m_panel.setCell(Row::FinalY, m_trialCount, cellY);
    const double d = std::sqrt(double(X) * X + double(Y) * Y);
    const QString distance = tenths(d);
    m_panel.setCell(Row::Distance, m_trialCount, distance);
    m_distanceSum = static_cast<float>(m_distanceSum + d);
    // The average is over the trials actually recorded, so a trial cut short
    // (its column left empty) cannot pull it down.
    ++m_recordedCount;
    const QString mean = average();
    m_panel.setCaption(Readout::AverageDistance, mean);
    m_panel.announce(tr("Trial %1: x %2, y %3, distance %4. Average %5.")
                         .arg(decimal(m_trialCount), cellX, cellY, distance, mean));

    const int bin = plane() ? distanceBin(static_cast<float>(d)) : linearBin(X);
    if (bin >= 0)
        m_frequencies[bin] += 1.0f;
}

void Experiment::prepareTrial() {
    toOrigin();
    m_state.hiddenStartOn = true;
    showControls();
}

void Experiment::start() {
    m_state.phase = ControlState::Phase::Armed;
    m_state.hiddenStartOn = false;
    m_state.graphOffered = false;
    showControls();
    m_trialTimer.setEnabled(true);
    m_completeAnnounced = false;
}

void Experiment::stop() {
    m_state = {.phase = ControlState::Phase::Stopped,
               .modeLocked = true,
               .graphOffered = true,
               .hiddenStartOn = true};
    showControls();
    // The step timer is left alone: a trial in progress walks on and is recorded.
    m_trialTimer.setEnabled(false);
    m_panel.announce(tr("Experiment stopped."));
}

void Experiment::startTrial() {
    const bool complete = m_trialCount >= trialsPerExperiment;
    m_state.phase = complete ? ControlState::Phase::Complete : ControlState::Phase::Running;
    m_state.modeLocked = true;
    m_state.graphOffered = complete;
    if (complete) {
        if (!m_completeAnnounced)
            announceComplete();
    } else {
        ++m_trialCount;
        m_panel.setCaption(Readout::TrialNumber, decimal(m_trialCount));
        m_stepTimer.setEnabled(true);
    }
    prepareTrial();
}

void Experiment::announceComplete() {
    m_completeAnnounced = true;
    m_panel.announce(
        m_recordedCount > 0
            ? tr("Experiment complete, %n trial(s), average distance %1.", nullptr, m_recordedCount)
                  .arg(average())
            : tr("Experiment complete, %n trial(s).", nullptr, m_recordedCount));
}

void Experiment::clear() {
    m_frequencies.fill(0.0f);
    m_trialCount = 0;
    m_distanceSum = 0.0f;
    m_recordedCount = 0;
    toOrigin();
    m_panel.setCaption(Readout::TrialNumber, decimal(m_trialCount));
    m_panel.setCaption(Readout::AverageDistance, QString());
    for (int trial = 1; trial <= trialsPerExperiment; ++trial)
        for (Row row : {Row::FinalX, Row::FinalY, Row::Distance})
            m_panel.setCell(row, trial, QString());
    // A trial still finishing after "Experiment Stop" ends here, unrecorded.
    m_stepTimer.setEnabled(false);
    m_trialTimer.setEnabled(false);
    m_state = {};
    showControls();
    m_panel.announce(tr("Cleared."));
}

void Experiment::graphShown() {
    m_state.hiddenStartOn = false;
    showControls();
}

} // namespace walk
