#include "platform/drawingsurface.h"
#include "platform/pictureholder.h"

#include <QApplication>
#include <QTest>

// A surface the size of the main window's coordinate plane.
struct Plane {
    QWidget window;
    platform::DrawingSurface* surface = new platform::DrawingSurface(&window);
    Plane() {
        window.resize(400, 300);
        surface->setGeometry(0, 0, 265, 225);
        surface->setScale(36, 40);
        surface->setBackColor(Qt::black);
        surface->setForeColor(Qt::white);
        window.show();
    }
    QRgb at(int x, int y) const { return surface->image().pixel(x, y) & 0xFFFFFF; }
};

class TestDrawingSurface : public QObject {
    Q_OBJECT
private slots:
    void scaleMapsToTheCanvas();
    void linesAndBoxesLandOnTheirPixels();
    void printMovesToTheNextLine();
    void drawingSurvivesRepainting();
    void clsClearsAndHomes();
    void pictureHolderMovesInScaleUnits();
};

void TestDrawingSurface::scaleMapsToTheCanvas() {
    Plane p;
    QCOMPARE(p.surface->canvas()->geometry(), QRect(2, 2, 261, 221));
    QCOMPARE(p.surface->image().size(), QSize(261, 221));
    QCOMPARE(p.surface->toPixels({0, 0}), QPoint(0, 0));
    QCOMPARE(p.surface->toPixels({36, 40}), QPoint(261, 221));
    // Halves go away from zero: 130.5 and 110.5.
    QCOMPARE(p.surface->toPixels({18, 20}), QPoint(131, 111));
    QCOMPARE(p.surface->toPixels({15, 15}), QPoint(109, 83));
}

void TestDrawingSurface::linesAndBoxesLandOnTheirPixels() {
    Plane p;
    p.surface->line({0, 20}, {36, 20}, Qt::white);
    for (int x : {0, 50, 131, 260})
        QCOMPARE(p.at(x, 111), 0xFFFFFFu);
    QCOMPARE(p.at(131, 110), 0u);
    QCOMPARE(p.at(131, 112), 0u);

    p.surface->box({3, 35}, {4, 30}, Qt::blue);
    const QPoint top = p.surface->toPixels({3, 30});
    const QPoint bottom = p.surface->toPixels({4, 35});
    QCOMPARE(p.at((top.x() + bottom.x()) / 2, (top.y() + bottom.y()) / 2), 0x0000FFu);
    QCOMPARE(p.at(top.x(), top.y()), 0x0000FFu);
    QCOMPARE(p.at(top.x(), top.y() - 1), 0u);
}

void TestDrawingSurface::printMovesToTheNextLine() {
    Plane p;
    p.surface->setFont(QFont(QStringLiteral("IPAPGothic"), -1, QFont::Normal));
    QFont font = p.surface->font();
    font.setPixelSize(12);
    p.surface->setFont(font);
    const double lineInUnits = QFontMetrics(font).height() * 40.0 / 221.0;

    p.surface->setCurrent(19, 30);
    p.surface->print(QStringLiteral("10"));
    QCOMPARE(p.surface->currentX(), 0.0);
    QVERIFY(qFuzzyCompare(p.surface->currentY(), 30 + lineInUnits));
    p.surface->print();
    QVERIFY(qFuzzyCompare(p.surface->currentY(), 30 + 2 * lineInUnits));

    // The text stands with its top-left corner at the text position.
    const QPoint corner = p.surface->toPixels({19, 30});
    int white = 0;
    for (int y = corner.y(); y < corner.y() + 12; ++y)
        for (int x = corner.x(); x < corner.x() + 16; ++x)
            white += qGray(p.at(x, y)) > 128;
    QVERIFY(white > 5);
    int above = 0;
    for (int x = corner.x(); x < corner.x() + 16; ++x)
        above += p.at(x, corner.y() - 2) != 0;
    QCOMPARE(above, 0);
}

void TestDrawingSurface::drawingSurvivesRepainting() {
    Plane p;
    p.surface->line({18, 0}, {18, 40}, Qt::white);
    p.window.hide();
    p.window.show();
    const QImage shown = p.surface->canvas()->grab().toImage();
    QCOMPARE(shown.pixel(131, 50) & 0xFFFFFF, 0xFFFFFFu);
    QCOMPARE(shown.pixel(100, 50) & 0xFFFFFF, 0u);
}

void TestDrawingSurface::clsClearsAndHomes() {
    Plane p;
    p.surface->line({0, 20}, {36, 20}, Qt::white);
    p.surface->setCurrent(5, 5);
    p.surface->cls();
    QCOMPARE(p.at(50, 111), 0u);
    QCOMPARE(p.surface->currentX(), 0.0);
    QCOMPARE(p.surface->currentY(), 0.0);
}

void TestDrawingSurface::pictureHolderMovesInScaleUnits() {
    Plane p;
    QPixmap picture(41, 43);
    picture.fill(Qt::red);
    platform::PictureHolder holder(p.surface, picture, QSize(41, 42));
    holder.moveTo({18, 13});
    QCOMPARE(holder.parentWidget(), p.surface->canvas());
    QCOMPARE(holder.geometry(), QRect(p.surface->toPixels({18, 13}), QSize(41, 42)));
    QCOMPARE(holder.position(), QPointF(18, 13));
}

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
