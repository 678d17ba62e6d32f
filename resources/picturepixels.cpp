// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: parses the pixel art with QImage's own XPM reader and
// writes its pixels as C++ arrays, so the program builds its pictures from
// them without parsing text, and without the parser's code, at start-up.
//   picturepixels OUTPUT.h

#include "resources/icon.xpm"
#include "resources/walker.xpm"

#include <QImage>

#include <cstdio>

namespace {

void write(std::FILE* out, const char* name, const QImage& image) {
    std::fprintf(out, "inline constexpr unsigned int %sColours[] = {", name);
    for (const QRgb colour : image.colorTable())
        std::fprintf(out, "0x%08xu, ", colour);
    std::fprintf(out, "0};\nalignas(4) inline constexpr unsigned char %sBits[] = {", name);
    for (qsizetype n = 0; n < image.sizeInBytes(); ++n)
        std::fprintf(out, "%s%u,", n % 24 ? "" : "\n    ", image.constBits()[n]);
    std::fprintf(
        out, "\n};\ninline constexpr Picture %s{%d, %d, %lld, %d, %sColours, %lld, %sBits};\n\n",
        name, image.width(), image.height(), static_cast<long long>(image.bytesPerLine()),
        static_cast<int>(image.format()), name, static_cast<long long>(image.colorCount()), name);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.h\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "picturepixels: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(out, "// Written by picturepixels from icon.xpm and walker.xpm.\n#pragma once\n\n"
                      "namespace resources::pixels {\n\n"
                      "struct Picture {\n    int width, height;\n    long long bytesPerLine;\n"
                      "    int format; // QImage::Format\n    const unsigned int* colours;\n"
                      "    long long colourCount;\n    const unsigned char* bits;\n};\n\n");
    write(out, "icon", QImage(icon_xpm));
    write(out, "walker", QImage(walker_xpm));
    std::fprintf(out, "} // namespace resources::pixels\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
