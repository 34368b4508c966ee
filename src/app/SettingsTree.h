// SettingsTree: the store's key paths and named text values in memory, and their text form on disk.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Key paths ("A\B\C") and value names are matched without regard to case and keep the case they were
// first written with. The text form is a small INI-like format of our own:
//   [key path]
//   value name=value text
// Bytes that would break a line's meaning ('%', control characters, '=' '[' ']' '#' ';' in names,
// spaces at either end) are written as %XX of their UTF-8 bytes, so every text round-trips.
class SettingsTree {
public:
    // The stored text, or nullptr when the key or the value does not exist.
    const QString* find(const QString& keyPath, const QString& valueName) const;
    // Sets the value, creating the key when missing.
    void set(const QString& keyPath, const QString& valueName, const QString& text);
    // Removes the key and every key below it.
    void removeKey(const QString& keyPath);
    // A key exists when it, or a key below it, has been created.
    bool hasKey(const QString& keyPath) const;
    bool isEmpty() const { return keys_.isEmpty(); }
    // Removes every value whose text is longer than `length` characters; returns how many went.
    qsizetype dropValuesLongerThan(qsizetype length);

    QByteArray toText() const;
    // Everything readable in the bytes. A damaged line is left out alone, a damaged key path with the
    // lines under it; `dropped` gets one "line N: why" for each line left out.
    static SettingsTree fromText(const QByteArray& bytes, QStringList* dropped = nullptr);

    // "\A\\B\" and "A\B" name the same key: empty segments are dropped.
    static QString normalizedPath(const QString& keyPath);

private:
    struct Value {
        QString name;
        QString text;
    };
    // Names are looked up through their case-folded form, so loading stays linear in the file's size.
    struct Key {
        QString path;
        QList<Value> values;
        QHash<QString, qsizetype> index;
    };
    Key* findKey(const QString& normalizedPath);
    const Key* findKey(const QString& normalizedPath) const;
    Key& keyFor(const QString& normalizedPath);
    static void setIn(Key& key, const QString& valueName, const QString& text);

    // In the order first written, which is the order on disk.
    QList<Key> keys_;
    QHash<QString, qsizetype> keyIndex_;
};
