// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11windowicon.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// Qt's choice of sizes, and its picture for each.
std::vector<QImage> iconImages(const QIcon& icon) {
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        sizes = {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)};
    std::vector<QImage> images;
    for (const QSize& size : sizes) {
        const QPixmap pixmap = icon.pixmap(size);
        if (!pixmap.isNull())
            images.push_back(pixmap.toImage());
    }
    return images;
}

// _NET_WM_ICON: for each size its width, its height, then its pixels as
// non-premultiplied ARGB. The pictures are converted a band of rows at a
// time into the property itself, so no size is copied whole.
std::vector<quint32> iconProperty(const std::vector<QImage>& images) {
    std::size_t words = 0;
    for (const QImage& image : images)
        words += 2 + std::size_t(image.width()) * std::size_t(image.height());
    std::vector<quint32> property;
    property.reserve(words);
    for (const QImage& image : images) {
        property.push_back(quint32(image.width()));
        property.push_back(quint32(image.height()));
        const int rows = std::max(1, 4096 / image.width()); // about 16 KiB a band
        for (int top = 0; top < image.height(); top += rows) {
            QImage band(image.constScanLine(top), image.width(),
                        std::min(rows, image.height() - top), image.bytesPerLine(), image.format());
            band.setColorTable(image.colorTable());
            const QImage argb = band.convertToFormat(QImage::Format_ARGB32);
            const auto* pixels = reinterpret_cast<const quint32*>(argb.constBits());
            property.insert(property.end(), pixels, pixels + argb.width() * argb.height());
        }
    }
    return property;
}

} // namespace

bool writeX11WindowIcon(const QWindow& window, const QIcon& icon) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_atom_t name = atom(connection, "_NET_WM_ICON");
    if (name == XCB_ATOM_NONE)
        return false;
    const std::vector<quint32> property = iconProperty(iconImages(icon));
    // Like Qt, no icon rather than a request the server refuses.
    if (property.empty() || property.size() > xcb_get_maximum_request_length(connection))
        return true;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), name,
                        XCB_ATOM_CARDINAL, 32, property.size(), property.data());
    return true;
}

} // namespace platform
