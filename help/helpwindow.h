// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/surfacewindow.h"

// The help window (Form4): the question the experiment asks and how to run
// it, as text on its surface. The main window opens it on demand.
class HelpWindow : public platform::SurfaceWindow {
    Q_OBJECT
public:
    HelpWindow();

protected:
    void activate() override;
};
