// PictureList: a game's hidden list of picture files.
#include "games/common/PictureList.h"

#include "catalogue/Catalogue.h"

PictureList::PictureList(Lister lister) : lister_(std::move(lister)) {}

void PictureList::point(const QString& folder) {
    folder_ = folder;
    names_ = lister_ ? lister_(folder) : Catalogue::listPictures(folder);
}

QString PictureList::path(int index) const {
    return has(index) ? pathOf(names_.at(index)) : QString();
}

QString PictureList::pathOf(const QString& name) const {
    return folder_ + u'/' + name;
}

QString PictureList::pictureOf(const QString& word) const {
    const QString name = Catalogue::pictureNamingWord(names_, word);
    return name.isEmpty() ? QString() : pathOf(name);
}
