// SettingsTree: case-insensitive lookup and the escaped line format of the settings file.
#include "app/SettingsTree.h"

#include <QStringDecoder>

#include <optional>

namespace {

QString folded(const QString& name) {
    return name.toCaseFolded();
}

bool isNameSpecial(char c) {
    return c == '=' || c == '[' || c == ']' || c == '#' || c == ';';
}

QByteArray escaped(const QString& text, bool isName) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto u = static_cast<unsigned char>(c);
        const bool atEdge = i == 0 || i == utf8.size() - 1;
        if (c == '%' || u < 0x20 || u == 0x7f || (isName && isNameSpecial(c)) || (atEdge && c == ' ')) {
            static const char hex[] = "0123456789ABCDEF";
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<QString> unescaped(QByteArrayView raw) {
    QByteArray bytes;
    bytes.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt; // raw control byte: not ours
        if (c != '%') {
            bytes += c;
            continue;
        }
        if (i + 2 >= raw.size()) return std::nullopt;
        const int hi = hexDigit(raw[i + 1]);
        const int lo = hexDigit(raw[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

} // namespace

QString SettingsTree::normalizedPath(const QString& keyPath) {
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

SettingsTree::Key* SettingsTree::findKey(const QString& path) {
    const auto it = keyIndex_.constFind(folded(path));
    return it == keyIndex_.cend() ? nullptr : &keys_[*it];
}

const SettingsTree::Key* SettingsTree::findKey(const QString& path) const {
    return const_cast<SettingsTree*>(this)->findKey(path);
}

const QString* SettingsTree::find(const QString& keyPath, const QString& valueName) const {
    const Key* key = findKey(normalizedPath(keyPath));
    if (!key) return nullptr;
    const auto it = key->index.constFind(folded(valueName));
    return it == key->index.cend() ? nullptr : &key->values[*it].text;
}

SettingsTree::Key& SettingsTree::keyFor(const QString& path) {
    if (Key* key = findKey(path)) return *key;
    keyIndex_.insert(folded(path), keys_.size());
    keys_.append(Key{path, {}, {}});
    return keys_.last();
}

void SettingsTree::set(const QString& keyPath, const QString& valueName, const QString& text) {
    setIn(keyFor(normalizedPath(keyPath)), valueName, text);
}

void SettingsTree::setIn(Key& key, const QString& valueName, const QString& text) {
    const QString name = folded(valueName);
    if (const auto it = key.index.constFind(name); it != key.index.cend()) {
        key.values[*it].text = text;
        return;
    }
    key.index.insert(name, key.values.size());
    key.values.append(Value{valueName, text});
}

qsizetype SettingsTree::dropValuesLongerThan(qsizetype length) {
    qsizetype dropped = 0;
    for (Key& key : keys_) {
        const qsizetype before = key.values.size();
        key.values.removeIf([length](const Value& value) { return value.text.size() > length; });
        if (key.values.size() == before) continue;
        dropped += before - key.values.size();
        key.index.clear();
        for (qsizetype i = 0; i < key.values.size(); ++i)
            key.index.insert(folded(key.values[i].name), i);
    }
    return dropped;
}

void SettingsTree::removeKey(const QString& keyPath) {
    const QString path = normalizedPath(keyPath);
    const QString below = path + QLatin1Char('\\');
    const auto removed = keys_.removeIf([&](const Key& key) {
        return key.path.compare(path, Qt::CaseInsensitive) == 0 || key.path.startsWith(below, Qt::CaseInsensitive);
    });
    if (removed == 0) return;
    keyIndex_.clear();
    for (qsizetype i = 0; i < keys_.size(); ++i)
        keyIndex_.insert(folded(keys_[i].path), i);
}

bool SettingsTree::hasKey(const QString& keyPath) const {
    const QString path = normalizedPath(keyPath);
    const QString below = path + QLatin1Char('\\');
    for (const Key& key : keys_)
        if (key.path.compare(path, Qt::CaseInsensitive) == 0 ||
            key.path.startsWith(below, Qt::CaseInsensitive))
            return true;
    return false;
}

QByteArray SettingsTree::toText() const {
    QByteArray out =
        "# Lexikite settings: [key path], then name=value lines; %XX stands for an escaped byte.\n";
    for (const Key& key : keys_) {
        out += '\n';
        out += '[' + escaped(key.path, true) + "]\n";
        for (const Value& value : key.values)
            out += escaped(value.name, true) + '=' + escaped(value.text, false) + '\n';
    }
    return out;
}

SettingsTree SettingsTree::fromText(const QByteArray& bytes, QStringList* dropped) {
    int lineNumber = 0;
    auto drop = [&](const char* reason) {
        if (dropped) *dropped << QStringLiteral("line %1: %2").arg(lineNumber).arg(QLatin1String(reason));
    };
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);

    SettingsTree tree;
    Key* current = nullptr;
    bool inDamagedKey = false; // its lines must not land in the key before it
    while (!text.isEmpty()) {
        ++lineNumber;
        const qsizetype end = text.indexOf('\n');
        QByteArrayView line = end < 0 ? text : text.first(end);
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
        if (line.endsWith('\r')) line.chop(1); // edited with a Windows editor; a real CR is always escaped
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';')) continue;

        if (line.startsWith('[')) {
            current = nullptr;
            inDamagedKey = true;
            if (!line.endsWith(']') || line.size() < 2) {
                drop("unclosed key path");
                continue;
            }
            const auto path = unescaped(line.sliced(1, line.size() - 2));
            if (!path) {
                drop("bad characters in key path");
                continue;
            }
            current = &tree.keyFor(normalizedPath(*path));
            inDamagedKey = false;
            continue;
        }
        if (inDamagedKey) {
            drop("under a damaged key path");
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            drop("neither a key path nor name=value");
            continue;
        }
        if (!current) {
            drop("value before any key path");
            continue;
        }
        const auto name = unescaped(line.first(eq));
        const auto value = unescaped(line.sliced(eq + 1));
        if (!name || !value) {
            drop("bad characters in a value");
            continue;
        }
        setIn(*current, *name, *value);
    }
    return tree;
}
