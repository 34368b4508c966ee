// mdb_HOM: the home screen.
#include "windows/mdb_HOM.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/LeadingInt.h"
#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "audio/mlib_AUD.h"
#include "controls/ButtonFaces.h"
#include "controls/HotSpot.h"
#include "controls/HoverFrame.h"
#include "score/ScoreModel.h"
#include "windows/Forms.h"
#include "windows/mdb_IDX.h"
#include "windows/mdb_SBJ.h"
#include "windows/ShellHooks.h"

namespace {

QRect px(const QRect& twips) {
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

QString pointsText(const QString& stored) {
    const qint32 n = leadingInt(stored);
    return QString::number(n) + (n == 1 ? QStringLiteral(" point") : QStringLiteral(" points"));
}

QFont captionFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

} // namespace

mdb_HOM::mdb_HOM(QWidget* parent) : ChildForm(QStringLiteral("mdb_HOM"), parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (int i = 0; i < HomeSubjectCount; ++i) {
        auto* spot = new HotSpot(i, this);
        spot->setObjectName(QStringLiteral("imgSUBJECT_%1").arg(i));
        spot->setGeometry(px(HomeSubjects[i].spot));
        spot->setToolTip(QLatin1String(HomeSubjects[i].name));
        connect(spot, &HotSpot::Hover, this, &mdb_HOM::SubjectHover);
        connect(spot, &HotSpot::Click, this, &mdb_HOM::SubjectClick);
        imgSUBJECT[i] = spot;
    }

    shpSEL = NewHoverFrame(this, QStringLiteral("shpSEL"));

    lblBACK = new QLabel(QStringLiteral("back"), this);
    lblBACK->setObjectName(QStringLiteral("lblBACK"));
    lblBACK->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblBACK->setStyleSheet(QStringLiteral("color: #202020;"));
    lblBACK->setWordWrap(true);
    lblBACK->hide();

    for (int i = 0; i < HomeSubjectCount; ++i) {
        auto* label = new QLabel(QLatin1String(HomeSubjects[i].caption), this);
        label->setObjectName(QStringLiteral("lblTEXT_%1").arg(i));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setFont(captionFont());
        label->setWordWrap(true);
        // The caption boxes are tight; widen a box rather than cut a word.
        QRect r = px(HomeSubjects[i].label);
        const QFontMetrics fm(label->font());
        int widest = 0;
        for (const QString& word : label->text().split(QLatin1Char(' ')))
            widest = std::max(widest, fm.horizontalAdvance(word));
        if (r.width() < widest + 2) r.setWidth(widest + 2);
        // One line where the hot spot has room for it.
        const QRect spotRect = px(HomeSubjects[i].spot);
        const int oneLine = fm.horizontalAdvance(label->text()) + 4;
        if (r.width() < oneLine && r.x() + oneLine <= spotRect.right()) r.setWidth(oneLine);
        if (r.height() < label->heightForWidth(r.width())) r.setHeight(label->heightForWidth(r.width()));
        label->setGeometry(r);
        label->hide();
        lblTEXT[i] = label;
    }
}

void mdb_HOM::Activate() {
    scoreModel().ResetRunningScore();
    if (mdb_IDX* main = mainWindow()) main->setScoreLabelsVisible(false);
    for (int i = 0; i < HomeSubjectCount; ++i) {
        scoreCaption_[i] = RegReadString(scoreModel().highScoresKey(),
                                         QStringLiteral("SCORE-HIGH - ") + QLatin1String(HomeSubjects[i].name),
                                         QString());
        scorePoints_[i] = pointsText(scoreCaption_[i]);
    }
}

void mdb_HOM::SubjectHover(int i) {
    if (i < 0 || i >= HomeSubjectCount) return;
    QLabel* text = lblTEXT[i];
    text->setStyleSheet(QStringLiteral("color: white;"));
    text->show();
    text->raise();
    if (i == hoverIndex_) return;

    lblBACK->setText(text->text());
    lblBACK->setFont(text->font());
    hoverIndex_ = i;
    for (int j = 0; j < HomeSubjectCount; ++j)
        if (j != i) lblTEXT[j]->hide();
    lblTITLE_ = QLatin1String(HomeSubjects[i].name);
    shpSEL->setGeometry(imgSUBJECT[i]->geometry());
    shpSEL->show();
    lblBACK->setGeometry(text->geometry().translated(1, 1));
    lblBACK->show();
    shpSEL->raise();
    lblBACK->raise();
    text->raise();
    if (mdb_IDX* main = mainWindow()) main->setScoreLabelsVisible(true);
    scoreModel().setScoreCaption(lblTITLE_);
    scoreModel().setHighScoreCaption(scorePoints_[i]);
}

void mdb_HOM::BackgroundHover() {
    shpSEL->hide();
    lblBACK->hide();
    if (hoverIndex_ >= 0 && hoverIndex_ < HomeSubjectCount) lblTEXT[hoverIndex_]->hide();
    if (hoverIndex_ != NoHover) {
        scoreModel().setScoreCaption(QString());
        scoreModel().setHighScoreCaption(QString());
    }
    hoverIndex_ = NoHover;
}

void mdb_HOM::hideHoverMarks() {
    shpSEL->hide();
    lblBACK->hide();
    if (hoverIndex_ >= 0 && hoverIndex_ < HomeSubjectCount) {
        lblTEXT[hoverIndex_]->setStyleSheet(QStringLiteral("color: white;"));
        lblTEXT[hoverIndex_]->hide();
    }
}

void mdb_HOM::SubjectClick(int i) {
    if (i < 0 || i >= HomeSubjectCount) return;
    lblTEXT[i]->hide();
    PlayClickHome();
    shpSEL->hide();
    // The clicked spot is the hovered one; taking its name directly also covers a click with no hover before
    // it.
    lblTITLE_ = QLatin1String(HomeSubjects[i].name);
    appState().Section = lblTITLE_;
    scoreModel().setScoreCaption(QString());
    scoreModel().setHighScoreCaption(QString());
    forms().unload(objectName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().show(QStringLiteral("mdb_SBJ"));
    if (auto* menu = forms().find<mdb_SBJ>(QStringLiteral("mdb_SBJ"))) menu->setTitle(appState().Section);
}

void mdb_HOM::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    BackgroundHover();
}

// Leaving the screen (to the toolbar or out of the window) takes the marks away at once.
void mdb_HOM::leaveEvent(QEvent* event) {
    ChildForm::leaveEvent(event);
    hideHoverMarks();
}

void mdb_HOM::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap picture = ButtonFaces::cachedArt(Art::Home, devicePixelRatioF());
    if (picture.isNull())
        p.fillRect(rect(), QColor(150, 205, 240));
    else
        p.drawPixmap(rect(), picture);
}
