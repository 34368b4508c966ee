// PictureList: a game's hidden list of picture files.
#include "games/common/PictureList.h"

#include "catalogue/Catalogue.h"

#include <QSet>

PictureList::PictureList(Lister lister) : lister_(std::move(lister)) {}

void PictureList::point(const QString& folder) {
    point(QStringList{folder});
}

void PictureList::point(const QStringList& folders) {
    folder_ = folders.value(0);
    names_.clear();
    folderOf_.clear();
    for (const QString& folder : folders) {
        const QStringList names = lister_ ? lister_(folder) : Catalogue::listPictures(folder);
        if (folder == folder_) {
            names_ = names;
            continue;
        }
        QSet<QString> words;
        for (const QString& name : names) words.insert(Catalogue::wordFromFileName(name).toLower());
        names_.removeIf([&](const QString& name) { return words.contains(Catalogue::wordFromFileName(name).toLower()); });
        for (const QString& name : names) {
            names_.append(name);
            folderOf_.insert(name, folder);
        }
    }
}

QString PictureList::path(int index) const {
    return has(index) ? pathOf(names_.at(index)) : QString();
}

QString PictureList::pathOf(const QString& name) const {
    return folderOf_.value(name, folder_) + u'/' + name;
}

QString PictureList::pictureOf(const QString& word) const {
    const QString name = Catalogue::pictureNamingWord(names_, word);
    return name.isEmpty() ? QString() : pathOf(name);
}
