// ControlAccessible: what a screen reader sees of the program's own controls: a named button it can
// press, and the status line.
#pragma once

#include <QAccessibleWidget>

class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* widget, QAccessible::Role role);

    // The name: what the control shows in words (a label's text, a button's caption), else its accessible
    // name, else its tooltip.
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Installed once at start-up, before any window opens.
    static void install();

private:
    static QAccessibleInterface* factory(const QString& className, QObject* object);
};
