// SettingsDialog: settings dialog; Save stores the language and refreshes the main window, Cancel changes nothing.
#include "grownups/SettingsDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "controls/ImageButton.h"
#include "players/PlayerRegistry.h"
#include "players/PracticeSetting.h"
#include "catalogue/Catalogue.h"
#include "grownups/GrownUpDialog.h"
#include "grownups/MyWordsDialog.h"
#include "grownups/PlayersDialog.h"
#include "grownups/ProgressWindow.h"

SettingsDialog::SettingsDialog(QWidget* parent)
    : FramelessDialog(QStringLiteral("SettingsDialog"), QStringLiteral("Settings"), QSize(360, 394), parent) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);

    languageLabel_ = new QLabel(QStringLiteral("Choose Your Language"), this);
    languageLabel_->setObjectName(QStringLiteral("languageLabel"));
    QFont bold = f;
    bold.setBold(true);
    languageLabel_->setFont(bold);
    languageLabel_->setGeometry(24, 54, width() - 48, 28);

    britishOption_ = new QRadioButton(QStringLiteral("&British English"), this);
    britishOption_->setObjectName(QStringLiteral("britishOption"));
    britishOption_->setFont(f);
    britishOption_->move(40, 90);
    britishOption_->adjustSize();
    americanOption_ = new QRadioButton(QStringLiteral("&American English"), this);
    americanOption_->setObjectName(QStringLiteral("americanOption"));
    americanOption_->setFont(f);
    americanOption_->move(40, 122);
    americanOption_->adjustSize();
    connect(britishOption_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) pendingLanguage_ = QStringLiteral("BRITISH");
    });
    connect(americanOption_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) pendingLanguage_ = QStringLiteral("AMERICAN");
    });

    // For grown-ups: off, every game draws its words at random as it always did.
    comeBackOption_ = new QCheckBox(QStringLiteral("&Missed words come back"), this);
    comeBackOption_->setObjectName(QStringLiteral("comeBackOption"));
    comeBackOption_->setAccessibleName(QStringLiteral("Missed words come back"));
    comeBackOption_->setFont(f);
    comeBackOption_->move(24, 166);
    comeBackOption_->adjustSize();
    comeBackOption_->setChecked(PracticeSetting::missedWordsComeBack());

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("separator"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: #e0c890;"));
    line->setGeometry(16, 204, width() - 32, 2);

    // Two rows of two: left and right column, 148 x 37 each.
    auto button = [this](const QString& caption, const QString& name, bool right, int top) {
        auto* b = new ImageButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(right ? width() - 24 - 148 : 24, top, 148, 37);
        return b;
    };
    saveButton_ = button(QStringLiteral("Save"), QStringLiteral("saveButton"), false, 226);
    cancelButton_ = button(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), true, 226);
    playersButton_ = button(QStringLiteral("Players…"), QStringLiteral("playersButton"), false, 280);
    progressButton_ = button(QStringLiteral("Progress…"), QStringLiteral("progressButton"), true, 280);
    myWordsButton_ = button(QStringLiteral("My words…"), QStringLiteral("myWordsButton"), false, 334);
    connect(myWordsButton_, &ImageButton::clicked, this, &SettingsDialog::myWordsClick);
    connect(saveButton_, &ImageButton::clicked, this, &SettingsDialog::save);
    connect(cancelButton_, &ImageButton::clicked, this, &QDialog::reject);
    connect(playersButton_, &ImageButton::clicked, this, &SettingsDialog::playersClick);
    connect(progressButton_, &ImageButton::clicked, this, &SettingsDialog::progressClick);

    notSavedNote_ = new QLabel(
        QStringLiteral("Not saved: your choice lasts until Lexikite closes. Save tries again."), this);
    notSavedNote_->setObjectName(QStringLiteral("notSavedNote"));
    notSavedNote_->setWordWrap(true);
    notSavedNote_->setFont(f);
    notSavedNote_->setStyleSheet(QStringLiteral("color: #a02000;"));
    notSavedNote_->setGeometry(24, height() - 6, width() - 48, NoteHeight - 8);
    notSavedNote_->hide();

    // Selecting from here runs the option's handling, so the pending choice starts as the current language.
    const QString language = appState().language;
    if (language == QLatin1String("BRITISH"))
        britishOption_->setChecked(true);
    else if (language == QLatin1String("AMERICAN"))
        americanOption_->setChecked(true);
}

void SettingsDialog::save() {
    // Another copy holding the file or a full disk: the choice still holds until the program ends.
    const bool languageStored = writeSetting(detailsKey(), QStringLiteral("Language"), pendingLanguage_);
    appState().language = pendingLanguage_;
    appState().languageUnsaved = !languageStored;
    const bool practiceStored = PracticeSetting::setMissedWordsComeBack(comeBackOption_->isChecked());
    if (languageStored && practiceStored) {
        accept();
        emit languageSaved();
        return;
    }
    emit languageSaved();
    // The dialog stays open and says so; Save tries again.
    if (notSavedNote_->isHidden()) {
        setFixedSize(width(), height() + NoteHeight);
        notSavedNote_->show();
    }
}

void SettingsDialog::playersClick() {
    if (!GrownUpDialog::ask(this, GrownUpDialog::Reason::GrownUpsWindow)) return;
    const int playing = playerRegistry().currentId();
    PlayersDialog dialog(this);
    dialog.exec();
    // The child playing was removed: the next one starts afresh on the home screen.
    if (playerRegistry().currentId() != playing)
        emit playingChildRemoved();
}

void SettingsDialog::progressClick() {
    if (!GrownUpDialog::ask(this, GrownUpDialog::Reason::GrownUpsWindow)) return;
    ProgressWindow::showModal(this);
}

void SettingsDialog::myWordsClick() {
    // It writes files and records the microphone: a grown-up's window.
    if (!GrownUpDialog::ask(this, GrownUpDialog::Reason::GrownUpsWindow)) return;
    MyWordsDialog dialog(Catalogue::userWordsFolder(), Catalogue::filesFolder(), this);
    dialog.exec();
    emit wordsChanged();
}
