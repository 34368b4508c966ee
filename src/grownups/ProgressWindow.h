// ProgressWindow: for grown-ups: what a player practised, when, the words learned, and which they keep missing.
#pragma once

#include <QDialog>

#include "players/AnswerHistory.h"

class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // How far back the chart and the missed words look.
    static constexpr int Days = 14;
    static constexpr int MissedShown = 12;

    ProgressWindow(const QString& databasePath, int player, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Opens the window for the current player, once what was just played is written.
    static void showModal(QWidget* owner);

    void showPlayer(int player);
    // Asks where, then writes the player's answers as CSV, and their words' states in a second file
    // beside it (wordsFileName); false when nothing was written.
    bool exportAnswers();
    bool exportAnswersTo(const QString& fileName);
    static QString wordsFileName(const QString& answersFileName);
    // "<name> answers.csv", without the characters a file dialog reads as more than a name.
    static QString offeredFileName(const QString& playerName);

    QChartView* chartView() const { return chart_; }
    QLabel* totalsLabel() const { return totals_; }
    QTableWidget* subjectTable() const { return subjects_; }
    QList<QPushButton*> speakButtons() const { return speakButtons_; }
    QStringList missedWords() const { return missedWords_; }
    QStringList keepsMissingWords() const { return keepsMissingWords_; }

private:
    void showChart();
    void showSubjects();
    void showMissed();
    void showWords(QGridLayout& grid, const QList<AnswerHistory::Missed>& missed, const QString& emptyText,
                   QStringList& shownWords);

    std::unique_ptr<AnswerHistory> history_;
    int player_ = 0;
    QComboBox* players_ = nullptr;
    QChartView* chart_ = nullptr;
    QLabel* totals_ = nullptr;
    QTableWidget* subjects_ = nullptr;
    QGridLayout* missed_ = nullptr;
    QWidget* missedArea_ = nullptr;
    QList<QPushButton*> speakButtons_;
    QStringList missedWords_;
    QGridLayout* keepsMissing_ = nullptr;
    QWidget* keepsMissingArea_ = nullptr;
    QStringList keepsMissingWords_;
};
