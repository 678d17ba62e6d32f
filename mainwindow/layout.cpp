#include "mainwindow/form1.h"

#include "mainwindow/resultstable.h"
#include "platform/announcer.h"
#include "platform/button.h"
#include "platform/drawingsurface.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/palette.h"
#include "platform/pictureholder.h"
#include "platform/twips.h"
#include "resources/icon.h"
#include "resources/pictures.h"

#include <QPushButton>
#include <QRadioButton>

using platform::gothic;
using platform::twipRect;

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QFont& font) {
    auto* b = new platform::Button(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font);
    return b;
}

platform::Label* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                       const QFont& font, const QColor& background = Qt::white) {
    auto* l = new platform::Label(parent, caption);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setColours(background);
    return l;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(QLatin1String(name));
    o->setGeometry(geometry);
    o->setFont(gothic(11.25));
    return o;
}

} // namespace

void Form1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setIcon(resources::windowIcon());
    setFont(gothic(9.75));
    setGeometry(QRect(QPoint(platform::px(2910), platform::px(1485)), size()));

    // Top strip.
    Command3 =
        button(this, "Command3", QStringLiteral("Exit"), twipRect(0, 0, 855, 375), gothic(9));
    Label70 = label(this, "Label70", QStringLiteral("Lurchfield"), twipRect(3240, 0, 3015, 375),
                    gothic(15.75, true));
    Label70->setColours(platform::qbColor(10), palette().color(QPalette::WindowText));
    Command8 =
        button(this, "Command8", QStringLiteral("Help"), twipRect(7920, 0, 855, 375), gothic(9));
    Command4 =
        button(this, "Command4", QStringLiteral("Init"), twipRect(8760, 0, 855, 375), gothic(9));
    Command4->setEnabled(false);
    Line1 = new platform::LineControl(this, 0, platform::px(9720), platform::px(360));

    results = new ResultsTable(this);

    // Lower left: step counter, average and the graph button.
    Label5 = label(this, "Label5", QStringLiteral("Number of staggers"),
                   twipRect(720, 5160, 1455, 615), gothic(12, true));
    Label6 = label(this, "Label6", {}, twipRect(840, 5880, 1215, 975), gothic(45, true));
    Label75 = label(this, "Label75", QStringLiteral("Average distance"),
                    twipRect(720, 6960, 1455, 615), gothic(12, true));
    Label74 = label(this, "Label74", {}, twipRect(840, 7680, 1215, 375), gothic(14.25, true));
    Command5 = button(this, "Command5", QStringLiteral("Graph display"),
                      twipRect(840, 8400, 1215, 615), gothic(12, true));
    Command1 = button(this, "Command1", QStringLiteral("実験開始"), twipRect(2160, 5880, 615, 495),
                      gothic(12));
    Command2 = button(this, "Command2", QStringLiteral("実験準備"), twipRect(2160, 6360, 615, 495),
                      gothic(12));
    for (QPushButton* hidden : {Command1, Command2}) {
        hidden->hide();
        hidden->setFocusPolicy(Qt::NoFocus);
    }

    // Centre: the coordinate plane with the walker, and the position read-outs.
    Picture1 = new platform::DrawingSurface(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(2880, 5280, 3975, 3375));
    Picture1->setFont(gothic(9));
    Picture1->setScale(36, 40);
    Picture1->setBackColor(platform::qbColor(0));
    Picture1->setForeColor(platform::qbColor(15));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture2 = new platform::PictureHolder(Picture1, QPixmap::fromImage(resources::walkerPicture()),
                                           QSize(platform::px(615), platform::px(630)));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->moveTo(QPointF(15, 15));

    Label1 = label(this, "Label1", QStringLiteral("ｘ＝"), twipRect(2880, 8760, 975, 375),
                   gothic(14.25, true));
    Label2 = label(this, "Label2", {}, twipRect(3840, 8760, 855, 375), gothic(14.25, true));
    Label3 = label(this, "Label3", QStringLiteral("ｙ＝"), twipRect(5040, 8760, 975, 375),
                   gothic(14.25, true));
    Label4 = label(this, "Label4", {}, twipRect(6000, 8760, 855, 375), gothic(14.25, true));

    // Lower right: trial counter, the experiment buttons and the movement mode.
    Label72 = label(this, "Label72", {}, twipRect(7920, 5400, 615, 375), gothic(14.25, true));
    Label73 = label(this, "Label73", QStringLiteral("th"), twipRect(8520, 5400, 735, 375),
                    gothic(14.25, true));
    Label76 = label(this, "Label76", QStringLiteral("　It takes a little time ..."),
                    twipRect(7080, 6120, 2295, 375), font());
    Label76->setColours(platform::qbColor(14), platform::qbColor(0));
    Command6 = button(this, "Command6", QStringLiteral("Experiment Start"),
                      twipRect(7440, 6600, 1575, 615), gothic(12));
    Command7 = button(this, "Command7", QStringLiteral("Experiment Stop"),
                      twipRect(7440, 7320, 1575, 615), gothic(12));
    Option1 =
        option(this, "Option1", QStringLiteral("Plane movement"), twipRect(7200, 8160, 2175, 255));
    Option2 =
        option(this, "Option2", QStringLiteral("Linear movement"), twipRect(7200, 8640, 2175, 255));
    Option1->setChecked(true);

    // Heard, never seen.
    announcer = new platform::Announcer(this);

    setTabOrder();
    Picture1->setFocus();
}

void Form1::setTabOrder() {
    QWidget* order[] = {Picture1, Command3, Command4, Option1, Option2,
                        Command5, Command6, Command7, Command8};
    for (std::size_t n = 1; n < std::size(order); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}
