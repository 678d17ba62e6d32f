#pragma once

#include "graphs/form2.h"
#include "graphs/form3.h"

#include <QString>

#include <memory>

// A histogram window by name, "Form2" or "Form3", shown.
inline std::unique_ptr<GraphWindow> openGraphWindow(const QString& form) {
    std::unique_ptr<GraphWindow> window;
    if (form == QLatin1String("Form2"))
        window = std::make_unique<Form2>();
    else
        window = std::make_unique<Form3>();
    window->show();
    return window;
}
