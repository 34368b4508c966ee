// ShellFrame: what the home screen and the game menu ask of the frame around them; the main window is it.
#pragma once

#include <QString>

class ShellFrame {
public:
    // The home screen hides both score labels; hovering and the game menu show them.
    virtual void setScoreLabelsVisible(bool visible) = 0;
    // Re-opens the remembered game for a subject, or the game menu.
    virtual void chooseSubject(const QString& name) = 0;

protected:
    ~ShellFrame() = default;
};

// The program's frame, or null before it exists and after it is gone.
ShellFrame* shellFrame();
