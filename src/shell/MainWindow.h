// MainWindow: the program's frame window: the child area, the toolbar strip and the score labels.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "shell/ShellFrame.h"

class ClickLabel;
class QLabel;
class QProgressBar;
class SettingsDialog;
class ToolbarButton;

class MainWindow : public QMainWindow, public ShellFrame {
    Q_OBJECT
public:
    // Client size in pixels at 96 dpi: 15360 twips wide, the strip plus 8505 twips high.
    static constexpr int ClientWidth = 1024;
    static constexpr int StripHeight = 56;
    static constexpr int ChildAreaHeight = 567;
    static constexpr int ClientHeight = ChildAreaHeight + StripHeight;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load steps: silent update check, placement, title, local version file, size, the home screen,
    // shown.
    void load();

    // Re-opens the remembered game for a subject, or the game menu (called by the menu's activation).
    void chooseSubject(const QString& name) override;
    // Reads the stored language again, then updateTitles.
    void setTitles();
    void updateTitles();
    // Write-only remembered game number; every caller writes 0.
    void setValueString(qint32 gameNumber) { gameNumber_ = gameNumber; }
    qint32 gameNumber() const { return gameNumber_; }

    // The home screen hides both score labels; hovering and the game menu show them.
    void setScoreLabelsVisible(bool visible) override;

    QWidget* childArea() const { return childArea_; }
    QLabel* scoreLabel() const;
    QLabel* highScoreLabel() const;

    // The toolbar's actions, also reached from tests.
    void goHome();
    void goToMenu();
    // Escape: one step back towards home.
    void goBack();
    void openSettings();
    // The settings dialog, told to report a saved language and a removed player back here.
    SettingsDialog* newSettingsDialog();
    void openAbout();
    void openSocialPage();
    void askForUpdateCheck();
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
    void disableMaximizeButton();
    void unload();

    QWidget* childArea_ = nullptr;
    QWidget* strip_ = nullptr;
    QWidget* toolbar_ = nullptr;
    ToolbarButton* homeButton_ = nullptr;
    ToolbarButton* menuButton_ = nullptr;
    ToolbarButton* settingsButton_ = nullptr;
    ToolbarButton* aboutButton_ = nullptr;
    ToolbarButton* socialButton_ = nullptr;
    ClickLabel* updateLink_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    ClickLabel* highScoreLabel_ = nullptr;
    QProgressBar* downloadProgress_ = nullptr;
    ClickLabel* playerPicture_ = nullptr;
    ClickLabel* playerName_ = nullptr;
    qint32 gameNumber_ = 0;
    bool unloaded_ = false;
};

// The program's main window, or null before it exists and after it is gone.
MainWindow* mainWindow();
