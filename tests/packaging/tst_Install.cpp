// Tests of the installed layout: installs this build into a temporary prefix and checks what a desktop sees,
// then packs it as Debian's checker sees it.
#include <QDateTime>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>

namespace {
const QString AppId = QStringLiteral(LEXIKITE_APP_ID);
const QString DesktopPath = QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop");
const QString MetainfoPath = QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml");
const QString ChangelogPath = QStringLiteral("share/doc/lexikite/changelog.Debian.gz");
const QString ProgramManPage = QStringLiteral("share/man/man6/lexikite.6.gz");
const QString ToolManPage = QStringLiteral("share/man/man1/lexikite-wordpack.1.gz");
const QString LintianOverrides = QStringLiteral("share/lintian/overrides/lexikite");

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of one key of the desktop file's main group; empty when absent.
QString desktopValue(const QString& text, const QString& key) {
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(key) +
                                      QStringLiteral("=(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(text).captured(1).trimmed();
}

QString xmlCapture(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern).match(text).captured(1);
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(240000)) {
        result.output = program + QStringLiteral(" did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}
} // namespace

class tst_Install : public QObject {
    Q_OBJECT
    QTemporaryDir prefixDir;
    QString prefix;

    QString at(const QString& relative) const { return prefix + QLatin1Char('/') + relative; }

private slots:
    void initTestCase() {
        QVERIFY(prefixDir.isValid());
        prefix = prefixDir.path();
        const Run install = run(QStringLiteral(LEXIKITE_CMAKE_COMMAND),
                                {QStringLiteral("--install"), QStringLiteral(LEXIKITE_BUILD_DIR),
                                 QStringLiteral("--prefix"), prefix});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    // Fault: a piece the desktop or the program needs is missing, lands in the wrong folder, or a link
    // points at the staging folder instead of beside itself (a broken command once packaged).
    void installedEntries_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("program") << "lib/lexikite/lexikite"
                                 << "program";
        QTest::newRow("command") << "bin/lexikite"
                                 << "link:lib/lexikite/lexikite";
        QTest::newRow("menu entry") << DesktopPath << "file";
        QTest::newRow("metadata") << MetainfoPath << "file";
        QTest::newRow("licence") << "share/doc/lexikite/copyright"
                                 << "file";
        QTest::newRow("changelog") << ChangelogPath << "file";
        QTest::newRow("checker's overrides") << LintianOverrides << "file";
        if (LEXIKITE_EXPECT_MAN_PAGES) QTest::newRow("program's manual page") << ProgramManPage << "file";
        if (LEXIKITE_EXPECT_MAN_PAGES && LEXIKITE_EXPECT_WORDPACK_TOOL)
            QTest::newRow("tool's manual page") << ToolManPage << "file";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + AppId + ".svg"
                                       << "file";
        const QStringList sizes = QStringLiteral(LEXIKITE_ICON_PNG_SIZES).split(u',', Qt::SkipEmptyParts);
        for (const QString& size : sizes)
            QTest::addRow("icon %s", qPrintable(size))
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size, AppId) << "png";
        if (LEXIKITE_EXPECT_FILES) {
            QTest::newRow("word material") << "lib/lexikite/files"
                                           << "dir";
            QTest::newRow("letter sounds") << "lib/lexikite/files/Letters"
                                           << "dir";
        }
        if (LEXIKITE_EXPECT_WORDPACK_TOOL) {
            QTest::newRow("word-pack tool") << "lib/lexikite/lexikite-wordpack"
                                            << "program";
            QTest::newRow("word-pack command") << "bin/lexikite-wordpack"
                                               << "link:lib/lexikite/lexikite-wordpack";
        }
    }
    void installedEntries() {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const QFileInfo info(at(path));
        QVERIFY2(info.exists() || info.isSymLink(), qPrintable(path + QStringLiteral(" is missing")));
        if (kind == QLatin1String("program")) {
            QVERIFY(info.isFile() && info.isExecutable() && !info.isSymLink());
        } else if (kind.startsWith(QLatin1String("link:"))) {
            QVERIFY(info.isSymLink());
            const std::filesystem::path target = std::filesystem::read_symlink(info.filePath().toStdString());
            QVERIFY2(target.is_relative(), target.c_str());
            QCOMPARE(info.canonicalFilePath(), QFileInfo(at(kind.mid(5))).canonicalFilePath());
        } else if (kind == QLatin1String("dir")) {
            QVERIFY(info.isDir());
            QVERIFY(!QDir(info.filePath()).isEmpty());
        } else if (kind == QLatin1String("png")) {
            const QString size = path.section(u'/', 3, 3);
            QImage image(info.filePath());
            QCOMPARE(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), size);
        } else {
            QVERIFY(info.isFile() && info.size() > 0);
        }
    }

