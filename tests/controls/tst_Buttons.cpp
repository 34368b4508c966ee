// Tests of the two button controls: clicks, double-clicks, the disabled state and the toolbar kinds.
#include <QSignalSpy>
#include <QtTest>

#include "controls/ToolbarButton.h"
#include "controls/ImageButton.h"

class tst_Buttons : public QObject {
    Q_OBJECT
private slots:
    void doubleClickRaisesClickTwiceAndLeavesPressedFace_data();
    void doubleClickRaisesClickTwiceAndLeavesPressedFace();
    void disabledButtonShowsPressedFaceHidesCaptionAndRaisesNoClick();
    void pressDraggedOffTheButtonRaisesNoClick();
    void toolbarKindPicksTooltip_data();
    void toolbarKindPicksTooltip();
    void toolbarKindChangeWhileHoveredKeepsHighlight();
};

void tst_Buttons::doubleClickRaisesClickTwiceAndLeavesPressedFace_data() {
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("image button") << false;
    QTest::newRow("toolbar button") << true;
}

// Catches a double-click that loses its second clicked (Qt delivers it as a double-click event, not a click)
// or raises a third one from the release that follows, and later clicks swallowed until the pointer moves.
void tst_Buttons::doubleClickRaisesClickTwiceAndLeavesPressedFace() {
    QFETCH(bool, toolbar);
    QWidget host;
    ImageButton btn(QStringLiteral("OK"), &host);
    ToolbarButton bar(QStringLiteral("2"), &host);
    bar.move(0, 60);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QWidget* target = toolbar ? static_cast<QWidget*>(&bar) : &btn;
    QSignalSpy clicks(target, SIGNAL(clicked()));

    const QPoint centre = target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(target, Qt::LeftButton, {}, centre);

    QCOMPARE(clicks.count(), 2);
    if (toolbar)
        QCOMPARE(bar.face(), int(ToolbarButton::Pressed));
    else
        QCOMPARE(btn.face(), ImageButton::Face::Pressed);

    // The pointer has not moved: each further press and release is a click of its own.
    QTest::mouseClick(target, Qt::LeftButton, {}, centre);
    QTest::mouseClick(target, Qt::LeftButton, {}, centre);
    QCOMPARE(clicks.count(), 4);
}

// Catches a disabled button that still answers clicks or keeps a readable caption, and an enable that
// does not bring the normal face back.
void tst_Buttons::disabledButtonShowsPressedFaceHidesCaptionAndRaisesNoClick() {
    ImageButton btn(QStringLiteral("Check"));
    btn.show();
    QVERIFY(QTest::qWaitForWindowExposed(&btn));
    QSignalSpy clicks(&btn, &ImageButton::clicked);

    btn.setEnabled(false);
    QCOMPARE(btn.face(), ImageButton::Face::Pressed);
    QCOMPARE(btn.captionColor(), ImageButton::backgroundColor());
    QTest::mouseClick(&btn, Qt::LeftButton, {}, btn.rect().center());
    QCOMPARE(clicks.count(), 0);

    btn.setEnabled(true);
    QCOMPARE(btn.face(), ImageButton::Face::Normal);
    QCOMPARE(btn.captionColor(), QColor(Qt::black));
    QTest::mouseClick(&btn, Qt::LeftButton, {}, btn.rect().center());
    QCOMPARE(clicks.count(), 1);
}

// Catches a Click raised for a press that was released outside the button.
void tst_Buttons::pressDraggedOffTheButtonRaisesNoClick() {
    ImageButton btn(QStringLiteral("Yes"));
    btn.show();
    QVERIFY(QTest::qWaitForWindowExposed(&btn));
    QSignalSpy clicks(&btn, &ImageButton::clicked);
    QTest::mousePress(&btn, Qt::LeftButton, {}, btn.rect().center());
    QCOMPARE(btn.captionColor(), QColor(Qt::white));
    QTest::mouseRelease(&btn, Qt::LeftButton, {}, QPoint(btn.width() + 20, 5));
    QCOMPARE(clicks.count(), 0);
}

void tst_Buttons::toolbarKindPicksTooltip_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("hasFace");
    QTest::newRow("1") << "1"
                       << "Facebook" << true;
    QTest::newRow("2") << "2"
                       << "Choose a Subject" << true;
    QTest::newRow("3") << "3"
                       << "Choose a Game" << true;
    QTest::newRow("4") << "4"
                       << "About Us" << true;
    QTest::newRow("5") << "5"
                       << "Settings" << true;
    QTest::newRow("leading number") << "3 menu"
                                    << "Choose a Game" << true;
    QTest::newRow("no kind") << "9"
                             << "" << false;
    QTest::newRow("not a number") << "home"
                                  << "" << false;
}

// Catches a kind mapped to the wrong picture set or tooltip, and a stray face for unknown kinds.
void tst_Buttons::toolbarKindPicksTooltip() {
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(bool, hasFace);
    ToolbarButton bar(caption);
    QCOMPARE(bar.toolTip(), tooltip);
    QCOMPARE(bar.size(), QSize(56, 51));
    const QImage shot = bar.grab().toImage();
    const QRgb ground = shot.pixel(0, 0); // the faces are round; the corner shows what lies behind
    bool painted = false;
    for (int y = 0; y < shot.height() && !painted; y += 3)
        for (int x = 0; x < shot.width() && !painted; x += 3)
            painted = shot.pixel(x, y) != ground;
    QCOMPARE(painted, hasFace);
}

// Catches a kind change that falls back to the normal face while the pointer is over the button.
void tst_Buttons::toolbarKindChangeWhileHoveredKeepsHighlight() {
    ToolbarButton bar(QStringLiteral("2"));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseMove(&bar, bar.rect().center());
    QTRY_COMPARE(bar.face(), int(ToolbarButton::Highlighted));
    bar.setCaption(QStringLiteral("3"));
    QCOMPARE(bar.face(), int(ToolbarButton::Highlighted));
    QCOMPARE(bar.toolTip(), QStringLiteral("Choose a Game"));
}

QTEST_MAIN(tst_Buttons)
#include "tst_Buttons.moc"
