// ProgressWindow: minutes per day as bars, subjects with best scores, missed words to hear again, CSV.
#include "grownups/ProgressWindow.h"

#include "app/AppState.h"
#include "app/LearnersEnglish.h"
#include "app/SettingsStore.h"
#include "audio/SoundModule.h"
#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/Subjects.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"
#include "players/SubjectProgress.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <algorithm>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int MissedPicture = 72;
constexpr int Columns = 6;

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    return label;
}

// The picture file of a word in a subject: the one whose name gives the word, in the learner's English.
QString pictureOfWord(const QString& subject, const QString& word) {
    QStringList folders = Catalogue::subjectFolders(subject);
    std::reverse(folders.begin(), folders.end()); // the grown-up's own picture first
    QString any;
    for (const QString& path : folders) {
        const QDir folder(path);
        for (const QString& name : folder.entryList({QStringLiteral("*.edi")}, QDir::Files, QDir::Name)) {
            if (Catalogue::wordFromFileName(name) != word) continue;
            if (Catalogue::matchesLanguage(name)) return folder.filePath(name);
            if (any.isEmpty()) any = folder.filePath(name);
        }
    }
    return any;
}
} // namespace

ProgressWindow::ProgressWindow(const QString& databasePath, int player, QWidget* parent)
    : QDialog(parent), history_(std::make_unique<AnswerHistory>(databasePath)) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("Progress"));
    resize(940, 860);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(heading(QStringLiteral("Progress of"), this));
    players_ = new QComboBox(this);
    players_->setObjectName(QStringLiteral("progressPlayer"));
    for (const Player& p : playerRegistry().players())
        players_->addItem(p.name, p.id);
    top->addWidget(players_);
    top->addStretch(1);
    totals_ = new QLabel(this);
    top->addWidget(totals_);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("minutesChart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(260);
    middle->addWidget(chart_, 5);
    auto* subjectColumn = new QVBoxLayout;
    subjectColumn->addWidget(heading(QStringLiteral("Subjects played"), this));
    subjects_ = new QTableWidget(0, 6, this);
    subjects_->setObjectName(QStringLiteral("subjectTable"));
    subjects_->setHorizontalHeaderLabels({QStringLiteral("Subject"), QStringLiteral("Best score"),
                                          QStringLiteral("Answers"), QStringLiteral("Learned"),
                                          QStringLiteral("Met"), QStringLiteral("Words")});
    subjects_->verticalHeader()->hide();
    subjects_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    subjects_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    subjects_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    subjects_->setSelectionMode(QAbstractItemView::NoSelection);
    subjectColumn->addWidget(subjects_);
    middle->addLayout(subjectColumn, 4);
    layout->addLayout(middle, 3);

    layout->addWidget(heading(QStringLiteral("Words missed most in the last %1 days").arg(Days), this));
    missedArea_ = new QWidget(this);
    missed_ = new QGridLayout(missedArea_);
    missed_->setContentsMargins(0, 0, 0, 0);
    missed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(missedArea_, 2);

    layout->addWidget(heading(QStringLiteral("Keeps missing (3 or more of the last 5 answers wrong)"), this));
    keepsMissingArea_ = new QWidget(this);
    keepsMissing_ = new QGridLayout(keepsMissingArea_);
    keepsMissing_->setContentsMargins(0, 0, 0, 0);
    keepsMissing_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(keepsMissingArea_, 2);

    auto* bottom = new QHBoxLayout;
    auto* note = new QLabel(QStringLiteral("Minutes are counted from one answer to the next; pauses over %1 "
                                           "minutes are left out.")
                                .arg(AnswerHistory::PauseMs / 60000),
                            this);
    note->setStyleSheet(QStringLiteral("color: #666;"));
    bottom->addWidget(note, 1);
    auto* exportButton = new QPushButton(QStringLiteral("&Export…"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, [this] { exportAnswers(); });
    bottom->addWidget(exportButton);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    const int index = players_->findData(player);
    players_->setCurrentIndex(qMax(0, index));
    connect(players_, &QComboBox::currentIndexChanged, this,
            [this](int i) { showPlayer(players_->itemData(i).toInt()); });
    showPlayer(players_->currentData().isValid() ? players_->currentData().toInt() : player);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::showModal(QWidget* owner) {
    AnswerLog* log = answerLog();
    const QString path = log ? log->databasePath() : AnswerLog::defaultPath();
    // What was played a moment ago belongs in the figures; the writer needs a few milliseconds.
    if (log) log->waitUntilWritten(1000);
    ProgressWindow window(path, playerRegistry().currentId(), owner);
    window.exec();
}

void ProgressWindow::showPlayer(int player) {
    player_ = player;
    showChart();
    showSubjects();
    showMissed();
}

void ProgressWindow::showChart() {
    const QList<AnswerHistory::Day> days = history_->minutesPerDay(player_, QDate::currentDate(), Days);
    auto* set = new QBarSet(QStringLiteral("Minutes played"));
    set->setColor(QColor(255, 140, 66));
    QStringList labels;
    double most = 0;
    double total = 0;
    for (const AnswerHistory::Day& day : days) {
        const double minutes = qRound(day.minutes * 10) / 10.0;
        *set << minutes;
        most = qMax(most, minutes);
        total += minutes;
        // Fourteen narrow bars: the day of the month under each, the months in the axis title.
        labels << QString::number(day.date.day());
    }
    auto* series = new QBarSeries;
    series->append(set);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("Minutes played per day"));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    if (!days.isEmpty())
        x->setTitleText(QLocale().toString(days.first().date, QStringLiteral("d MMMM")) + QStringLiteral(" – ") +
                        QLocale().toString(days.last().date, QStringLiteral("d MMMM")));
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    // Whole minutes on the ticks, whatever the longest day.
    const double step = most <= 10 ? 2 : most <= 50 ? 5 : 10 * std::ceil(most / 100);
    y->setRange(0, qMax(10.0, std::ceil(most / step) * step));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
    const int minutes = qRound(total);
    totals_->setText((minutes == 1 ? QStringLiteral("%1 minute in the last %2 days")
                                   : QStringLiteral("%1 minutes in the last %2 days"))
                         .arg(minutes)
                         .arg(Days));
}

void ProgressWindow::showSubjects() {
    const QList<AnswerHistory::Subject> played = history_->subjects(player_);
    subjects_->setRowCount(int(played.size()));
    const QString key = PlayerRegistry::scoresKey(player_);
    for (int row = 0; row < played.size(); ++row) {
        const AnswerHistory::Subject& s = played.at(row);
        const QString best = readSetting(key, QStringLiteral("SCORE-HIGH - ") + s.subject, QStringLiteral("0"));
        subjects_->setItem(row, 0, new QTableWidgetItem(Subjects::shownName(s.subject, britishEnglish())));
        auto* bestItem = new QTableWidgetItem(best);
        bestItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        subjects_->setItem(row, 1, bestItem);
        const SubjectProgress progress =
            SubjectProgress::of(*history_, player_, s.subject, appState().language);
        const int counts[] = {s.answers, progress.learned, progress.met, progress.words};
        for (int column = 2; column < 6; ++column) {
            auto* item = new QTableWidgetItem(QString::number(counts[column - 2]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            subjects_->setItem(row, column, item);
        }
    }
}

void ProgressWindow::showMissed() {
    speakButtons_.clear();
    missedWords_.clear();
    keepsMissingWords_.clear();
    const qint64 since = QDate::currentDate().addDays(1 - Days).startOfDay().toMSecsSinceEpoch();
    showWords(*missed_, history_->missedWords(player_, since, MissedShown),
              QStringLiteral("No words missed in these days."), missedWords_);
    showWords(*keepsMissing_, history_->keepsMissing(player_, MissedShown),
              QStringLiteral("No word keeps being missed."), keepsMissingWords_);
}

void ProgressWindow::showWords(QGridLayout& grid, const QList<AnswerHistory::Missed>& missed,
                               const QString& emptyText, QStringList& shownWords) {
    QWidget* area = grid.parentWidget();
    while (QLayoutItem* item = grid.takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int row = 0; row < grid.rowCount(); ++row)
        grid.setRowStretch(row, 0);
    if (missed.isEmpty()) {
        grid.addWidget(new QLabel(emptyText, area), 0, 0);
        return;
    }
    QStringList paths;
    for (const AnswerHistory::Missed& m : missed)
        paths << pictureOfWord(m.subject, m.word);
    QStringList found = paths;
    found.removeAll(QString());
    const QList<QImage> decoded = PictureLoader::shared().images(found, QSize(MissedPicture, MissedPicture));
    QList<QImage> pictures;
    for (const QString& p : paths)
        pictures << (p.isEmpty() ? QImage() : decoded.value(found.indexOf(p)));
    for (int i = 0; i < missed.size(); ++i) {
        const AnswerHistory::Missed& m = missed.at(i);
        auto* cell = new QWidget(area);
        // A cell keeps its own size: the picture over its word, the button as wide as the picture's column.
        cell->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(2, 2, 2, 2);
        column->setSpacing(2);
        auto* picture = new QLabel(cell);
        picture->setFixedSize(MissedPicture, MissedPicture);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(QPixmap::fromImage(pictures.value(i)));
        column->addWidget(picture, 0, Qt::AlignHCenter);
        auto* word = new QLabel(QStringLiteral("%1 (%2×)").arg(m.word).arg(m.misses), cell);
        word->setAlignment(Qt::AlignCenter);
        word->setToolTip(Subjects::shownName(m.subject, britishEnglish()));
        column->addWidget(word);
        auto* speak = new QPushButton(QStringLiteral("Say it"), cell);
        speak->setAccessibleName(QStringLiteral("Say %1").arg(m.word));
        speak->setAutoDefault(false);
        const QString sound = Catalogue::wordSoundPath(m.subject, m.word);
        connect(speak, &QPushButton::clicked, this, [sound] { playSoundFile(sound); });
        column->addWidget(speak);
        grid.addWidget(cell, i / Columns, i % Columns);
        speakButtons_ << speak;
        shownWords << m.word;
    }
    // The room left over goes to an empty column and row after the cells, not between them.
    grid.setColumnStretch(Columns, 1);
    grid.setRowStretch(int(missed.size() + Columns - 1) / Columns, 1);
}

bool ProgressWindow::exportAnswers() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Export answers"),
                                                    QDir(folder).filePath(offeredFileName(players_->currentText())),
                                                    QStringLiteral("CSV files (*.csv)"));
    if (fileName.isEmpty()) return false;
    if (!fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) fileName += QStringLiteral(".csv");
    if (exportAnswersTo(fileName)) return true;
    QMessageBox::warning(this, QStringLiteral("Export answers"),
                         QStringLiteral("The answers could not be written to %1.").arg(fileName));
    return false;
}

QString ProgressWindow::offeredFileName(const QString& playerName) {
    // The dialog reads quotes as a list of files and * ? [ as a filter; slashes and control characters
    // would name another folder or no file at all.
    static const QString special = QStringLiteral("\"/\\*?[]<>|:~");
    QString name = playerName;
    for (QChar& c : name)
        if (special.contains(c) || c.category() == QChar::Other_Control) c = u'-';
    name = name.trimmed();
    while (name.startsWith(u'.')) name.remove(0, 1);
    return (name.isEmpty() ? QString() : name + u' ') + QStringLiteral("answers.csv");
}

bool ProgressWindow::exportAnswersTo(const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!history_->exportCsv(player_, file)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    // The words' states beside the answers: "Ann answers.csv" and "Ann answers words.csv".
    QSaveFile words(wordsFileName(fileName));
    if (!words.open(QIODevice::WriteOnly)) return false;
    if (!history_->exportWordsCsv(player_, words)) {
        words.cancelWriting();
        return false;
    }
    return words.commit();
}

QString ProgressWindow::wordsFileName(const QString& answersFileName) {
    QString base = answersFileName;
    if (base.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) base.chop(4);
    return base + QStringLiteral(" words.csv");
}
