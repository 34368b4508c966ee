// PictureFetch: a turn's pictures decoded on the thread pool in card order, each taken when its card shows.
#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>

class PictureFetch {
public:
    // Starts decoding every path to fit box (through the shared picture cache); an empty path gives a null
    // picture. Replaces whatever was being fetched.
    void start(const QStringList& paths, const QSize& box);
    // Picture i, waiting for it when it is not decoded yet. Null for an index out of range.
    QImage take(int index);
    bool ready(int index) const;
    int count() const { return int(results_.size()); }

private:
    QList<QFuture<QImage>> results_;
};
