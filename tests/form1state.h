#pragma once

#include "flags.h"
#include "mainwindow/form1.h"

// The main window's enabled flags, read off its real controls, in the
// notation of flags().
inline QString state(const Form1& form) {
    struct Controls {
        const Form1& form;
        bool isEnabled(walk::Switch c) const { return form.control(c)->isEnabled(); }
    };
    return flags(Controls{form}, form.walk);
}
