// SubjectProgress: a subject's words against a player's word states.
#include "players/SubjectProgress.h"

#include "app/AppState.h"
#include "catalogue/Catalogue.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"

#include <QSet>

SubjectProgress SubjectProgress::of(AnswerHistory& history, int player, const QString& subject,
                                    const QString& language) {
    QSet<QString> words;
    for (const QString& name : Catalogue::listPictures(Catalogue::subjectFolder(subject)))
        if (Catalogue::matchesLanguage(name, language)) words.insert(Catalogue::wordFromFileName(name));
    SubjectProgress progress;
    progress.words = int(words.size());
    const WordStates states = history.wordStates(player, subject);
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        if (!words.contains(it.key())) continue;
        if (it->met()) ++progress.met;
        if (it->learned()) ++progress.learned;
    }
    return progress;
}

SubjectProgress SubjectProgress::current(const QString& subject) {
    AnswerLog* log = answerLog();
    if (!log) return {};
    AnswerHistory history(log->databasePath());
    return of(history, playerRegistry().currentId(), subject, appState().language);
}

QString SubjectProgress::learnedCaption() const {
    if (words <= 0) return QString();
    return QStringLiteral("%1 of %2 %3 learned")
        .arg(learned)
        .arg(words)
        .arg(words == 1 ? QStringLiteral("word") : QStringLiteral("words"));
}
