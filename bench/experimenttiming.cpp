// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "platform/fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

// Runs one whole experiment of the real main window on the real timers and
// the real random source, and prints as JSON how many trials were recorded,
// how long it took from "Experiment Start" to Complete, and how far the
// walk's and the experiment's tick intervals strayed from their periods.
// Each tick is timestamped just after the program's own handler for it.

namespace {

using Clock = std::chrono::steady_clock;

constexpr double stepMs = 100.0;
constexpr double trialMs = 4000.0;
// Comfortably past the 208 s an experiment takes.
constexpr int giveUpMs = 300'000;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Nearest-rank percentile of sorted values.
double percentile(const std::vector<double>& sorted, double p) {
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * double(sorted.size())));
    return sorted.at(std::max<std::size_t>(rank, 1) - 1);
}

// How far the intervals strayed from their nominal length, in ms.
QJsonObject errors(const std::vector<double>& intervals, double nominal) {
    std::vector<double> off;
    for (double ms : intervals)
        off.push_back(std::abs(ms - nominal));
    std::sort(off.begin(), off.end());
    QJsonObject o{{"count", int(off.size())}};
    if (!off.empty()) {
        o.insert("p50", percentile(off, 50));
        o.insert("p99", percentile(off, 99));
        o.insert("max", off.back());
    }
    return o;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::registerGothicSubstitutes();
    MainWindow form;
    const walk::Experiment& experiment = form.experiment();
    form.show();

    Clock::time_point started;
    Clock::time_point lastTrialTick;
    Clock::time_point lastStepTick;
    Clock::time_point finished;
    std::vector<double> trialIntervals;
    std::vector<double> stepIntervals;
    bool complete = false;

    QObject::connect(&experiment.stepTimer(), &platform::Timer::tick, &app, [&] {
        const auto now = Clock::now();
        stepIntervals.push_back(msBetween(lastStepTick, now));
        lastStepTick = now;
    });
    int trialsBefore = experiment.trialCount();
    QObject::connect(&experiment.trialTimer(), &platform::Timer::tick, &app, [&] {
        const auto now = Clock::now();
        trialIntervals.push_back(msBetween(lastTrialTick, now));
        lastTrialTick = now;
        if (experiment.trialCount() != trialsBefore) {
            // A trial started: its first step is due one walk period from here.
            trialsBefore = experiment.trialCount();
            lastStepTick = now;
            return;
        }
        finished = now;
        complete = experiment.trialCount() == walk::trialsPerExperiment &&
                   !form.control(walk::Control::Start)->isEnabled() &&
                   !form.control(walk::Control::Stop)->isEnabled() &&
                   form.control(walk::Control::Init)->isEnabled();
        app.quit();
    });

    // Pressed once start-up has settled, as a person would.
    QTimer::singleShot(1000, &form, [&] {
        started = Clock::now();
        lastTrialTick = started;
        form.control(walk::Control::Start)->click();
    });
    QTimer::singleShot(giveUpMs, &app, &QCoreApplication::quit);
    app.exec();

    const bool ended = finished != Clock::time_point{};
    QJsonObject report{
        {"trials", experiment.recordedCount()},
        {"complete", complete},
        {"completion_s", ended ? msBetween(started, finished) / 1000.0 : -1.0},
        {"step_error_ms", errors(stepIntervals, stepMs)},
        {"trial_error_ms", errors(trialIntervals, trialMs)},
    };
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    return complete && experiment.recordedCount() == walk::trialsPerExperiment ? 0 : 1;
}
