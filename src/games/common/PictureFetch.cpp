// PictureFetch: decoding ahead of the reveal, so a deal does not wait for pictures shown later.
#include "games/common/PictureFetch.h"

#include <memory>
#include <QPromise>
#include <QThreadPool>

#include "catalogue/PictureLoader.h"

namespace {
// A pool of its own: the raster painter hands parts of big fills to the global pool and waits for them, so
// decodes queued there would hold up every repaint until they were done.
QThreadPool& decodePool() {
    static QThreadPool pool;
    return pool;
}
} // namespace

void PictureFetch::start(const QStringList& paths, const QSize& box) {
    results_.clear();
    for (const QString& path : paths) {
        auto promise = std::make_shared<QPromise<QImage>>();
        results_.append(promise->future());
        promise->start();
        if (path.isEmpty()) {
            promise->addResult(QImage());
            promise->finish();
            continue;
        }
        // The pool runs tasks in the order given, so the first card's picture comes first.
        decodePool().start([promise, path, box] {
            promise->addResult(PictureLoader::shared().image(path, box));
            promise->finish();
        });
    }
}

QImage PictureFetch::take(int index) {
    if (index < 0 || index >= results_.size()) return {};
    return results_[index].result();
}

bool PictureFetch::ready(int index) const {
    return index >= 0 && index < results_.size() && results_[index].isFinished();
}
