// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QStringList>

#include <cmath>

namespace platform {

QString gothicFace() {
    return QStringLiteral("ＭＳ Ｐゴシック");
}

void registerGothicSubstitutes() {
    // IPAPGothic has the same proportional metrics, so captions break and
    // centre where they were designed to.
    QFont::insertSubstitutions(gothicFace(), QStringList{QStringLiteral("IPAPGothic"),
                                                         QStringLiteral("VL PGothic"),
                                                         QStringLiteral("Noto Sans CJK JP")});
}

QFont gothic(double points, bool bold) {
    QFont font(gothicFace());
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace platform
