// Tests that drawn pictures teach the right thing: a number picture shows exactly that many dots.
#include "CardPainter.h"

#include <QGuiApplication>
#include <QTest>
#include <QVector>

namespace {

// Counting dots are red or orange; the numeral is blue and the card pale, so neither is counted.
bool isDot(QRgb p) { return qRed(p) > 200 && qGreen(p) < 190 && qBlue(p) < 90; }

int countBlobs(const QImage& image, int fromY) {
    const int w = image.width(), h = image.height();
    QVector<char> seen(w * h, 0);
    int blobs = 0;
    QVector<QPoint> stack;
    for (int y = fromY; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[y * w + x] || !isDot(image.pixel(x, y))) continue;
            int size = 0;
            stack = {QPoint(x, y)};
            seen[y * w + x] = 1;
            while (!stack.isEmpty()) {
                const QPoint q = stack.takeLast();
                ++size;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = q + d;
                    if (n.x() < 0 || n.y() < fromY || n.x() >= w || n.y() >= h || seen[n.y() * w + n.x()]) continue;
                    if (!isDot(image.pixel(n))) continue;
                    seen[n.y() * w + n.x()] = 1;
                    stack.append(n);
                }
            }
            if (size >= 4) ++blobs;
        }
    }
    return blobs;
}

} // namespace

class tst_pictures : public QObject {
    Q_OBJECT
private slots:
    void numberPictureShowsAsManyDotsAsItsNumeral_data() {
        QTest::addColumn<int>("number");
        for (int n : {0, 1, 5, 7, 10, 11, 15, 20, 30, 90, 100, 200})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void numberPictureShowsAsManyDotsAsItsNumeral() {
        QFETCH(int, number);
        PictureRecipe recipe;
        QString why;
        QVERIFY(PictureRecipe::parse(QStringLiteral("number %1").arg(number), &recipe, &why));
        QImage image;
        QVERIFY2(CardPainter("").render(recipe, CardPainter::tintFor("small numbers"), &image, &why), qPrintable(why));
        QCOMPARE(image.size(), CardPainter::kSize);
        // The numeral stands above y = 250, the dots below it.
        QCOMPARE(countBlobs(image, 250), number);
    }

    void missingArtworkIsReportedNotDrawnBlank() {
        PictureRecipe recipe;
        QString why;
        QVERIFY(PictureRecipe::parse(QStringLiteral("many 1f9ff9"), &recipe, &why));
        const CardPainter painter(QStringLiteral("/nowhere"));
        QVERIFY(!painter.canDraw(recipe, &why));
        QVERIFY2(why.contains("not found"), qPrintable(why));
        QImage image;
        QVERIFY(!painter.render(recipe, Qt::white, &image, &why));
    }
};

QTEST_MAIN(tst_pictures)
#include "tst_pictures.moc"
