#pragma once

#include "platform/window.h"

class QPushButton;

namespace platform {
class DrawingSurface;
class LineControl;
} // namespace platform

// The help window (Form4): the question the experiment asks and how to run it.
// The main window opens it on demand; closing it deletes it.
class HelpWindow : public platform::Window {
    Q_OBJECT
public:
    HelpWindow();

    QPushButton* closeButton() const { return m_closeButton; }
    platform::DrawingSurface* text() const { return m_text; }

protected:
    void activate() override;

private:
    QPushButton* m_closeButton;       // Command1 "Close"
    platform::LineControl* m_rule;    // Line1, under the top strip
    platform::DrawingSurface* m_text; // Picture1, the help text
};
