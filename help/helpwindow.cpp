#include "help/helpwindow.h"

#include "help/helptext.h"
#include "platform/button.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/linecontrol.h"
#include "platform/palette.h"
#include "platform/sunkenborder.h"
#include "platform/surfaceaccessible.h"
#include "platform/twips.h"
#include "resources/creditline.h"

#include <QPushButton>
#include <QStringList>

using platform::gothic;
using platform::px;
using platform::twipRect;

namespace {

const QString caption =
    QStringLiteral(" Lurchfield＿Help（Questions and Operation method）") + u' ' + creditLine;

// The text's outer size; its text is placed in twips inside the border.
constexpr int pictureWidth = 8415;
constexpr int pictureHeight = 6735;
constexpr int borderTwips = platform::sunkenBorderWidth * platform::twipsPerPixel;

} // namespace

HelpWindow::HelpWindow() : platform::Window(caption, QSize(580, 488)) {
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gothic(9));
    setGeometry(QRect(QPoint(px(3480), px(2235)), size()));

    m_closeButton = new platform::Button(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(twipRect(7680, 0, 855, 375));
    m_closeButton->setFont(gothic(9));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_rule = new platform::LineControl(this, px(120), px(8400), px(360));
    m_rule->setObjectName(QStringLiteral("rule"));

    m_text = new platform::DrawingSurface(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setGeometry(twipRect(120, 480, pictureWidth, pictureHeight));
    m_text->setFont(gothic(11.25));
    m_text->setScale(pictureWidth - 2 * borderTwips, pictureHeight - 2 * borderTwips);
    m_text->setBackColor(platform::qbColor(15));
    m_text->setForeColor(palette().color(QPalette::ButtonText));
    m_text->setFocusPolicy(Qt::StrongFocus);
    m_text->setAccessibleRole(QAccessible::StaticText);
    m_text->setAccessibleName(QStringLiteral("Help text"));

    QWidget::setTabOrder(m_closeButton, m_text);
    m_closeButton->setFocus();
}

void HelpWindow::activate() {
    m_text->cls();
    QStringList lines;
    for (const QString& line : helpText()) {
        m_text->print(line);
        lines << line;
    }
    platform::describeSurface(*m_text, lines.join(QLatin1Char('\n')));
}
