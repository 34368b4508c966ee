// PictureList: a game's hidden list of picture files: one folder and the names it held when last listed.
#pragma once

#include <functional>
#include <QHash>
#include <QString>
#include <QStringList>

class PictureList {
public:
    using Lister = std::function<QStringList(const QString& folder)>;

    // An empty lister lists the real folder.
    explicit PictureList(Lister lister = {});

    // Points the list at a folder and lists it again.
    void point(const QString& folder);
    // Lists several folders as one: a word in a later folder hides the same word in the earlier ones (the
    // grown-up's own words over the default pack's).
    void point(const QStringList& folders);

    const QString& folder() const { return folder_; }
    const QStringList& names() const { return names_; }
    int count() const { return int(names_.size()); }
    bool has(int index) const { return index >= 0 && index < count(); }
    QString name(int index) const { return has(index) ? names_.at(index) : QString(); }
    // The full path of entry index; empty for an index without an entry.
    QString path(int index) const;
    QString pathOf(const QString& name) const;
    // The path of the word's own picture (see Catalogue::pictureNamingWord); empty when there is none.
    QString pictureOf(const QString& word) const;

private:
    Lister lister_;
    QString folder_;
    QStringList names_;
    QHash<QString, QString> folderOf_; // names listed from another folder than folder_
};
