// GamePlayFixture: a program folder whose subject holds the given words as small pictures, a main window
// with the games registered, and a closer that notes what each result dialog said and what the game
// showed behind it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ShellFixture.h"
#include "app/Random.h"
#include "controls/HotSpot.h"
#include "games/common/GameWindow.h"
#include "games/RegisterGames.h"
#include "shell/GameMenu.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"

inline const QString PlaySubject = QStringLiteral("farm animals");

inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct GamePlayFixture {
    QTemporaryDir dir;
    std::unique_ptr<ShellFixture> shell;
    SeededRandom random;
    QStringList messages;
    QStringList countersBehind;
    // Extra state a test wants to see behind each dialog.
    std::function<QString()> behind;
    QStringList extraBehind;
    // Runs on each dialog before it is closed; returning true means it closed the dialog itself.
    std::function<bool(QDialog*)> onDialog;
    QTimer closer;

    GamePlayFixture(const QStringList& words, std::uint64_t seed) : random(seed) {
        const QString folder = dir.path() + QStringLiteral("/files/") + PlaySubject;
        QDir().mkpath(folder);
        int hue = 0;
        for (const QString& word : words) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((hue += 40) % 360, 200, 220));
            image.save(folder + u'/' + word + QStringLiteral(".edi"), "PNG");
        }
        shell = std::make_unique<ShellFixture>(dir.path());
        setRandomSource(&random);
        appState().section = PlaySubject;
        registerGames();
        shell->loadMain();
        closer.setInterval(1);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (auto* win = qobject_cast<ResultDialog*>(dialog)) messages << win->message();
            if (auto* los = qobject_cast<MismatchDialog*>(dialog)) messages << los->message();
            auto* game = dynamic_cast<GameWindow*>(forms().activeChild());
            countersBehind << (game ? game->scoreLabel()->text() : QString());
            if (behind) extraBehind << behind();
            if (!onDialog || !onDialog(dialog)) dialog->close();
        });
        closer.start();
    }
    ~GamePlayFixture() {
        closer.stop();
        shell.reset();
        setRandomSource(nullptr);
    }

    GameMenu* menu() {
        forms().show(QStringLiteral("GameMenu"));
        auto* m = shell->active<GameMenu>();
        if (m) m->setTitle(PlaySubject);
        return m;
    }
    template <class T> T* openFromMenu(int spot) {
        GameMenu* m = menu();
        if (!m) return nullptr;
        click(m->spot(spot));
        settle();
        return shell->active<T>();
    }
    QString wordSound(const QString& word) const {
        return appState().programFolder + QStringLiteral("/files/") + PlaySubject + u'/' + word +
               QStringLiteral(".eda");
    }
    QString stored() { return shell->readDetails(QStringLiteral("SCORE-HIGH - ") + PlaySubject); }
};
