// GameFixture: what a game rules test builds its rules with: a seeded generator, a recording host, an
// application record and a folder listing the test controls.
#pragma once

#include "app/AppState.h"
#include "app/Random.h"
#include "games/common/GameEnv.h"
#include "catalogue/Catalogue.h"
#include "RecordingGameHost.h"

#include <QStringList>

struct GameFixture {
    explicit GameFixture(QStringList files = {}, const QString& language = QStringLiteral("BRITISH"))
        : names(std::move(files)) {
        app.section = QStringLiteral("farm animals");
        app.language = language;
    }

    GameEnv env() {
        // The pictures stand in for the pack's folder; the grown-up's own folder holds none.
        return GameEnv{host, random, app, [this](const QString& folder) {
                           if (folder.startsWith(Catalogue::userWordsFolder())) return QStringList();
                           listedFolders << folder;
                           return names;
                       }};
    }

    SeededRandom random{20240501};
    RecordingGameHost host;
    AppState app;
    QStringList names;
    QStringList listedFolders;
};

// n plain picture names "w00.edi", "w01.edi", ...
inline QStringList plainPictures(int n) {
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("w%1.edi").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}
