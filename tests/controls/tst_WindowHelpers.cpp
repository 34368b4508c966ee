// Tests of dragging a borderless window by its background.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "controls/WindowHelpers.h"

class tst_WindowHelpers : public QObject {
    Q_OBJECT
private slots:
    void dragMovesTheWindowOnlyFromItsBackground_data();
    void dragMovesTheWindowOnlyFromItsBackground();
};

void tst_WindowHelpers::dragMovesTheWindowOnlyFromItsBackground_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("releaseFirst");
    QTest::addColumn<bool>("moves");
    QTest::newRow("background") << "background" << Qt::LeftButton << false << true;
    QTest::newRow("label inside") << "title" << Qt::LeftButton << false << true;
    QTest::newRow("right button") << "background" << Qt::RightButton << false << false;
    QTest::newRow("after the release") << "background" << Qt::LeftButton << true << false;
    QTest::newRow("a button inside") << "button" << Qt::LeftButton << false << false;
}

// Catches a box that cannot be moved from its title (the platform refuses a system move offscreen, so this
// is the hand-moved path), one that follows the pointer after the release, and a button press that drags.
void tst_WindowHelpers::dragMovesTheWindowOnlyFromItsBackground() {
    QFETCH(QString, start);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, releaseFirst);
    QFETCH(bool, moves);

    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(300, 200);
    auto* title = new QLabel(QStringLiteral("Title"), &window);
    title->setGeometry(10, 10, 200, 30);
    auto* push = new QPushButton(QStringLiteral("OK"), &window);
    push->setGeometry(10, 100, 100, 30);
    for (QWidget* background : std::initializer_list<QWidget*>{&window, title})
        new backgroundDragged(background, &window);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget* target = start == QLatin1String("title")    ? title
                      : start == QLatin1String("button") ? push
                                                         : &window;
    const QPoint local = start == QLatin1String("background") ? QPoint(250, 150) : QPoint(5, 5);
    const QPoint before = window.pos();
    QTest::mousePress(target, button, {}, local);
    if (releaseFirst) QTest::mouseRelease(target, button, {}, local);
    const QPoint to = local + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton,
                     releaseFirst ? Qt::NoButton : Qt::MouseButtons(button), {});
    QApplication::sendEvent(target, &move);
    if (!releaseFirst) QTest::mouseRelease(target, button, {}, to);

    QCOMPARE(window.pos(), moves ? before + QPoint(30, 20) : before);
}

QTEST_MAIN(tst_WindowHelpers)
#include "tst_WindowHelpers.moc"
