// ToolbarButton: the toolbar picture button; its caption, a number, picks the picture set and tooltip.
#pragma once

#include "controls/PressableWidget.h"

class ToolbarButton : public PressableWidget {
    Q_OBJECT
public:
    enum Face { Normal = 0, Highlighted = 1, Pressed = 2 };

    explicit ToolbarButton(const QString& kind = QStringLiteral("0"), QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    // Re-applies the present face with the new kind.
    void setCaption(const QString& kind);

    int kind() const;
    int face() const { return face_; }
    // The tooltip of a kind: "Facebook", "Choose a Subject", "Choose a Game", "About Us", "Settings"; empty
    // else.
    static QString tooltipFor(int kind);
    // What a screen reader calls a kind: "Our page", "Home", "Games", "About", "Settings"; empty else.
    static QString nameFor(int kind);

    QSize sizeHint() const override { return QSize(56, 51); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showLook(Look look) override;

private:
    void setBarFace(int face);

    QString caption_;
    int face_ = Normal;
};
