#pragma once

#include <QString>

#include <array>

// The help window's text, one entry per printed line; an empty entry is a
// blank line.
const std::array<QString, 26>& helpText();
