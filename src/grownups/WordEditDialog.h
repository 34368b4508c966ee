// WordEditDialog: for grown-ups: one word of their own: its text, subject, picture and voice.
#pragma once

#include "audio/Pcm.h"
#include "catalogue/UserWords.h"

#include <QDialog>
#include <QImage>
#include <QTemporaryDir>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class SoundRecorder;

class WordEditDialog : public QDialog {
    Q_OBJECT
public:
    enum class Voice { Recorded, Computer, File };

    // A new word, or (with existing) a change of that word.
    WordEditDialog(const QString& root, const UserWords::Word* existing = nullptr, QWidget* parent = nullptr);
    ~WordEditDialog() override;

    QLineEdit* wordEdit() const { return word_; }
    QComboBox* subjectBox() const { return subject_; }
    QLabel* statusLabel() const { return status_; }

    // The picture from a file, a drop or the clipboard; false (with the reason shown) when it is no picture.
    bool takePictureFile(const QString& path);
    void takePicture(const QImage& image, bool photo);
    void takeSoundFile(const QString& path);
    void setVoice(Voice voice);
    // Stores the word after its checks; stays open with the reason when something is wrong.
    void store();

    void startRecording();
    void stopRecording();
    void playVoice();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choosePicture();
    void chooseSoundFile();
    void say(const QString& text);
    void updateButtons();
    // A file holding the voice as chosen so far, to play it before it is stored; empty when there is none.
    QString voicePreview();

    QString root_;
    bool changing_ = false;
    UserWords::Word existing_;
    QLineEdit* word_ = nullptr;
    QComboBox* subject_ = nullptr;
    QComboBox* variant_ = nullptr;
    QLabel* picture_ = nullptr;
    QRadioButton* recordOption_ = nullptr;
    QRadioButton* computerOption_ = nullptr;
    QRadioButton* fileOption_ = nullptr;
    QPushButton* record_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* soundFileButton_ = nullptr;
    QProgressBar* meter_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
    SoundRecorder* recorder_ = nullptr;
    QImage image_;
    bool photo_ = true;
    Pcm recording_;
    QByteArray soundFile_;
    QTemporaryDir preview_;
};
