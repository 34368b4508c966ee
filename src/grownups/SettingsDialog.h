// SettingsDialog: the settings dialog: British or American English, and whether missed words come back.
#pragma once

#include "dialogs/FramelessDialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class ImageButton;

class SettingsDialog : public FramelessDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // The choice not yet saved; starts from the current language ("" when it is neither).
    QString pendingLanguage() const { return pendingLanguage_; }

    QRadioButton* britishOption() const { return britishOption_; }
    QRadioButton* americanOption() const { return americanOption_; }
    QCheckBox* comeBackOption() const { return comeBackOption_; }
    ImageButton* saveButton() const { return saveButton_; }
    ImageButton* cancelButton() const { return cancelButton_; }
    // Says that the choice could not be saved; shown only then.
    QLabel* notSavedNote() const { return notSavedNote_; }

    void save();
    // For grown-ups: the players, and what each has practised.
    void playersClick();
    void progressClick();
    void myWordsClick();

signals:
    // The language was saved: the frame's titles follow it.
    void languageSaved();
    // The child playing was removed: the next one starts afresh.
    void playingChildRemoved();
    // The grown-up's own words may have changed: the home screen shows "my words" once it holds words.
    void wordsChanged();

protected:
    void enterPressed() override { save(); }

private:
    static constexpr int NoteHeight = 56;
    QLabel* languageLabel_ = nullptr;
    QRadioButton* britishOption_ = nullptr;
    QRadioButton* americanOption_ = nullptr;
    QCheckBox* comeBackOption_ = nullptr;
    ImageButton* saveButton_ = nullptr;
    ImageButton* cancelButton_ = nullptr;
    ImageButton* playersButton_ = nullptr;
    ImageButton* progressButton_ = nullptr;
    ImageButton* myWordsButton_ = nullptr;
    QLabel* notSavedNote_ = nullptr;
    QString pendingLanguage_;
};
