// Manifest: which generated file was made from which inputs, so an unchanged file is not made again.
#pragma once

#include <QHash>
#include <QString>

class Manifest {
public:
    static constexpr const char* kFileName = ".wordpack-manifest";

    // A missing or unreadable manifest is an empty one: everything is made afresh.
    static Manifest load(const QString& folder);
    bool save(const QString& folder) const;

    QString key(const QString& relativePath) const { return keys_.value(relativePath); }
    void set(const QString& relativePath, const QString& key) { keys_.insert(relativePath, key); }
    const QHash<QString, QString>& entries() const { return keys_; }

private:
    QHash<QString, QString> keys_;
};
