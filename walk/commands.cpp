#include "walk/formats.h"
#include "walk/module1.h"
#include "walk/walk.h"

namespace walk {

void Walk::command4Click() {
    m_panel.setEnabled(Switch::Option1, true);
    m_panel.setEnabled(Switch::Option2, true);
    Module1::freq.fill(0.0f);
    x = 15;
    y = 15;
    ct = 0;
    caunt = 0;
    s = 0.0f;
    recorded = 0;
    showPosition();
    m_panel.setCaption(Readout::Label6, decimal(caunt));
    m_panel.setCaption(Readout::Label72, decimal(ct));
    m_panel.setCaption(Readout::Label74, QString());
    for (i = 1; i <= 51; ++i)
        for (Row row : {Row::xz, Row::yz, Row::kr})
            m_panel.setCell(row, i, QString());
    // A trial still finishing after "Experiment Stop" ends here, unrecorded.
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    m_panel.setEnabled(Switch::Command1, true);
    m_panel.setEnabled(Switch::Command2, false);
    m_panel.setEnabled(Switch::Command4, false);
    m_panel.setEnabled(Switch::Command5, false);
    m_panel.setEnabled(Switch::Command6, true);
    m_panel.announce(QStringLiteral("Cleared."));
}

void Walk::command5Shown() {
    m_panel.setEnabled(Switch::Command1, false);
    m_panel.setEnabled(Switch::Command2, false);
}

} // namespace walk
