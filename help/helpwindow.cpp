// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpwindow.h"

#include "help/helptext.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/sunkenborder.h"
#include "platform/surfaceaccessible.h"
#include "platform/twips.h"
#include "resources/creditline.h"

#include <QPushButton>
#include <QStringList>

using platform::gothic;

namespace {

// The text's outer size; its text is placed in twips inside the border.
constexpr int pictureWidth = 8415;
constexpr int pictureHeight = 6735;
constexpr int borderTwips = platform::sunkenBorderWidth * platform::twipsPerPixel;

} // namespace

HelpWindow::HelpWindow()
    : platform::SurfaceWindow(
          "helpWindow",
          tr(" Lurchfield＿Help（Questions and Operation method）") + u' ' + creditLine(),
          QSize(580, 488),
          {{3480, 2235}, {7680, 0, 855, 375}, 120, 8400, {120, 480, pictureWidth, pictureHeight}}) {
    m_closeButton->setFont(gothic(9));
    m_surface->setFont(gothic(11.25));
    m_surface->setScale(pictureWidth - 2 * borderTwips, pictureHeight - 2 * borderTwips);
    m_surface->setBackColor(platform::qbColor(15));
    m_surface->setForeColor(palette().color(QPalette::ButtonText));
    m_surface->setAccessibleRole(QAccessible::StaticText);
    m_surface->setAccessibleName(tr("Help text"));

    QWidget::setTabOrder(m_closeButton, m_surface);
    m_closeButton->setFocus();
}

void HelpWindow::activate() {
    m_surface->cls();
    QStringList lines;
    for (const QString& line : helpText()) {
        m_surface->print(line);
        lines << line;
    }
    platform::describeSurface(*m_surface, lines.join(QLatin1Char('\n')));
}
