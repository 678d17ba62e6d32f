#include "walk/formats.h"
#include "walk/walk.h"

namespace walk {

namespace {
constexpr int trialLimit = 51;
} // namespace

void Walk::command6Click() {
    for (Switch c : {Switch::Command1, Switch::Command2, Switch::Command3, Switch::Command4,
                     Switch::Command5, Switch::Command6})
        m_panel.setEnabled(c, false);
    m_panel.setEnabled(Switch::Command7, true);
    m_panel.setEnabled(Switch::Command8, false);
    Timer2.setEnabled(true);
    m_completeAnnounced = false;
}

void Walk::command7Click() {
    for (Switch c : {Switch::Command1, Switch::Command3, Switch::Command4, Switch::Command6})
        m_panel.setEnabled(c, true);
    m_panel.setEnabled(Switch::Command7, false);
    m_panel.setEnabled(Switch::Command8, true);
    lockMode();
    m_panel.setEnabled(Switch::Command5, true);
    // The walk timer is left alone: a trial in progress walks on and is recorded.
    Timer2.setEnabled(false);
    m_panel.announce(QStringLiteral("Experiment stopped."));
}

void Walk::timer2Tick() {
    for (Switch c : {Switch::Command1, Switch::Command2, Switch::Command6})
        m_panel.setEnabled(c, false);
    lockMode();
    m_panel.setEnabled(Switch::Command5, false);

    if (ct >= trialLimit) {
        m_panel.setEnabled(Switch::Command1, false);
        m_panel.setEnabled(Switch::Command2, false);
        m_panel.setEnabled(Switch::Command3, true);
        m_panel.setEnabled(Switch::Command4, true);
        lockMode();
        m_panel.setEnabled(Switch::Command5, true);
        m_panel.setEnabled(Switch::Command7, false);
        m_panel.setEnabled(Switch::Command8, true);
        if (!m_completeAnnounced)
            announceComplete();
    } else {
        ++ct;
        m_panel.setCaption(Readout::Label72, decimal(ct));
        Timer1.setEnabled(true);
        for (Switch c : {Switch::Command1, Switch::Command2, Switch::Command3, Switch::Command4})
            m_panel.setEnabled(c, false);
    }
    command2Click();
}

void Walk::announceComplete() {
    m_completeAnnounced = true;
    QString text = QStringLiteral("Experiment complete, %1 trial%2")
                       .arg(decimal(recorded), recorded == 1 ? QString() : QStringLiteral("s"));
    if (recorded > 0)
        text += QStringLiteral(", average distance ") + average();
    m_panel.announce(text + QLatin1Char('.'));
}

} // namespace walk
