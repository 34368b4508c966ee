// PicturePickerDialog: a grown-up picks a player's picture from the word pack's pictures, subject by subject.
#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;

class PicturePickerDialog : public QDialog {
    Q_OBJECT
public:
    // current: the picture chosen so far ("farm animals/cow.edi"), selected when shown.
    explicit PicturePickerDialog(const QString& current, QWidget* parent = nullptr);

    // The picked picture relative to the files folder, or empty.
    QString picture() const;

private:
    void showSubject(const QString& subject);

    QComboBox* subjects_ = nullptr;
    QListWidget* pictures_ = nullptr;
    QString current_;
};
