// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/surfacewindow.h"

#include "platform/button.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/linecontrol.h"
#include "platform/twips.h"

namespace platform {
namespace {

QRect pixels(QRect twips) {
    return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

SurfaceWindow::SurfaceWindow(const char* name, const QString& caption, QSize clientSize,
                             const Layout& layout)
    : Window(caption, clientSize) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gothic(9));
    setGeometry(QRect(QPoint(px(layout.position.x()), px(layout.position.y())), size()));

    m_closeButton = new Button(tr("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(pixels(layout.closeButton));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_rule = new LineControl(this, px(layout.ruleLeft), px(layout.ruleRight), px(360));
    m_rule->setObjectName(QStringLiteral("rule"));

    m_surface = new DrawingSurface(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setGeometry(pixels(layout.surface));
    m_surface->setFocusPolicy(Qt::StrongFocus);
}

} // namespace platform
