#include "walk/formats.h"
#include "walk/walk.h"

namespace walk {

void Walk::command2Click() {
    x = 15;
    y = 15;
    caunt = 0;
    showPosition();
    m_panel.setCaption(Readout::Label6, decimal(caunt));
    m_panel.setEnabled(Switch::Command1, true);
    m_panel.setEnabled(Switch::Command2, false);
}

} // namespace walk
