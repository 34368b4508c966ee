// Tests of the start-up record: identity texts, addresses, and the store's key paths built on it.
#include "app/AppState.h"
#include "app/SettingsStore.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

class tst_AppState : public QObject {
    Q_OBJECT
    static AppState filled(const QString& folder = QStringLiteral("/opt/lexikite")) {
        AppState state;
        initGlobals(state, folder, QDate(2031, 5, 17));
        return state;
    }

private slots:
    // Fault: a dot between minor and revision ("8.1.0"), or the number read in the user's locale
    // (8,1 -> 81 or 0), which would make every published version look newer.
    void versionTextAndNumber() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const AppState state = filled();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(state.versionText, QStringLiteral("Version: 8.10"));
        QCOMPARE(state.versionNumber, 8.1);
    }

    // Fault: the rights line without the clock's year or the maker; credits claiming photographs we never
    // took, not saying what the pictures and voices are, or losing the thanks and the four addresses.
    void rightsAndCreditsTexts() {
        const AppState state = filled();
        QCOMPARE(state.rightsText, QStringLiteral("Copyright © 2031 Brightmoor Learning"));
        const QString credits = state.creditsText;
        QVERIFY2(!credits.contains(QLatin1String("photo"), Qt::CaseInsensitive), qPrintable(credits));
        for (const QString& needed :
             {QStringLiteral("drawings"), QStringLiteral("Twemoji"), QStringLiteral("computer voice"),
              QString::fromLatin1(AppIdentity::SpeechSynthesiser), QStringLiteral("thank you")})
            QVERIFY2(credits.contains(needed), qPrintable(needed));
        const QRegularExpression addresses(
            QStringLiteral("(https?://\\S+), (https?://\\S+), (https?://\\S+) and (https?://\\S+) "));
        QVERIFY2(addresses.match(credits).hasMatch(), qPrintable(credits));
    }

    // Fault: addresses not following the web base (a packager's or test's override ignored), or a base
    // without its closing "/" gluing the path onto the host name.
    void addressesFollowTheWebBase_data() {
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QString>("base");
        QTest::newRow("override") << QByteArray("http://127.0.0.1:9/") << "http://127.0.0.1:9/";
        QTest::newRow("override without slash")
            << QByteArray("https://mirror.example/kite") << "https://mirror.example/kite/";
        QTest::newRow("build default") << QByteArray() << LEXIKITE_WEB_BASE_DEFAULT;
    }
    void addressesFollowTheWebBase() {
        QFETCH(QByteArray, environment);
        QFETCH(QString, base);
        const QByteArray saved = qgetenv("LEXIKITE_WEB_BASE");
        if (environment.isEmpty())
            qunsetenv("LEXIKITE_WEB_BASE");
        else
            qputenv("LEXIKITE_WEB_BASE", environment);
        const AppState state = filled();
        qputenv("LEXIKITE_WEB_BASE", saved);
        QVERIFY(base.endsWith(QLatin1Char('/')));
        QCOMPARE(state.webBase, base);
        QCOMPARE(state.versionFileUrl, base + QStringLiteral("kite-soft/lkvers.txt"));
        QCOMPARE(state.updatePageUrl, base + QStringLiteral("update/1501-810.html"));
    }

    // Fault: a trailing separator on the program folder doubling up in the local version file's path.
    void programFolderWithoutTrailingSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/opt/lexikite";
        QTest::newRow("trailing slash") << "/opt/lexikite/";
        QTest::newRow("two trailing slashes") << "/opt/lexikite//";
    }
    void programFolderWithoutTrailingSeparator() {
        QFETCH(QString, folder);
        const AppState state = filled(folder);
        QCOMPARE(state.programFolder, QStringLiteral("/opt/lexikite"));
        QCOMPARE(state.localVersionFile, QStringLiteral("/opt/lexikite/lkvers.txt"));
    }

    // Fault: key paths built without the registry base or with a missing separator.
    void storeKeyPaths() {
        appState() = filled();
        QCOMPARE(appState().registryBase, QStringLiteral("SOFTWARE\\Lexikite\\"));
        QCOMPARE(detailsKey(), QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details"));
        // "mdb_IDX": the main window's stored placement name, kept from the first release.
        QCOMPARE(windowKey(QStringLiteral("mdb_IDX")), QStringLiteral("SOFTWARE\\Lexikite\\mdb_IDX\\Window"));
    }

    // Fault: a program with no store installed crashing, or reporting a write it never made.
    void withoutStoreReadsDefaultAndWritesFail() {
        setSettingsStore(nullptr);
        QCOMPARE(readSetting(detailsKey(), QStringLiteral("Language"), QStringLiteral("AMERICAN")),
                 QStringLiteral("AMERICAN"));
        QVERIFY(!writeSetting(detailsKey(), QStringLiteral("Language"), QStringLiteral("BRITISH")));
    }
};

QTEST_GUILESS_MAIN(tst_AppState)
#include "tst_AppState.moc"
