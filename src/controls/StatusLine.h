// StatusLine: a label a screen reader treats as the window's status: it reads out what the line says now.
#pragma once

#include <QLabel>

class StatusLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Shows the text and tells a screen reader it changed.
    void say(const QString& text);
};
