// SubjectRules: what some subjects teach, so that a word which does not fit is caught before a child meets it.
#pragma once

#include <QString>

namespace SubjectRules {

// The subject whose words start with each letter a to z, one card per letter.
inline const QString kAlphabetSubject = QStringLiteral("phonics a to z");

// Why the word does not belong in the subject, or an empty text; subjects without a word list take any word.
QString misfit(const QString& subject, const QString& word);
// Whether the subject's cards show the first letter of their word beside the picture ("Aa" for apple).
bool showsFirstLetter(const QString& subject);

} // namespace SubjectRules
