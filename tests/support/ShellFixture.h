// ShellFixture: what every shell window test sets up: an in-memory store, a sound recorder, a fresh
// application record, and a main window that is loaded and shown.
#pragma once

#include <memory>
#include <QCursor>
#include <QDate>
#include <QStringList>
#include <QtTest>

#include "app/AppState.h"
#include "audio/SoundModule.h"
#include "services/GrownUpPause.h"
#include "MemorySettingsStore.h"
#include "RecordingSoundDevice.h"
#include "forms/Forms.h"
#include "shell/GameTable.h"
#include "shell/MainWindow.h"

struct ShellFixture {
    ScopedMemoryStore store;
    RecordingSoundDevice sound;
    std::unique_ptr<MainWindow> main;

    explicit ShellFixture(const QString& programFolder = QStringLiteral("/nonexistent-lexikite")) {
        initGlobals(appState(), programFolder, QDate(2026, 1, 1));
        appState().section = QStringLiteral("Phonics a to z");
        appState().language = QStringLiteral("AMERICAN");
        setSoundDevice(&sound);
        // A wrong answer in an earlier test does not rest the grown-up question in this one.
        grownUpPause() = GrownUpPause();
    }
    ~ShellFixture() {
        main.reset();
        GameTable::clearRegistrations();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setSoundDevice(nullptr);
    }
    void writeHigh(const QString& subject, const QString& value) {
        store.store.writeString(appState().registryBase + QStringLiteral("Settings\\Details"),
                                QStringLiteral("SCORE-HIGH - ") + subject, value);
    }
    QString readDetails(const QString& value) {
        return store.store.readString(appState().registryBase + QStringLiteral("Settings\\Details"), value,
                                      QStringLiteral("<none>"));
    }
    MainWindow* loadMain() {
        main = std::make_unique<MainWindow>();
        // The pointer starts above the centred window, so no subject is hovered before a test moves it.
        QCursor::setPos(5, 5);
        main->load();
        if (!QTest::qWaitForWindowExposed(main.get())) qWarning("main window not exposed");
        if (main->frameGeometry().contains(QCursor::pos())) qWarning("the pointer starts inside the window");
        return main.get();
    }
    // The word sounds opened and the effects played, in order ("open <path>", "effect CLICKHOME").
    QStringList sounds() const {
        QStringList out;
        for (const QString& entry : sound.log)
            if (entry.startsWith(QLatin1String("open ")) || entry.startsWith(QLatin1String("effect ")))
                out << entry;
        return out;
    }
    // The paths of the word sounds opened, in order, without the device type.
    QStringList openedPaths() const {
        QStringList out;
        for (const QString& entry : sound.log) {
            if (!entry.startsWith(QLatin1String("open "))) continue;
            QString path = entry.mid(5);
            const qsizetype space = path.lastIndexOf(QLatin1Char(' '));
            if (space > 0 && path.mid(space + 1) == soundTypeHint(path.left(space))) path.truncate(space);
            out << path;
        }
        return out;
    }
    template <class T> T* active() { return dynamic_cast<T*>(forms().activeChild()); }
};
