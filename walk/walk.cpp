#include "walk/walk.h"

#include "walk/formats.h"
#include "walk/module1.h"

namespace walk {

Walk::Walk(Panel& panel) : m_panel(panel) {
    QObject::connect(&Timer1, &platform::Timer::tick, &Timer1, [this] { timer1Tick(); });
    QObject::connect(&Timer2, &platform::Timer::tick, &Timer2, [this] { timer2Tick(); });
}

void Walk::load() {
    x = 15;
    y = 15;
    ct = 0;
    s = 0.0f;
    recorded = 0;
    Module1::freq.fill(0.0f);
}

void Walk::showActivated() {
    showPosition();
    m_panel.setCaption(Readout::Label6, decimal(caunt));
    m_panel.setCaption(Readout::Label72, decimal(ct));
    // A trial that is walking goes on to be recorded, and while the
    // experiment runs "Experiment Stop" stays within reach.
    m_panel.setEnabled(Switch::Command2, false);
    m_panel.setEnabled(Switch::Command5, false);
    if (!Timer2.isEnabled())
        m_panel.setEnabled(Switch::Command7, false);
}

void Walk::showPosition() {
    m_panel.moveMarker(x, y);
    m_panel.setCaption(Readout::Label2, decimal(shownX()));
    m_panel.setCaption(Readout::Label4, decimal(shownY()));
}

void Walk::timer1Tick() {
    if (caunt < 30)
        step();
    else
        record();
}

void Walk::lockMode() {
    m_panel.setEnabled(plane() ? Switch::Option2 : Switch::Option1, false);
}

} // namespace walk
