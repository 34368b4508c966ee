// MyWordsDialog: for grown-ups: the words they added, by subject; add, change, remove, bring a word list.
#pragma once

#include "catalogue/UserWords.h"
#include "catalogue/WordImporter.h"

#include <QDialog>
#include <atomic>

class QPushButton;
class QTreeWidget;

class MyWordsDialog : public QDialog {
    Q_OBJECT
public:
    // root: the user words folder; pack: the default word pack (for drawings of imported words).
    MyWordsDialog(const QString& root, const QString& pack, QWidget* parent = nullptr);
    ~MyWordsDialog() override;

    QTreeWidget* wordTree() const { return tree_; }

    void addWord();
    void changeWord();
    void removeWord();
    void playWord();
    // Asks for a CSV or KVTML file and the subject, then imports it in the background.
    void importList();
    // Imports in the background with a progress bar; the report is shown when it ends.
    void importFile(const QString& path, const QString& subject);

signals:
    // An import finished (the report is shown too): for tests and for whoever lists the words.
    void imported(const ImportReport& report);

private:
    void refresh();
    bool selected(UserWords::Word* word) const;

    QString root_;
    QString pack_;
    QTreeWidget* tree_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* import_ = nullptr;
    QList<UserWords::Word> words_;
    std::atomic_bool stopImport_{false};
    QThread* importer_ = nullptr;
};
