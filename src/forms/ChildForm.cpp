// ChildForm: base of the home screen, the game menu and the game windows.
#include "forms/ChildForm.h"

ChildForm::ChildForm(const QString& formName, QWidget* parent) : QWidget(parent) {
    setObjectName(formName);
    setAutoFillBackground(true);
}
