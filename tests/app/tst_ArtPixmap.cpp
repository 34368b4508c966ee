// Tests of the embedded artwork: every declared picture is there, at its size, and fits its place.
#include <QImageReader>
#include <QSvgRenderer>
#include <QtTest>

#include "app/ArtPixmap.h"
#include "app/GameList.h"
#include "catalogue/HomeSubjects.h"

namespace {
QString doublePath(const ArtImage& art) {
    return QString::fromLatin1(art.path).chopped(4) + QStringLiteral("@2x.png");
}

// WCAG relative luminance contrast between two colours.
double contrast(QColor a, QColor b) {
    auto lum = [](QColor c) {
        auto ch = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
    };
    const double la = lum(a), lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isRim(QRgb px) {
    return qRed(px) > 232 && qGreen(px) > 232 && qBlue(px) > 232;
}
} // namespace

class tst_ArtPixmap : public QObject {
    Q_OBJECT

private slots:
    void everyPictureLoadsAtItsSize_data();
    void everyPictureLoadsAtItsSize();
    void doubleVariantIsPickedOnlyForSharpScreens();
    void missingPictureGivesNullPixmap();
    void cornersAreSeeThroughWhereThePictureSitsOnOthers_data();
    void cornersAreSeeThroughWhereThePictureSitsOnOthers();
    void everyFaceOfAControlLooksDifferent_data();
    void everyFaceOfAControlLooksDifferent();
    void captionColoursReadOnEachButtonFace_data();
    void captionColoursReadOnEachButtonFace();
    void pictureCardSitsOnEachHotSpot_data();
    void pictureCardSitsOnEachHotSpot();
};

void tst_ArtPixmap::everyPictureLoadsAtItsSize_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Art::All)); ++i)
        QTest::newRow(Art::All[i].path) << i;
}

// Catches a picture the build forgot to draw or embed, or drawn at the wrong size (a squashed screen).
void tst_ArtPixmap::everyPictureLoadsAtItsSize() {
    QFETCH(int, index);
    const ArtImage& art = Art::All[index];
    const QSize size(art.width, art.height);
    const QString path = QString::fromLatin1(art.path);
    if (path.endsWith(QStringLiteral(".svg"))) {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.defaultSize(), size);
        return;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(QFile::exists(doublePath(art)), art.hasDouble);
    if (art.hasDouble) QCOMPARE(QImage(doublePath(art)).size(), size * 2);
}

// Catches a 2x display getting a blurry 1x picture, or a picture shown at double its layout size.
void tst_ArtPixmap::doubleVariantIsPickedOnlyForSharpScreens() {
    const QPixmap sharp = artPixmap(Art::Home, 2.0);
    QCOMPARE(sharp.size(), QSize(2048, 1134));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(1024, 567));
    const QPixmap plain = artPixmap(Art::Home, 1.0);
    QCOMPARE(plain.size(), QSize(1024, 567));
    QCOMPARE(plain.devicePixelRatio(), 1.0);
    const QPixmap single = artPixmap(Art::Congrats, 2.0);
    QCOMPARE(single.deviceIndependentSize(), QSizeF(800, 600));
    QCOMPARE(programIcon().availableSizes().size(), 7);
}

// Catches a crash or a half-loaded picture when a resource is absent.
void tst_ArtPixmap::missingPictureGivesNullPixmap() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load"));
    QVERIFY(artPixmap(ArtImage{":/art/none.png", 10, 10, true}, 2.0).isNull());
}

void tst_ArtPixmap::cornersAreSeeThroughWhereThePictureSitsOnOthers_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("seeThrough");
    QTest::newRow("splash") << Art::Splash.path << true;
    QTest::newRow("splash 2x") << doublePath(Art::Splash) << true;
    QTest::newRow("icon") << Art::Icon.path << true;
    QTest::newRow("icon 16") << Art::Icon16.path << true;
    QTest::newRow("toolbar face") << Art::BarHomeHover.path << true;
    QTest::newRow("toolbar face 2x") << doublePath(Art::BarSettingsPressed) << true;
    QTest::newRow("button face") << Art::ButtonNormal.path << true;
    QTest::newRow("close") << Art::Close.path << true;
    QTest::newRow("home screen") << Art::Home.path << false;
    QTest::newRow("game background") << Art::Screen.path << false;
    QTest::newRow("congratulations") << Art::Congrats.path << false;
}

// Catches black corners around a picture drawn over a window's own background (or holes in a full one).
void tst_ArtPixmap::cornersAreSeeThroughWhereThePictureSitsOnOthers() {
    QFETCH(QString, picture);
    QFETCH(bool, seeThrough);
    const QImage image(picture);
    QVERIFY(!image.isNull());
    const QPoint corners[] = {
        {0, 0}, {image.width() - 1, 0}, {0, image.height() - 1}, {image.width() - 1, image.height() - 1}};
    for (const QPoint& at : corners)
        QCOMPARE(qAlpha(image.pixel(at)) == 0, seeThrough);
}

