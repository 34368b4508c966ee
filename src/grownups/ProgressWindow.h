// ProgressWindow: for grown-ups: what a player practised, when, and which words they keep missing.
#pragma once

#include <QDialog>

class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class AnswerHistory;

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
    // Asks where, then writes the player's answers as CSV; false when nothing was written.
    bool exportAnswers();
    bool exportAnswersTo(const QString& fileName);

    QChartView* chartView() const { return chart_; }
    QTableWidget* subjectTable() const { return subjects_; }
    QList<QPushButton*> speakButtons() const { return speakButtons_; }
    QStringList missedWords() const { return missedWords_; }

private:
    void showChart();
    void showSubjects();
    void showMissed();

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
};
