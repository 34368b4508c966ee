// WordCard: a plain card with a word written large, for a word that came without a picture.
#pragma once

#include <QImage>
#include <QString>

namespace WordCard {

QImage paint(const QString& word);

} // namespace WordCard
