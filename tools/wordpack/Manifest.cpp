// Manifest: which generated file was made from which inputs, so an unchanged file is not made again.
#include "Manifest.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

Manifest Manifest::load(const QString& folder) {
    Manifest manifest;
    QFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    if (!file.open(QIODevice::ReadOnly)) return manifest;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(u'\t');
        if (line.startsWith(u'#') || tab <= 0) continue;
        manifest.keys_.insert(line.mid(tab + 1), line.left(tab));
    }
    return manifest;
}

bool Manifest::save(const QString& folder) const {
    QSaveFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QStringList paths = keys_.keys();
    std::sort(paths.begin(), paths.end());
    QByteArray text = "# made by lexikite-wordpack: input key, file\n";
    for (const QString& path : paths) text += (keys_.value(path) + u'\t' + path + u'\n').toUtf8();
    file.write(text);
    return file.commit();
}
