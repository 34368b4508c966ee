// mdb_SET: the settings dialog: British or American English.
#pragma once

#include "windows/FramelessDialog.h"

class QLabel;
class QRadioButton;
class uctl_BTN;

class mdb_SET : public FramelessDialog {
    Q_OBJECT
public:
    explicit mdb_SET(QWidget* parent = nullptr);

    // The choice not yet saved; starts from the current language ("" when it is neither).
    QString pendingLanguage() const { return pendingLanguage_; }

    QRadioButton* britishOption() const { return optENGTYPEUK; }
    QRadioButton* americanOption() const { return optENGTYPEUS; }
    uctl_BTN* saveButton() const { return btnSAVE; }
    uctl_BTN* cancelButton() const { return btnCANCEL; }

    void Save();
    // For grown-ups: the players, and what each has practised.
    void playersClick();
    void progressClick();

protected:
    void enterPressed() override { Save(); }

private:
    QLabel* lblLANG = nullptr;
    QRadioButton* optENGTYPEUK = nullptr;
    QRadioButton* optENGTYPEUS = nullptr;
    uctl_BTN* btnSAVE = nullptr;
    uctl_BTN* btnCANCEL = nullptr;
    uctl_BTN* playersButton_ = nullptr;
    uctl_BTN* progressButton_ = nullptr;
    QString pendingLanguage_;
};
