#include "platform/prefault.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace platform {
namespace {

void prefault(const void* data, std::size_t bytes) {
    // Whole pages only: the pages at either end may hold other data.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

} // namespace

void prefaultBackingStore(QWidget& window) {
    QBackingStore* store = window.backingStore();
    if (!store)
        return;
    // The size Qt gives it before the first paint, which then keeps it.
    store->resize(window.size());
    QPaintDevice* device = store->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        const auto* image = static_cast<const QImage*>(device);
        prefault(image->constBits(), std::size_t(image->sizeInBytes()));
    }
}

} // namespace platform
