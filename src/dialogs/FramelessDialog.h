// FramelessDialog: the borderless modal dialog look shared by the result and settings dialogs.
#pragma once

#include <QDialog>

class ClickLabel;
class QLabel;

class FramelessDialog : public QDialog {
    Q_OBJECT
public:
    // heading: the text in the top band ("Games", "Settings"); the dialog is owned by parent.
    FramelessDialog(const QString& name, const QString& heading, const QSize& size, QWidget* parent);

    ClickLabel* closeCross() const { return closeCross_; }

protected:
    // What Enter does: the dialog's main button.
    virtual void enterPressed() { accept(); }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    static constexpr int BandHeight = 40;

private:
    QLabel* iconLabel_ = nullptr;
    QLabel* heading_ = nullptr;
    ClickLabel* closeCross_ = nullptr;
};
