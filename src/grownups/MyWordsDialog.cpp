// MyWordsDialog: the grown-up's own words by subject; removing asks first; a word list imports off the UI thread.
#include "grownups/MyWordsDialog.h"

#include "app/LearnersEnglish.h"
#include "audio/SoundModule.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/UserWords.h"
#include "catalogue/Subjects.h"
#include "grownups/WordEditDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

MyWordsDialog::MyWordsDialog(const QString& root, const QString& pack, QWidget* parent)
    : QDialog(parent), root_(root), pack_(pack) {
    setObjectName(QStringLiteral("MyWordsDialog"));
    setWindowTitle(QStringLiteral("My words"));
    resize(560, 460);
    auto* layout = new QHBoxLayout(this);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("wordTree"));
    tree_->setAccessibleName(QStringLiteral("My words by subject"));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(64, 48));
    layout->addWidget(tree_, 1);
    auto* column = new QVBoxLayout;
    auto addButton = [&](const QString& text, void (MyWordsDialog::*handler)()) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        column->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("&Add…"), &MyWordsDialog::addWord);
    change_ = addButton(QStringLiteral("&Change…"), &MyWordsDialog::changeWord);
    remove_ = addButton(QStringLiteral("&Remove…"), &MyWordsDialog::removeWord);
    play_ = addButton(QStringLiteral("&Play"), &MyWordsDialog::playWord);
    import_ = addButton(QStringLiteral("&Import a list…"), &MyWordsDialog::importList);
    column->addStretch(1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(close);
    layout->addLayout(column);
    connect(tree_, &QTreeWidget::itemActivated, this, &MyWordsDialog::playWord);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] {
        UserWords::Word w;
        const bool any = selected(&w);
        change_->setEnabled(any);
        remove_->setEnabled(any);
        play_->setEnabled(any && !w.soundPath.isEmpty());
    });
    refresh();
}

MyWordsDialog::~MyWordsDialog() {
    stopImport_ = true;
    if (importer_) importer_->wait();
}

void MyWordsDialog::refresh() {
    tree_->clear();
    words_ = UserWords::list(root_);
    QTreeWidgetItem* subjectItem = nullptr;
    for (int i = 0; i < words_.size(); ++i) {
        const UserWords::Word& w = words_.at(i);
        if (!subjectItem || (i > 0 && words_.at(i - 1).subject != w.subject)) {
            subjectItem = new QTreeWidgetItem(tree_, {Subjects::shownName(w.subject, britishEnglish())});
            subjectItem->setExpanded(true);
        }
        const QString shown = w.variant == UserWords::Variant::British    ? w.word + QStringLiteral(" (British)")
                              : w.variant == UserWords::Variant::American ? w.word + QStringLiteral(" (American)")
                                                                          : w.word;
        auto* item = new QTreeWidgetItem(subjectItem, {shown});
        item->setIcon(0, QIcon(PictureLoader::shared().pixmap(w.picturePath, QSize(64, 48), devicePixelRatioF())));
        item->setData(0, Qt::UserRole, i);
    }
    if (tree_->topLevelItemCount() == 0)
        new QTreeWidgetItem(tree_, {QStringLiteral("No words of your own yet: Add one, or import a list.")});
    change_->setEnabled(false);
    remove_->setEnabled(false);
    play_->setEnabled(false);
}

bool MyWordsDialog::selected(UserWords::Word* word) const {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !item->data(0, Qt::UserRole).isValid()) return false;
    *word = words_.value(item->data(0, Qt::UserRole).toInt());
    return true;
}

void MyWordsDialog::addWord() {
    WordEditDialog dialog(root_, nullptr, this);
    if (dialog.exec() == QDialog::Accepted) refresh();
}

void MyWordsDialog::changeWord() {
    UserWords::Word w;
    if (!selected(&w)) return;
    WordEditDialog dialog(root_, &w, this);
    if (dialog.exec() == QDialog::Accepted) refresh();
}

void MyWordsDialog::removeWord() {
    UserWords::Word w;
    if (!selected(&w)) return;
    const auto answer = QMessageBox::question(this, QStringLiteral("Remove a word"),
                                              QStringLiteral("Remove \"%1\" from %2? Its picture and sound go with it.")
                                                  .arg(w.word, w.subject),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    QString why;
    if (!UserWords::remove(w, &why)) QMessageBox::warning(this, QStringLiteral("Remove a word"), why);
    refresh();
}

void MyWordsDialog::playWord() {
    UserWords::Word w;
    if (selected(&w) && !w.soundPath.isEmpty()) playSoundFile(w.soundPath);
}

void MyWordsDialog::importList() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import a word list"), QString(),
                                                      QStringLiteral("Word lists (*.csv *.kvtml);;All files (*)"));
    if (path.isEmpty()) return;
    const QStringList folders = QStringList{UserWords::MySubject} + Subjects::all();
    QStringList shown;
    for (const QString& folder : folders)
        shown << Subjects::shownName(folder, britishEnglish());
    bool ok = false;
    const QString subject = QInputDialog::getItem(this, QStringLiteral("Import a word list"),
                                                  QStringLiteral("Put the words in:"), shown, 0, false, &ok);
    if (ok) importFile(path, folders.value(shown.indexOf(subject)));
}

void MyWordsDialog::importFile(const QString& path, const QString& subject) {
    if (importer_) return;
    auto* progress = new QProgressDialog(QStringLiteral("Importing the words…"), QStringLiteral("Stop"), 0, 0, this);
    progress->setObjectName(QStringLiteral("importProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    connect(progress, &QProgressDialog::canceled, this, [this] { stopImport_ = true; });
    import_->setEnabled(false);
    stopImport_ = false;
    ImportOptions options{path, subject, root_, pack_, true};
    auto report = std::make_shared<ImportReport>();
    QPointer<QProgressDialog> bar(progress);
    importer_ = QThread::create([this, options, report, bar] {
        *report = WordImporter::run(options, [this, bar](int done, int total) {
            QMetaObject::invokeMethod(this, [bar, done, total] {
                if (!bar) return;
                bar->setMaximum(total);
                bar->setValue(done);
            }, Qt::QueuedConnection);
            return !stopImport_.load();
        });
    });
    importer_->setParent(this);
    connect(importer_, &QThread::finished, this, [this, report, progress] {
        importer_->deleteLater();
        importer_ = nullptr;
        progress->deleteLater();
        import_->setEnabled(true);
        refresh();
        emit imported(*report);
        auto* box = new QMessageBox(report->error.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                                    QStringLiteral("Import a word list"), report->text().section(u'\n', 0, 2),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("importReport"));
        box->setDetailedText(report->text());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    importer_->start();
}
