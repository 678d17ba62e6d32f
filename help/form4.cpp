#include "help/form4.h"

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

// Picture1's outer size; its text is placed in twips inside the border.
constexpr int pictureWidth = 8415;
constexpr int pictureHeight = 6735;
constexpr int borderTwips = platform::sunkenBorderWidth * platform::twipsPerPixel;

} // namespace

Form4::Form4() : platform::Window(caption, QSize(580, 488)) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gothic(9));
    setGeometry(QRect(QPoint(px(3480), px(2235)), size()));

    Command1 = new platform::Button(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipRect(7680, 0, 855, 375));
    Command1->setFont(gothic(9));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    Line1 = new platform::LineControl(this, px(120), px(8400), px(360));
    Line1->setObjectName(QStringLiteral("Line1"));

    Picture1 = new platform::DrawingSurface(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(120, 480, pictureWidth, pictureHeight));
    Picture1->setFont(gothic(11.25));
    Picture1->setScale(pictureWidth - 2 * borderTwips, pictureHeight - 2 * borderTwips);
    Picture1->setBackColor(platform::qbColor(15));
    Picture1->setForeColor(palette().color(QPalette::ButtonText));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleRole(QAccessible::StaticText);
    Picture1->setAccessibleName(QStringLiteral("Help text"));

    QWidget::setTabOrder(Command1, Picture1);
    Command1->setFocus();
}

void Form4::activate() {
    Picture1->cls();
    QStringList lines;
    for (const QString& line : helpText()) {
        Picture1->print(line);
        lines << line;
    }
    platform::describeSurface(*Picture1, lines.join(QLatin1Char('\n')));
}
