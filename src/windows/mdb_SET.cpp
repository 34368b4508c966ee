// mdb_SET: settings dialog; Save stores the language and refreshes the main window, Cancel changes nothing.
#include "windows/mdb_SET.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "controls/uctl_BTN.h"
#include "players/PlayerRegistry.h"
#include "windows/PlayersDialog.h"
#include "windows/ProgressWindow.h"
#include "windows/mdb_IDX.h"

mdb_SET::mdb_SET(QWidget* parent)
    : FramelessDialog(QStringLiteral("mdb_SET"), QStringLiteral("Settings"), QSize(360, 300), parent) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);

    lblLANG = new QLabel(QStringLiteral("Choose Your Language"), this);
    lblLANG->setObjectName(QStringLiteral("lblLANG"));
    QFont bold = f;
    bold.setBold(true);
    lblLANG->setFont(bold);
    lblLANG->setGeometry(24, 54, width() - 48, 28);

    optENGTYPEUK = new QRadioButton(QStringLiteral("&British English"), this);
    optENGTYPEUK->setObjectName(QStringLiteral("optENGTYPEUK"));
    optENGTYPEUK->setFont(f);
    optENGTYPEUK->move(40, 90);
    optENGTYPEUK->adjustSize();
    optENGTYPEUS = new QRadioButton(QStringLiteral("&American English"), this);
    optENGTYPEUS->setObjectName(QStringLiteral("optENGTYPEUS"));
    optENGTYPEUS->setFont(f);
    optENGTYPEUS->move(40, 122);
    optENGTYPEUS->adjustSize();
    connect(optENGTYPEUK, &QRadioButton::toggled, this, [this](bool on) {
        if (on) pendingLanguage_ = QStringLiteral("BRITISH");
    });
    connect(optENGTYPEUS, &QRadioButton::toggled, this, [this](bool on) {
        if (on) pendingLanguage_ = QStringLiteral("AMERICAN");
    });

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("lneSEP"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: #e0c890;"));
    line->setGeometry(16, 164, width() - 32, 2);

    btnSAVE = new uctl_BTN(QStringLiteral("Save"), this);
    btnSAVE->setObjectName(QStringLiteral("btnSAVE"));
    btnSAVE->setGeometry(24, 186, 148, 37);
    btnCANCEL = new uctl_BTN(QStringLiteral("Cancel"), this);
    btnCANCEL->setObjectName(QStringLiteral("btnCANCEL"));
    btnCANCEL->setGeometry(width() - 24 - 148, 186, 148, 37);
    connect(btnSAVE, &uctl_BTN::Click, this, &mdb_SET::Save);
    connect(btnCANCEL, &uctl_BTN::Click, this, &QDialog::reject);

    playersButton_ = new uctl_BTN(QStringLiteral("Players…"), this);
    playersButton_->setObjectName(QStringLiteral("playersButton"));
    playersButton_->setGeometry(24, 240, 148, 37);
    progressButton_ = new uctl_BTN(QStringLiteral("Progress…"), this);
    progressButton_->setObjectName(QStringLiteral("progressButton"));
    progressButton_->setGeometry(width() - 24 - 148, 240, 148, 37);
    connect(playersButton_, &uctl_BTN::Click, this, &mdb_SET::playersClick);
    connect(progressButton_, &uctl_BTN::Click, this, &mdb_SET::progressClick);

    // Selecting from here runs the option's handling, so the pending choice starts as the current language.
    const QString language = appState().Language;
    if (language == QLatin1String("BRITISH"))
        optENGTYPEUK->setChecked(true);
    else if (language == QLatin1String("AMERICAN"))
        optENGTYPEUS->setChecked(true);
}

void mdb_SET::Save() {
    RegWriteString(detailsKey(), QStringLiteral("Language"), pendingLanguage_);
    appState().Language = pendingLanguage_;
    accept();
    if (mdb_IDX* main = mainWindow()) main->TitleUpdate();
}

void mdb_SET::playersClick() {
    const int playing = playerRegistry().currentId();
    PlayersDialog dialog(this);
    dialog.exec();
    // The child playing was removed: the next one starts afresh on the home screen.
    if (playerRegistry().currentId() != playing)
        if (mdb_IDX* main = mainWindow()) main->startForCurrentPlayer();
}

void mdb_SET::progressClick() {
    ProgressWindow::showModal(this);
}
