// mdb_IDX: the program's frame window: the child area, the toolbar strip and the score labels.
#pragma once

#include <QMainWindow>
#include <QPointer>

class ClickLabel;
class QLabel;
class QProgressBar;
class uctl_BAR;

class mdb_IDX : public QMainWindow {
    Q_OBJECT
public:
    // Client size in pixels at 96 dpi: 15360 twips wide, the strip plus 8505 twips high.
    static constexpr int ClientWidth = 1024;
    static constexpr int StripHeight = 56;
    static constexpr int ChildAreaHeight = 567;
    static constexpr int ClientHeight = ChildAreaHeight + StripHeight;

    explicit mdb_IDX(QWidget* parent = nullptr);
    ~mdb_IDX() override;

    // The load steps: silent update check, placement, title, local version file, size, the home screen,
    // shown.
    void Load();

    // Re-opens the remembered game for a subject, or the game menu (called by the menu's activation).
    void SectionClick(const QString& name);
    // Reads the stored language again, then TitleUpdate.
    void TitleSet();
    void TitleUpdate();
    // Write-only remembered game number; every caller writes 0.
    void setValueString(qint32 gameNumber) { gameNumber_ = gameNumber; }
    qint32 GameNumber() const { return gameNumber_; }

    // The home screen hides both score labels; hovering and the game menu show them.
    void setScoreLabelsVisible(bool visible);

    QWidget* childArea() const { return childArea_; }
    QLabel* scoreLabel() const;
    QLabel* highScoreLabel() const;

    // The toolbar's actions, also reached from tests.
    void HomeClick();
    void MenuClick();
    void SettingsClick();
    void AboutClick();
    void SocialClick();
    void UpdateClick();
    // The player on the strip: "Who is playing?", then the home screen for the one picked.
    void whoIsPlayingClick();
    // Starts afresh on the home screen for the player just made current.
    void startForCurrentPlayer();
    ClickLabel* playerPicture() const { return playerPicture_; }
    ClickLabel* playerName() const { return playerName_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStrip();
    void refreshScoreLabels();
    void refreshPlayer();
    void DisableMaxButton();
    void Unload();

    QWidget* childArea_ = nullptr;
    QWidget* picSECTIONS = nullptr;
    QWidget* pfrbar = nullptr;
    uctl_BAR* btnHOME = nullptr;
    uctl_BAR* btnMENU = nullptr;
    uctl_BAR* btnSETTINGS = nullptr;
    uctl_BAR* btnABOUT = nullptr;
    uctl_BAR* btnFACEBOOK = nullptr;
    ClickLabel* lblUPDATE = nullptr;
    QLabel* lablSCORE = nullptr;
    ClickLabel* lablSCOREHIGH = nullptr;
    QProgressBar* prgTEST = nullptr;
    ClickLabel* playerPicture_ = nullptr;
    ClickLabel* playerName_ = nullptr;
    qint32 gameNumber_ = 0;
    bool unloaded_ = false;
};

// The program's main window, or null before it exists and after it is gone.
mdb_IDX* mainWindow();
