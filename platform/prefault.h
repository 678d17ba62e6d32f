#pragma once

#include <cstddef>

class QWidget;

namespace platform {

// Maps the pages of a buffer about to be written in full with one call,
// instead of one page fault each as the writing reaches them: a page
// fault costs about 10 µs on the virtual machines the program is measured
// on, the call under 1 µs a page. Nothing changes if the system cannot.
void prefault(const void* data, std::size_t bytes);

// Gives a window its pixel buffer at its size now, and maps it, so that the
// first paint, which covers the whole window, writes into memory already
// there.
void prefaultBackingStore(QWidget& window);

} // namespace platform
