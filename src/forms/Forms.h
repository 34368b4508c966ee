// Forms: the registry of named single-instance windows, and the main window's one active child.
#pragma once

#include <functional>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "forms/ChildForm.h"

class Forms : public QObject {
public:
    using Factory = std::function<QWidget*()>;

    // A window the registry can load by name; an empty factory removes it.
    void registerForm(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;

    // The loaded instance, loading it first when needed; null when no window of that name can be made.
    QWidget* load(const QString& name);
    template <class T> T* load(const QString& name) { return qobject_cast<T*>(load(name)); }
    // The loaded instance or null; never loads.
    QWidget* find(const QString& name) const;
    template <class T> T* find(const QString& name) const { return qobject_cast<T*>(find(name)); }

    enum When { Later, Now };
    // Destroys the instance so the next load starts afresh. Later is safe from inside the form's own
    // handlers: the object is forgotten at once and goes away when control is back in the event loop.
    void unload(const QString& name, When when = Later);
    // Destroys every loaded window at once (the program's end).
    void unloadAll();

    // Loads a child form, makes it the active child filling the child area and shows it; runs its activation
    // when it was not the active child already. Returns null when it cannot be loaded.
    ChildForm* show(const QString& name);
    ChildForm* activeChild() const { return active_; }
    // Told after each activation (one listener; an empty one removes it).
    void setActivationListener(std::function<void(ChildForm*)> listener) {
        onActivated_ = std::move(listener);
    }

    // The main window's child area and the owner of every modal dialog.
    void setChildArea(QWidget* area);
    QWidget* childArea() const { return area_; }
    void setDialogOwner(QWidget* owner) { owner_ = owner; }
    QWidget* dialogOwner() const { return owner_; }

    // Fits the active child to the child area again (after a resize).
    void fitActiveChild();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forget(QWidget* widget);

    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> loaded_;
    QPointer<ChildForm> active_;
    QPointer<QWidget> area_;
    QPointer<QWidget> owner_;
    QList<ChildForm*> activating_;
    std::function<void(ChildForm*)> onActivated_;
};

// The program's registry.
Forms& forms();
