// ControlAccessible: accessible buttons for the hot spots, picture buttons and clickable labels.
#include "controls/ControlAccessible.h"

#include <QLabel>
#include <QMetaObject>

ControlAccessible::ControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

QString ControlAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QWidget* w = widget();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QString shown = label->text().trimmed();
        if (!shown.isEmpty() && (role() == QAccessible::StatusBar || w->accessibleName().isEmpty())) return shown;
    }
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    const QString caption = w->property("caption").toString().trimmed();
    if (!caption.isEmpty()) return caption;
    return w->toolTip();
}

QStringList ControlAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button && widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && role() == QAccessible::Button)
        QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

// Hot spots and picture buttons are buttons; a clickable label is one while the keyboard can reach it
// (a picture only to look at stays a picture).
QAccessibleInterface* ControlAccessible::factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (className == QLatin1String("HotSpot") || className == QLatin1String("PressableWidget"))
        return new ControlAccessible(w, QAccessible::Button);
    if (className == QLatin1String("ClickLabel") && (w->focusPolicy() & Qt::TabFocus))
        return new ControlAccessible(w, QAccessible::Button);
    if (className == QLatin1String("StatusLine")) return new ControlAccessible(w, QAccessible::StatusBar);
    return nullptr;
}

void ControlAccessible::install() {
    QAccessible::installFactory(&ControlAccessible::factory);
}
