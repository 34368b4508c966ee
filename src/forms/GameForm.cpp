// GameForm: a game window carries its number as its tag text.
#include "forms/GameForm.h"

GameForm::GameForm(const QString& formName, int gameNumber, QWidget* parent)
    : ChildForm(formName, parent), gameNumber_(gameNumber) {
    setTag(QString::number(gameNumber));
}
