// ImageButton: the program's picture push button: three faces, a centred caption, Click and MouseMove.
#pragma once

#include <QColor>
#include <QPointF>

#include "controls/PressableWidget.h"

class ImageButton : public PressableWidget {
    Q_OBJECT
    // A screen reader names the button by it.
    Q_PROPERTY(QString caption READ caption)
public:
    enum class Face { Normal, Highlighted, Pressed };

    explicit ImageButton(const QString& caption = QStringLiteral("Textval"), QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Disabling (setEnabled(false) on the button itself) shows the pressed face with the caption in the
    // background colour, so it vanishes; a disabled button raises no Click.
    Face face() const { return face_; }
    QColor captionColor() const { return captionColor_; }

    static QColor backgroundColor() { return QColor(250, 220, 103); }
    QSize sizeHint() const override { return QSize(148, 37); }

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showLook(Look look) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setFace(Face face, const QColor& caption);
    bool ownEnabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

    QString caption_;
    Face face_ = Face::Normal;
    QColor captionColor_ = Qt::black;
};