void tst_ArtPixmap::everyFaceOfAControlLooksDifferent_data() {
    QTest::addColumn<QStringList>("faces");
    const char* kinds[] = {"social", "home", "menu", "about", "settings"};
    QStringList normals;
    for (int k = 0; k < 5; ++k) {
        QStringList faces;
        for (const ArtImage& face : Art::BarFaces[k])
            faces << QString::fromLatin1(face.path);
        QTest::newRow(kinds[k]) << faces;
        normals << faces.first();
    }
    QTest::newRow("toolbar kinds") << normals;
    QTest::newRow("button") << QStringList{Art::ButtonNormal.path, Art::ButtonHover.path,
                                           Art::ButtonPressed.path, Art::ButtonDisabled.path};
}

// Catches a face table that maps two states or two kinds to the same picture: the learner would see no
// change on hover or press, or two toolbar buttons alike.
void tst_ArtPixmap::everyFaceOfAControlLooksDifferent() {
    QFETCH(QStringList, faces);
    for (int i = 0; i < faces.size(); ++i)
        for (int j = i + 1; j < faces.size(); ++j)
            QVERIFY2(QImage(faces[i]) != QImage(faces[j]), qPrintable(faces[i] + " = " + faces[j]));
}

void tst_ArtPixmap::captionColoursReadOnEachButtonFace_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QColor>("caption");
    QTest::addColumn<double>("minContrast");
    QTest::addColumn<double>("maxContrast");
    QTest::newRow("normal, black") << Art::ButtonNormal.path << QColor(Qt::black) << 7.0 << 99.0;
    QTest::newRow("hover, black") << Art::ButtonHover.path << QColor(Qt::black) << 7.0 << 99.0;
    QTest::newRow("pressed, white") << Art::ButtonPressed.path << QColor(Qt::white) << 3.0 << 99.0;
    // A disabled button's caption takes the control's background colour and must vanish.
    QTest::newRow("disabled, vanishing") << Art::ButtonDisabled.path << QColor(250, 220, 103) << 1.0 << 1.02;
}

// Catches a face repainted in a colour on which its caption can no longer be read (or still shows).
void tst_ArtPixmap::captionColoursReadOnEachButtonFace() {
    QFETCH(QString, face);
    QFETCH(QColor, caption);
    QFETCH(double, minContrast);
    QFETCH(double, maxContrast);
    const QImage image(face);
    QVERIFY(!image.isNull());
    // The caption is centred; sample the band it covers.
    for (int x = 40; x <= 108; x += 17) {
        const double c = contrast(QColor(image.pixel(x, 20)), caption);
        QVERIFY2(c >= minContrast && c <= maxContrast, qPrintable(QStringLiteral("x %1: %2").arg(x).arg(c)));
    }
}

void tst_ArtPixmap::pictureCardSitsOnEachHotSpot_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("spot"); // twips
    QTest::addColumn<int>("inset");  // pixels from the hot spot's edge to the card's white rim
    const QString home = QString::fromLatin1(Art::Home.path);
    const QString menu = QString::fromLatin1(Art::Menu.path);
    for (const HomeSubject& subject : HomeSubjects)
        QTest::newRow(subject.name) << home << subject.spot << 2;
    for (const GameDescriptor& game : GameList)
        QTest::newRow(game.title) << menu << game.menuSpot << 1;
}

// Catches a subject or game drawn away from the place the learner clicks for it.
void tst_ArtPixmap::pictureCardSitsOnEachHotSpot() {
    QFETCH(QString, picture);
    QFETCH(QRect, spot);
    QFETCH(int, inset);
    const QImage image(picture);
    QVERIFY(!image.isNull());
    const int left = spot.left() / 15, top = spot.top() / 15;
    const int right = left + spot.width() / 15 - 1, bottom = top + spot.height() / 15 - 1;
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;
    QVERIFY2(isRim(image.pixel(left + inset, midY)), "left rim");
    QVERIFY2(isRim(image.pixel(right - inset, midY)), "right rim");
    QVERIFY2(isRim(image.pixel(midX, top + inset)), "top rim");
    QVERIFY2(isRim(image.pixel(midX, bottom - inset)), "bottom rim");
    // Just outside the hot spot the scene shows, not the card.
    if (left >= 3) QVERIFY2(!isRim(image.pixel(left - 3, midY)), "outside left");
}

QTEST_MAIN(tst_ArtPixmap)
#include "tst_ArtPixmap.moc"
