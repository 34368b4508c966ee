// ChildForm: a window shown inside the main window's child area, one at a time, with its activation.
#pragma once

#include <QString>
#include <QWidget>

class ChildForm : public QWidget {
    Q_OBJECT
public:
    explicit ChildForm(const QString& formName, QWidget* parent = nullptr);

    QString formName() const { return objectName(); }
    // The tag text: a game window's number, the game menu's title.
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // Asked while it is being unloaded: a form whose own code is still running takes over its deletion
    // (it deletes itself when that code returns) and says true; otherwise the registry deletes it.
    virtual bool closeWhenIdle() { return false; }

protected:
    friend class Forms;
    // Runs each time the form becomes the active child (not when a modal dialog closes over it).
    virtual void activate() {}

private:
    QString tag_;
};
