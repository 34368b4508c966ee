// ResultParts: the pieces both result dialogs lay out alike: a word picture with its play button, the
// message, the separator and the OK button.
#pragma once

#include <QString>

class ClickLabel;
class QDialog;
class QLabel;
class QPixmap;
class ImageButton;

namespace ResultParts {
inline constexpr int PictureWidth = 200;
inline constexpr int PictureHeight = 150;

ClickLabel* addPicture(QDialog* dialog, const QString& name, int x, int y);
ClickLabel* addPlayButton(QDialog* dialog, const QString& name, int x, int y);
QLabel* addMessage(QDialog* dialog, int y);
// The separator and the "OK" button at the bottom; OK closes the dialog.
ImageButton* addOkButton(QDialog* dialog);
void showPicture(ClickLabel* picture, const QPixmap& source);
} // namespace ResultParts
