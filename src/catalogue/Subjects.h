// Subjects: the 28 subject folder names of the home screen, in its order.
#pragma once

#include <QString>
#include <QStringList>

namespace Subjects {

const QStringList& all();
// The subject's own spelling for a name matched without regard to case; empty when there is none.
QString canonical(const QString& name);
// A subject's name as the learner reads it (british: britishEnglish()): "colours" for the folder "colors" in
// British English. The folder name, as it is, where that English spells it so and for a folder that is no subject.
QString shownName(const QString& folder, bool british);

} // namespace Subjects
