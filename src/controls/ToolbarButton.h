// ToolbarButton: the toolbar picture button; its TextCaption number picks the picture set and tooltip.
#pragma once

#include <QWidget>

class ToolbarButton : public QWidget {
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

    QSize sizeHint() const override { return QSize(56, 51); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setBarFace(int face);

    QString caption_;
    int face_ = Normal;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};
