// Subjects: the subject folder names, taken from the program's home screen so the two never drift apart.
#include "catalogue/Subjects.h"

#include "catalogue/HomeSubjects.h"

namespace Subjects {

const QStringList& all() {
    static const QStringList names = [] {
        QStringList list;
        for (const HomeSubject& subject : HomeSubjects)
            list << QString::fromLatin1(subject.name);
        return list;
    }();
    return names;
}

QString canonical(const QString& name) {
    for (const QString& subject : all())
        if (subject.compare(name, Qt::CaseInsensitive) == 0) return subject;
    return {};
}

QString shownName(const QString& folder, bool british) {
    if (!british) return folder;
    for (const HomeSubject& subject : HomeSubjects)
        if (subject.british && folder.compare(QLatin1String(subject.name), Qt::CaseInsensitive) == 0)
            return QLatin1String(subject.british);
    return folder;
}

} // namespace Subjects
