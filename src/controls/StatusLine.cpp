// StatusLine: a label that announces its changes.
#include "controls/StatusLine.h"

#include <QAccessible>

void StatusLine::say(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
