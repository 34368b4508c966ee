// HomeScreen: the home screen.
#include "shell/HomeScreen.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/ChildFont.h"
#include "app/LeadingInt.h"
#include "app/LearnersEnglish.h"
#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "audio/SoundModule.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/Subjects.h"
#include "controls/ButtonFaces.h"
#include "controls/HotSpot.h"
#include "controls/HoverFrame.h"
#include "controls/KeyMoves.h"
#include "players/SubjectProgress.h"
#include "score/ScoreModel.h"
#include "forms/Forms.h"
#include "shell/ShellFrame.h"
#include "shell/GameMenu.h"
#include "shell/ShellHooks.h"

namespace {

QRect px(const QRect& twips) {
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

QString pointsText(const QString& stored) {
    const qint32 n = leadingInt(stored);
    return QString::number(n) + (n == 1 ? QStringLiteral(" point") : QStringLiteral(" points"));
}

// Room between a caption's backing and its words, in pixels.
constexpr int CaptionPad = 5;

QFont captionFont() {
    QFont f(ChildFont::family());
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

} // namespace

HomeScreen::HomeScreen(QWidget* parent) : ChildForm(QStringLiteral("HomeScreen"), parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Made in reading order, which is then the order Tab takes.
    QList<QRect> places;
    for (int i = 0; i < HomeSpotCount; ++i) places << px(homeSpot(i).spot);
    for (const int i : KeyMoves::readingOrder(places)) {
        auto* spot = new HotSpot(i, this);
        spot->setObjectName(QStringLiteral("spot%1").arg(i));
        spot->setGeometry(px(homeSpot(i).spot));
        connect(spot, &HotSpot::hovered, this, &HomeScreen::subjectHovered);
        connect(spot, &HotSpot::clicked, this, &HomeScreen::openSubject);
        connect(spot, &HotSpot::left, this, &HomeScreen::spotLeft);
        spots_[i] = spot;
        readingOrder_ << spot;
    }

    spots_[MyWordsSpot]->hide();
    hoverFrame_ = newHoverFrame(this, QStringLiteral("hoverFrame"));

    for (int i = 0; i < HomeSpotCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("caption%1").arg(i));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setFont(captionFont());
        label->setWordWrap(true);
        // White on a dark backing: readable over the sky, the grass and every picture card.
        label->setStyleSheet(QStringLiteral("color: white; background: rgba(24, 48, 92, 215); border-radius: 8px;"));
        label->setContentsMargins(CaptionPad, 1, CaptionPad, 1);
        label->hide();
        captions_[i] = label;
    }
    nameSubjects();
}

// The names in the learner's English: the captions, the tooltips and what a screen reader says.
void HomeScreen::nameSubjects() {
    const bool british = britishEnglish();
    for (int i = 0; i < HomeSpotCount; ++i) {
        const QString caption = QLatin1String(subjectCaption(homeSpot(i), british));
        spots_[i]->setToolTip(Subjects::shownName(QLatin1String(homeSpot(i).name), british));
        spots_[i]->setAccessibleName(caption);
        QLabel* label = captions_[i];
        if (label->text() == caption) continue;
        label->setText(caption);
        // The caption boxes are tight; widen a box rather than cut a word.
        QRect r = px(homeSpot(i).label);
        const QFontMetrics fm(label->font());
        int widest = 0;
        for (const QString& word : caption.split(QLatin1Char(' ')))
            widest = std::max(widest, fm.horizontalAdvance(word));
        r.setWidth(r.width() + 2 * CaptionPad);
        if (r.width() < widest + 2 + 2 * CaptionPad) r.setWidth(widest + 2 + 2 * CaptionPad);
        // One line where the hot spot has room for it, moved left within the spot if need be: "phonics a to z"
        // is one name, not "phonics a to" over "z".
        const QRect spotRect = px(homeSpot(i).spot);
        const int oneLine = fm.horizontalAdvance(caption) + 4 + 2 * CaptionPad;
        if (r.width() < oneLine && oneLine <= spotRect.width()) {
            r.setWidth(oneLine);
            if (r.right() > spotRect.right()) r.moveRight(spotRect.right());
        }
        if (r.height() < label->heightForWidth(r.width())) r.setHeight(label->heightForWidth(r.width()));
        label->setGeometry(r);
    }
}

void HomeScreen::activate() {
    // The screen holds the focus, so the first Tab goes to the first subject.
    setFocus(Qt::OtherFocusReason);
    scoreModel().resetRunningScore();
    nameSubjects();
    showMyWords();
    if (ShellFrame* frame = shellFrame()) frame->setScoreLabelsVisible(false);
    for (int i = 0; i < HomeSpotCount; ++i) {
        scoreCaption_[i] = readSetting(scoreModel().highScoresKey(),
                                         QStringLiteral("SCORE-HIGH - ") + QLatin1String(homeSpot(i).name),
                                         QString());
        scorePoints_[i] = pointsText(scoreCaption_[i]);
    }
}

void HomeScreen::showMyWords() {
    // "my words" is there once the grown-up has added a word to it.
    myWordsPictures_.clear();
    for (const QString& folder : Catalogue::subjectFolders(QLatin1String(MyWordsHomeSubject.name)))
        for (const QString& name : Catalogue::listPictures(folder))
            if (myWordsPictures_.size() < 4) myWordsPictures_ << folder + u'/' + name;
    spots_[MyWordsSpot]->setVisible(!myWordsPictures_.isEmpty());
    update();
}

void HomeScreen::subjectHovered(int i) {
    if (i < 0 || i >= HomeSpotCount) return;
    QLabel* text = captions_[i];
    text->show();
    text->raise();
    setFrameForFocus(hoverFrame_, spots_[i]->hasFocus());
    if (namedSubject_ != i) nameSubject(i);
    if (i == hoverIndex_) return;

    hoverIndex_ = i;
    for (int j = 0; j < HomeSpotCount; ++j)
        if (j != i) captions_[j]->hide();
    hoveredTitle_ = QLatin1String(homeSpot(i).name);
    hoverFrame_->setGeometry(spots_[i]->geometry());
    hoverFrame_->show();
    hoverFrame_->raise();
    text->raise();
    if (ShellFrame* frame = shellFrame()) frame->setScoreLabelsVisible(true);
    scoreModel().setScoreCaption(Subjects::shownName(hoveredTitle_, britishEnglish()));
    // What the child playing has learned of the subject, read once per subject pointed at.
    const QString learned = SubjectProgress::current(hoveredTitle_).learnedCaption();
    scoreModel().setHighScoreCaption(learned.isEmpty() ? scorePoints_[i]
                                                       : scorePoints_[i] + QStringLiteral(", ") + learned);
}

void HomeScreen::nameSubject(int i) {
    namedSubject_ = i;
    const QString sound = Catalogue::instructionSoundPath(
        GameInstructions::subjectNameFile(homeSpot(i), britishEnglish()));
    if (QFileInfo(sound).isFile()) playSoundFile(sound);
}

// The keyboard moved on (not to another subject, which takes the marks over): the marks go as they do
// when the pointer leaves, unless the pointer is on the spot.
void HomeScreen::spotLeft(int i) {
    if (i != hoverIndex_ || spots_[i]->underMouse()) return;
    QWidget* next = QApplication::focusWidget();
    if (!readingOrder_.contains(next)) backgroundHovered();
}

void HomeScreen::keyPressEvent(QKeyEvent* event) {
    if (!KeyMoves::moveFocus(readingOrder_, event)) ChildForm::keyPressEvent(event);
}

void HomeScreen::backgroundHovered() {
    // The pointer takes over from the keyboard: no focus is left where the frame no longer is.
    if (readingOrder_.contains(QApplication::focusWidget())) setFocus(Qt::OtherFocusReason);
    namedSubject_ = -1;
    hoverFrame_->hide();
    if (hoverIndex_ >= 0 && hoverIndex_ < HomeSpotCount) captions_[hoverIndex_]->hide();
    if (hoverIndex_ != NoHover) {
        scoreModel().setScoreCaption(QString());
        scoreModel().setHighScoreCaption(QString());
    }
    hoverIndex_ = NoHover;
}

void HomeScreen::hideHoverMarks() {
    namedSubject_ = -1;
    hoverFrame_->hide();
    if (hoverIndex_ >= 0 && hoverIndex_ < HomeSpotCount) captions_[hoverIndex_]->hide();
}

void HomeScreen::openSubject(int i) {
    if (i < 0 || i >= HomeSpotCount) return;
    captions_[i]->hide();
    playClickHome();
    hoverFrame_->hide();
    // The clicked spot is the hovered one; taking its name directly also covers a click with no hover before
    // it.
    hoveredTitle_ = QLatin1String(homeSpot(i).name);
    appState().section = hoveredTitle_;
    scoreModel().setScoreCaption(QString());
    scoreModel().setHighScoreCaption(QString());
    forms().unload(objectName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().show(QStringLiteral("GameMenu"));
    if (auto* menu = forms().find<GameMenu>(QStringLiteral("GameMenu"))) menu->setTitle(appState().section);
}

void HomeScreen::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    backgroundHovered();
}

// Leaving the screen (to the toolbar or out of the window) takes the marks away at once.
void HomeScreen::leaveEvent(QEvent* event) {
    ChildForm::leaveEvent(event);
    hideHoverMarks();
}

void HomeScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap picture = ButtonFaces::cachedArt(Art::Home, devicePixelRatioF());
    if (picture.isNull())
        p.fillRect(rect(), QColor(150, 205, 240));
    else
        p.drawPixmap(rect(), picture);
    if (!spots_[MyWordsSpot]->isVisible()) return;
    // The "my words" card shows the grown-up's own pictures, up to four, side by side.
    const QRectF card = QRectF(px(MyWordsHomeSubject.spot)).adjusted(2, 2, -2, -2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2));
    p.setBrush(QColor(255, 236, 200, 235));
    p.drawRoundedRect(card, 10, 10);
    const int n = int(myWordsPictures_.size());
    const qreal gap = 6, w = (card.width() - gap * (n + 1)) / n;
    for (int i = 0; i < n; ++i) {
        const QRectF box(card.x() + gap + i * (w + gap), card.y() + gap, w, card.height() - 2 * gap);
        const QSize size = box.size().toSize();
        const QPixmap face = PictureLoader::shared().pixmap(myWordsPictures_.at(i), size, devicePixelRatioF());
        if (face.isNull()) continue;
        const QSizeF shown = face.deviceIndependentSize();
        p.drawPixmap(QRectF(box.center() - QPointF(shown.width() / 2, shown.height() / 2), shown), face, face.rect());
    }
}
