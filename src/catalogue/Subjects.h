// Subjects: the 28 subject folder names of the home screen, in its order.
#pragma once

#include <QString>
#include <QStringList>

namespace Subjects {

const QStringList& all();
// The subject's own spelling for a name matched without regard to case; empty when there is none.
QString canonical(const QString& name);

} // namespace Subjects
