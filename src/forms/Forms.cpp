// Forms: named windows loaded on demand, unloaded by destruction, one active child at a time.
#include "forms/Forms.h"

#include <QEvent>
#include <QLoggingCategory>

#include "forms/ChildForm.h"

Q_LOGGING_CATEGORY(lcForms, "lexikite.forms")

Forms& forms() {
    static Forms registry;
    return registry;
}

void Forms::registerForm(const QString& name, Factory factory) {
    const QString key = name.toLower();
    if (factory)
        factories_.insert(key, std::move(factory));
    else
        factories_.remove(key);
}

bool Forms::isRegistered(const QString& name) const {
    return factories_.contains(name.toLower());
}

QWidget* Forms::find(const QString& name) const {
    return loaded_.value(name.toLower()).data();
}

QWidget* Forms::load(const QString& name) {
    const QString key = name.toLower();
    if (QWidget* w = loaded_.value(key)) return w;
    const Factory factory = factories_.value(key);
    if (!factory) return nullptr;
    QWidget* w = factory();
    if (!w) {
        qCWarning(lcForms) << "window could not be made:" << name;
        return nullptr;
    }
    if (w->objectName().isEmpty()) w->setObjectName(name);
    if (qobject_cast<ChildForm*>(w) && area_) {
        w->hide();
        w->setParent(area_);
        w->setGeometry(area_->rect());
    }
    loaded_.insert(key, w);
    return w;
}

void Forms::forget(QWidget* w) {
    for (auto it = loaded_.begin(); it != loaded_.end();) {
        if (it.value() == w || it.value().isNull())
            it = loaded_.erase(it);
        else
            ++it;
    }
    if (active_ == w) active_ = nullptr;
}

namespace {
// A form in the middle of its own code hides now and goes when that code returns.
bool deletesItself(QWidget* w) {
    auto* child = qobject_cast<ChildForm*>(w);
    return child && child->closeWhenIdle();
}
} // namespace

void Forms::unload(const QString& name, When when) {
    QWidget* w = find(name);
    if (!w) return;
    forget(w);
    w->hide();
    if (deletesItself(w)) return;
    if (when == Now)
        delete w;
    else
        w->deleteLater();
}

void Forms::unloadAll() {
    const auto all = loaded_.values();
    loaded_.clear();
    active_ = nullptr;
    for (const QPointer<QWidget>& w : all)
        if (w && !deletesItself(w)) delete w.data();
}

ChildForm* Forms::show(const QString& name) {
    auto* child = qobject_cast<ChildForm*>(load(name));
    if (!child) {
        if (QWidget* w = find(name)) w->show();
        return nullptr;
    }
    const bool becomesActive = active_ != child;
    if (becomesActive && active_) active_->hide();
    active_ = child;
    if (area_) child->setGeometry(area_->rect());
    child->show();
    child->raise();
    // A form that shows itself again from inside its own activation is not activated twice.
    if (becomesActive && !activating_.contains(child)) {
        QPointer<ChildForm> guard(child);
        activating_.append(child);
        child->activate();
        activating_.removeOne(child);
        if (!guard) return nullptr;
        if (onActivated_) onActivated_(child);
    }
    return child;
}

void Forms::setChildArea(QWidget* area) {
    if (area_) area_->removeEventFilter(this);
    area_ = area;
    if (area_) area_->installEventFilter(this);
}

void Forms::fitActiveChild() {
    if (active_ && area_) active_->setGeometry(area_->rect());
}

bool Forms::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) fitActiveChild();
    return QObject::eventFilter(watched, event);
}
