// lexikite-wordpack: makes, checks and extends the word material in the files folder beside the program.
#include "PackAdder.h"
#include "PackChecker.h"
#include "PackGenerator.h"
#include "catalogue/UserWords.h"
#include "catalogue/WordImporter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

const char* kUsage =
    "usage:\n"
    "  lexikite-wordpack generate --words FILE --emoji DIR --out DIR [--force] [--jobs N]\n"
    "  lexikite-wordpack check [DIR] [--words DIR]\n"
    "  lexikite-wordpack add --subject NAME [--voice en-gb|en-us] [--word WORD] [--files DIR] PICTURE...\n"
    "  lexikite-wordpack import FILE [--subject NAME] [--into DIR] [--files DIR]\n"
    "  lexikite-wordpack --help\n";

int usage(const QString& problem) {
    std::fprintf(stderr, "lexikite-wordpack: %s\n%s", qPrintable(problem), kUsage);
    return 2;
}

QString defaultFiles() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("files")); }

// Reads "--name value" pairs and plain arguments; false on an unknown option or a missing value.
bool parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags,
                  QHash<QString, QString>* values, QStringList* plain, QString* problem) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QStringLiteral("--"))) {
            plain->append(a);
        } else if (flags.contains(a)) {
            values->insert(a, QStringLiteral("1"));
        } else if (valued.contains(a)) {
            if (i + 1 >= args.size()) {
                *problem = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            values->insert(a, args[++i]);
        } else {
            *problem = QStringLiteral("unknown option %1").arg(a);
            return false;
        }
    }
    return true;
}

} // namespace

// The offscreen platform's note about a missing runtime folder means nothing to this tool.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    std::unique_ptr<QCoreApplication> app;
    // Drawing text (a generated card, an imported word's card) needs a GUI application, never a display.
    if (argc > 1 && (qstrcmp(argv[1], "generate") == 0 || qstrcmp(argv[1], "import") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = app->arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::printf("lexikite-wordpack: makes, checks and adds to the word material of Lexikite.\n%s"
                    "The manual page lexikite-wordpack(1) explains each command and option.\n",
                    kUsage);
        return 0;
    }
    if (args.isEmpty()) return usage(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    QHash<QString, QString> values;
    QStringList plain;
    QString problem;

    if (command == QStringLiteral("generate")) {
        if (!parseOptions(args, {"--words", "--emoji", "--out", "--jobs"}, {"--force"}, &values, &plain, &problem))
            return usage(problem);
        GenerateOptions options;
        options.wordList = values.value("--words");
        options.emojiFolder = values.value("--emoji");
        options.outFolder = values.value("--out");
        options.force = values.contains("--force");
        options.soundJobs = values.value("--jobs", "2").toInt();
        if (options.wordList.isEmpty() || options.emojiFolder.isEmpty() || options.outFolder.isEmpty() || !plain.isEmpty())
            return usage(QStringLiteral("generate needs --words, --emoji and --out"));
        return PackGenerator::run(options);
    }
    if (command == QStringLiteral("check")) {
        if (!parseOptions(args, {"--words"}, {}, &values, &plain, &problem)) return usage(problem);
        if (plain.size() > 1) return usage(QStringLiteral("check takes one folder"));
        const QString folder = plain.isEmpty() ? defaultFiles() : plain.first();
        QStringList problems = PackChecker::problems(folder);
        for (const QString& p : problems) std::printf("%s\n", qPrintable(p));
        if (problems.isEmpty()) std::printf("lexikite-wordpack: %s is a complete word pack\n", qPrintable(folder));
        // The grown-up's own words, read beside the pack, are checked too when there are any.
        const QString own = values.value("--words", UserWords::folder());
        if (QFileInfo(own).isDir()) {
            const QStringList ownProblems = PackChecker::userProblems(own);
            for (const QString& p : ownProblems) std::printf("%s\n", qPrintable(p));
            if (ownProblems.isEmpty()) std::printf("lexikite-wordpack: the words in %s are whole\n", qPrintable(own));
            problems += ownProblems;
        }
        return problems.isEmpty() ? 0 : 1;
    }
    if (command == QStringLiteral("add")) {
        if (!parseOptions(args, {"--subject", "--voice", "--word", "--files"}, {}, &values, &plain, &problem))
            return usage(problem);
        AddOptions options;
        options.subject = values.value("--subject");
        options.voice = values.value("--voice");
        options.word = values.contains("--word") ? values.value("--word") : QString();
        options.filesFolder = values.value("--files", defaultFiles());
        options.pictures = plain;
        if (options.subject.isEmpty()) return usage(QStringLiteral("add needs --subject"));
        return PackAdder::run(options);
    }
    if (command == QStringLiteral("import")) {
        if (!parseOptions(args, {"--subject", "--into", "--files"}, {}, &values, &plain, &problem)) return usage(problem);
        if (plain.size() != 1) return usage(QStringLiteral("import takes one word list"));
        ImportOptions options;
        options.listPath = plain.first();
        options.subject = values.value("--subject", UserWords::MySubject);
        options.into = values.value("--into", UserWords::folder());
        options.packFolder = values.value("--files", defaultFiles());
        const ImportReport report = WordImporter::run(options);
        std::printf("%s\n", qPrintable(report.text()));
        return report.error.isEmpty() ? 0 : 1;
    }
    return usage(QStringLiteral("unknown command \"%1\"").arg(command));
}
