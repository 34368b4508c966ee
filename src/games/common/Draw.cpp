// Draw: the games' random picks.
#include "games/common/Draw.h"

#include "app/Random.h"

#include <QList>
#include <QSet>

namespace Draw {

int pickWhere(RandomSource& random, int n, const std::function<bool(int)>& accept) {
    QList<int> accepted;
    for (int i = 0; i < n; ++i)
        if (accept(i)) accepted.append(i);
    if (accepted.isEmpty()) return -1;
    return accepted.at(random.drawIndex(int(accepted.size())));
}

int countUsable(const QStringList& names, const std::function<bool(const QString&)>& usable) {
    QSet<QString> seen;
    for (const QString& name : names)
        if (usable(name)) seen.insert(name);
    return int(seen.size());
}

QStringList turnFiles(RandomSource& random, const QStringList& names, int size,
                      const std::function<bool(const QString&)>& usable,
                      const std::function<QString(const QString&)>& wordOf, const QString& avoidWord) {
    const int n = int(names.size());
    if (size <= 0 || countUsable(names, usable) < size) return {};

    int target =
        pickWhere(random, n, [&](int k) { return usable(names.at(k)) && wordOf(names.at(k)) != avoidWord; });
    // Only files with the word on show are left: showing it again beats never dealing.
    if (target < 0) target = pickWhere(random, n, [&](int k) { return usable(names.at(k)); });
    return completeTurn(random, names, size, usable, names.at(target));
}

QStringList completeTurn(RandomSource& random, const QStringList& names, int size,
                         const std::function<bool(const QString&)>& usable, const QString& target) {
    const int n = int(names.size());
    QStringList chosen{target};
    while (chosen.size() < size) {
        const int k =
            pickWhere(random, n, [&](int i) { return !chosen.contains(names.at(i)) && usable(names.at(i)); });
        chosen.append(names.at(k));
    }
    return chosen;
}

QStringList dealOut(RandomSource& random, QStringList entries) {
    QStringList placed;
    while (!entries.isEmpty())
        placed.append(entries.takeAt(random.drawIndex(int(entries.size()))));
    return placed;
}

} // namespace Draw
