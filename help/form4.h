#pragma once

#include "platform/window.h"

class QPushButton;

namespace platform {
class DrawingSurface;
class LineControl;
} // namespace platform

// The help window: the question the experiment asks and how to run it.
// The main window opens it on demand; closing it deletes it.
class Form4 : public platform::Window {
    Q_OBJECT
public:
    Form4();

    QPushButton* Command1;              // "Close"
    platform::LineControl* Line1;       // rule under the top strip
    platform::DrawingSurface* Picture1; // the help text

protected:
    void activate() override;
};
