// KeyMoves: reading order and arrow steps over sibling controls.
#include "controls/KeyMoves.h"

#include <algorithm>
#include <cstdlib>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

bool keyPressedLast = false;

class InputWatcher final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            keyPressedLast = true;
        else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            keyPressedLast = false;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

namespace KeyMoves {

QList<int> readingOrder(const QList<QRect>& places) {
    QList<int> byTop;
    for (int i = 0; i < places.size(); ++i) byTop << i;
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) { return places[a].top() < places[b].top(); });
    // A row is every place whose middle lies level with the row's first one.
    QList<int> ordered;
    for (qsizetype start = 0; start < byTop.size();) {
        const QRect first = places[byTop[start]];
        qsizetype end = start + 1;
        while (end < byTop.size() && places[byTop[end]].center().y() <= first.bottom()) ++end;
        QList<int> row = byTop.mid(start, end - start);
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return places[a].left() < places[b].left(); });
        ordered += row;
        start = end;
    }
    return ordered;
}

QWidget* arrowTarget(const QList<QWidget*>& ordered, const QWidget* from, int key) {
    QList<QWidget*> open;
    for (QWidget* w : ordered)
        if (w == from || (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))) open << w;
    const qsizetype at = open.indexOf(const_cast<QWidget*>(from));
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || open.isEmpty()) return nullptr;
    if (at < 0) return open.first();
    if (key == Qt::Key_Left) return at > 0 ? open[at - 1] : nullptr;
    if (key == Qt::Key_Right) return at + 1 < open.size() ? open[at + 1] : nullptr;
    // Up and down: the nearest middle that way, going straight before going aside.
    const QPoint c = from->geometry().center();
    const int reach = from->height() / 4;
    QWidget* best = nullptr;
    int bestCost = 0;
    for (QWidget* w : open) {
        const QPoint d = w->geometry().center() - c;
        const int dy = key == Qt::Key_Down ? d.y() : -d.y();
        if (dy <= reach) continue;
        const int cost = dy + 3 * std::abs(d.x());
        if (!best || cost < bestCost) {
            best = w;
            bestCost = cost;
        }
    }
    return best;
}

bool moveFocus(const QList<QWidget*>& ordered, const QKeyEvent* event) {
    QWidget* focused = QApplication::focusWidget();
    QWidget* to = arrowTarget(ordered, ordered.contains(focused) ? focused : nullptr, event->key());
    if (!to) return false;
    to->setFocus(Qt::TabFocusReason);
    return true;
}

bool isPress(const QKeyEvent* event) {
    const int key = event->key();
    return !event->isAutoRepeat() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

bool byKeyboard(const QFocusEvent* event) {
    // Coming back from a dialog the child answered with a key, the focus shows again where it was.
    const Qt::FocusReason reason = event->reason();
    return keyPressedLast && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ActiveWindowFocusReason);
}

void watchInput() {
    static InputWatcher* watcher = nullptr;
    if (watcher || !qApp) return;
    watcher = new InputWatcher;
    watcher->setParent(qApp);
    qApp->installEventFilter(watcher);
}

} // namespace KeyMoves