    // Fault: a tool, test or generator of the build leaks into the installed tree (and the package).
    void nothingElseIsInstalled() {
        const QStringList allowed = {QStringLiteral("bin/lexikite"),
                                     QStringLiteral("bin/lexikite-wordpack"),
                                     QStringLiteral("lib/lexikite/lexikite"),
                                     QStringLiteral("lib/lexikite/lexikite-wordpack"),
                                     QStringLiteral("lib/lexikite/files/"),
                                     DesktopPath,
                                     MetainfoPath,
                                     QStringLiteral("share/doc/lexikite/copyright"),
                                     ChangelogPath,
                                     ProgramManPage,
                                     ToolManPage,
                                     LintianOverrides,
                                     QStringLiteral("share/icons/hicolor/")};
        QDirIterator it(prefix, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = QDir(prefix).relativeFilePath(it.next());
            const bool ok = std::any_of(allowed.begin(), allowed.end(), [&](const QString& entry) {
                return entry.endsWith(u'/') ? relative.startsWith(entry) : relative == entry;
            });
            QVERIFY2(ok, qPrintable(relative + QStringLiteral(" should not be installed")));
        }
    }

    // Fault: the menu entry or the metadata is rejected by the desktop's own tools, so software
    // centres and menus drop the program.
    void validatorsAccept_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        // PREFIX/ stands for the temporary install prefix.
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{"PREFIX/" + DesktopPath};
        QTest::newRow("metadata") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", "--pedantic",
                                                 "PREFIX/" + MetainfoPath};
        QTest::newRow("metadata with its entry")
            << "appstreamcli" << QStringList{"validate-tree", "--no-net", "PREFIX/"};
    }
    void validatorsAccept() {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed (scripts/setup installs it)")));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^PREFIX/")), prefix + QLatin1Char('/'));
        const Run check = run(program, args);
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        // Warnings pass the tools' exit code but still cost a listing in software centres.
        QVERIFY2(!check.output.contains(QLatin1String("warning"), Qt::CaseInsensitive) &&
                     !check.output.contains(QLatin1String("error"), Qt::CaseInsensitive),
                 qPrintable(check.output));
    }

    // Fault: one file renamed or one version raised without the others, so the menu entry starts
    // nothing, shows no icon, the software centre shows a stale version or screenshot, or the package's
    // changelog is not the package's.
    void entriesAgree_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("expected");
        const QString desktop = readText(at(DesktopPath));
        const QString metainfo = readText(at(MetainfoPath));
        QTest::newRow("Exec is the command") << desktopValue(desktop, QStringLiteral("Exec")) << "lexikite";
        QTest::newRow("Icon is the installed icon") << desktopValue(desktop, QStringLiteral("Icon")) << AppId;
        QTest::newRow("metadata id") << xmlCapture(metainfo, QStringLiteral("<id>([^<]*)</id>")) << AppId;
        QTest::newRow("launchable")
            << xmlCapture(metainfo, QStringLiteral("<launchable type=\"desktop-id\">([^<]*)</launchable>"))
            << AppId + ".desktop";
        QTest::newRow("provided binary")
            << xmlCapture(metainfo, QStringLiteral("<binary>([^<]*)</binary>")) << "lexikite";
        QTest::newRow("release is this version")
            << xmlCapture(metainfo, QStringLiteral("<release version=\"([^\"]*)\""))
            << LEXIKITE_PROJECT_VERSION;
        QTest::newRow("summary") << xmlCapture(metainfo, QStringLiteral("<summary>([^<]*)</summary>"))
                                 << desktopValue(desktop, QStringLiteral("Comment"));
        const Run changelog = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), at(ChangelogPath)});
        QTest::newRow("changelog's entry is the package's version")
            << xmlCapture(changelog.output, QStringLiteral("^lexikite \\(([^)]*)\\)"))
            << LEXIKITE_PACKAGE_VERSION;
        const QString changed = xmlCapture(changelog.output, QStringLiteral("\n -- [^\n]*>  ([^\n]*)"));
        QTest::newRow("changelog's date is the release date")
            << QDateTime::fromString(changed, Qt::RFC2822Date).date().toString(Qt::ISODate)
            << xmlCapture(metainfo, QStringLiteral("<release version=\"[^\"]*\" date=\"([^\"]*)\""));
        // A screenshot retaken at another size or renamed would show stretched or not at all.
        const QRegularExpression shot(
            QStringLiteral("<image type=\"source\" width=\"(\\d+)\" height=\"(\\d+)\">[^<]*/([^/<]+)<"));
        for (const auto& m : shot.globalMatch(metainfo)) {
            const QImage kept(QStringLiteral(LEXIKITE_SOURCE_DIR "/packaging/screenshots/") + m.captured(3));
            QTest::addRow("screenshot %s", qPrintable(m.captured(3)))
                << QStringLiteral("%1x%2").arg(kept.width()).arg(kept.height())
                << m.captured(1) + "x" + m.captured(2);
        }
    }
    void entriesAgree() {
        QFETCH(QString, found);
        QFETCH(QString, expected);
        QCOMPARE(found, expected);
    }

    // Fault: --help fails, or an option is added to the tool or renamed without its manual page.
    void wordpackHelpMatchesItsManualPage() {
        if (!LEXIKITE_EXPECT_WORDPACK_TOOL) QSKIP("this build has no word-pack tool");
        const Run help = run(at(QStringLiteral("bin/lexikite-wordpack")), {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.output.contains(QLatin1String("usage:")), qPrintable(help.output));
        auto options = [](const QString& text, const QString& pattern) {
            QStringList found;
            for (const auto& m : QRegularExpression(pattern).globalMatch(text))
                found << m.captured(1);
            found.removeDuplicates();
            found.sort();
            return found;
        };
        const QString page =
            readText(QStringLiteral(LEXIKITE_SOURCE_DIR "/packaging/man/lexikite-wordpack.1.scd"));
        QCOMPARE(options(help.output, QStringLiteral("(--[a-z]+)")),
                 options(page, QStringLiteral("\\*(--[a-z]+)\\*")));
    }

    // Fault: the Debian package draws an error or a warning from Debian's own checker (a missing
    // changelog or manual page, an over-long description line, a copyright file without a notice).
    void debianPackagePassesLintian() {
        const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
        if (lintian.isEmpty()) QSKIP("lintian is not installed (scripts/setup installs it)");
        QTemporaryDir packDir;
        QVERIFY(packDir.isValid());
        const Run pack = run(QStringLiteral(LEXIKITE_CPACK_COMMAND),
                             {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                              QStringLiteral(LEXIKITE_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                              packDir.path()});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
        const QStringList debs = QDir(packDir.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const Run check = run(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error,warning"),
                                        QStringLiteral("--tag-display-limit"), QStringLiteral("0"),
                                        packDir.filePath(debs.first())});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    }
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_Install.moc"
