// Draw: the games' random picks, each as likely as drawing until a pick fits, but always finite.
#pragma once

#include <functional>
#include <QString>
#include <QStringList>

class RandomSource;

namespace Draw {

// One index of 0 .. n-1 for which accept holds, every such index equally likely (what drawing until
// accept holds gives). -1 when no index is accepted, where the loop would never end.
int pickWhere(RandomSource& random, int n, const std::function<bool(int)>& accept);

// How many different names of the list pass usable.
int countUsable(const QStringList& names, const std::function<bool(const QString&)>& usable);

// The files of one turn: size different usable names, the target first. The target's word (wordOf)
// differs from avoidWord when a usable file allows it; when none does the repeat is allowed. Empty when
// fewer than size different usable names exist.
QStringList turnFiles(RandomSource& random, const QStringList& names, int size,
                      const std::function<bool(const QString&)>& usable,
                      const std::function<QString(const QString&)>& wordOf, const QString& avoidWord);

// The rest of a turn whose target is chosen: size - 1 other different usable names drawn after it.
QStringList completeTurn(RandomSource& random, const QStringList& names, int size,
                         const std::function<bool(const QString&)>& usable, const QString& target);

// Deals entries over places 0, 1, ...: each place takes a random one of the entries left.
QStringList dealOut(RandomSource& random, QStringList entries);

} // namespace Draw
