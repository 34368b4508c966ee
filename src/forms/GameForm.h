// GameForm: what the main window and the game menu need from a game window, whatever the game.
#pragma once

#include <QStringList>

#include "forms/ChildForm.h"

class GameForm : public ChildForm {
    Q_OBJECT
public:
    GameForm(const QString& formName, int gameNumber, QWidget* parent = nullptr);

    int gameNumber() const { return gameNumber_; }

    // subjectLabel_: the subject title written by the opener; the folder the game lists and reports.
    virtual void setSubject(const QString& title) { subject_ = title; }
    virtual QString subject() const { return subject_; }
    // The entries of the game's picture file list, in list order (searched by the result dialog).
    virtual QStringList pictureList() const { return {}; }

    // The calls the game menu makes after showing the game (list and start operations, if any).
    virtual void startFromMenu() {}
    // The calls chooseSubject makes after re-opening the game (fewer for some games).
    virtual void startFromSubjectChoice() {}

private:
    int gameNumber_;
    QString subject_;
};
