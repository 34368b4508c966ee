// msg_INF: layout, buttons and keys of the message box.
#include "windows/MessageBox.h"

#include "app/ArtPixmap.h"
#include "controls/WindowHelpers.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor Paper(0xFF, 0xFB, 0xF0);
const QColor Edge(0xF2, 0xA5, 0x3A);
const QColor Ink(0x3B, 0x2F, 0x5C);
int settleMs = msg_INF::DefaultSettleMs;
} // namespace

void msg_INF::setSettleMs(int ms) {
    settleMs = ms;
}

msg_INF::msg_INF(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("msg_INF"));
    setModal(true);
    setFixedWidth(460);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 14);
    outer->setSpacing(10);

    auto* pfrGEN = new QWidget(this);
    pfrGEN->setObjectName(QStringLiteral("pfrGEN"));
    auto* body = new QHBoxLayout(pfrGEN);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(14);
    auto* imgLOGO = new QLabel(pfrGEN);
    imgLOGO->setObjectName(QStringLiteral("imgLOGO"));
    imgLOGO->setPixmap(programIcon().pixmap(64, 64));
    imgLOGO->setAlignment(Qt::AlignTop);
    body->addWidget(imgLOGO, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    lablTITLE = new QLabel(pfrGEN);
    lablTITLE->setObjectName(QStringLiteral("lablTITLE"));
    lablTITLE->setWordWrap(true);
    QFont titleFont = lablTITLE->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    titleFont.setBold(true);
    lablTITLE->setFont(titleFont);
    lablTITLE->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    lblDESCRIPTION = new QLabel(pfrGEN);
    lblDESCRIPTION->setObjectName(QStringLiteral("lblDESCRIPTION"));
    lblDESCRIPTION->setWordWrap(true);
    lblDESCRIPTION->setTextFormat(Qt::PlainText);
    lablTITLE->setTextFormat(Qt::PlainText);
    texts->addWidget(lablTITLE);
    texts->addWidget(lblDESCRIPTION);
    texts->addStretch();
    body->addLayout(texts, 1);
    outer->addWidget(pfrGEN);

    auto* lneSEP0 = new QFrame(this);
    lneSEP0->setObjectName(QStringLiteral("lneSEP0"));
    lneSEP0->setFrameShape(QFrame::HLine);
    lneSEP0->setStyleSheet(QStringLiteral("color: %1;").arg(Edge.name()));
    outer->addWidget(lneSEP0);

    btnCLOSE = makeButton("btnCLOSE", QStringLiteral(" &Close "));
    btnYES[1] = makeButton("btnYES_1", QStringLiteral(" &Yes "));
    btnNO[1] = makeButton("btnNO_1", QStringLiteral(" &No "));
    btnYES[0] = makeButton("btnYES_0", QStringLiteral(" &Save "));
    btnNO[0] = makeButton("btnNO_0", QStringLiteral(" &Don't save "));
    btnCANCEL = makeButton("btnCANCEL", QStringLiteral(" Cancel "));
    pfrBTNBARO = makeBar("pfrBTNBARO", {btnCLOSE});
    pfrBTNBARYN = makeBar("pfrBTNBARYN", {btnYES[1], btnNO[1]});
    pfrBTNBARYNC = makeBar("pfrBTNBARYNC", {btnYES[0], btnNO[0], btnCANCEL});
    for (QWidget* bar : {pfrBTNBARO, pfrBTNBARYN, pfrBTNBARYNC}) {
        outer->addWidget(bar);
        bar->hide();
    }

    connect(btnCLOSE, &QPushButton::clicked, this, [this] { accept(); });
    for (int i = 0; i < 2; ++i) {
        connect(btnYES[i], &QPushButton::clicked, this, [this] { answer(MessageAnswer::Yes); });
        connect(btnNO[i], &QPushButton::clicked, this, [this] { answer(MessageAnswer::No); });
    }
    connect(btnCANCEL, &QPushButton::clicked, this, [this] { answer(MessageAnswer::Cancel); });

    for (QWidget* background : std::initializer_list<QWidget*>{this, pfrGEN, lablTITLE})
        new BackgroundDrag(background, this);
}

QPushButton* msg_INF::makeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(button->font().pointSizeF());
    button->setFont(font);
    button->setMinimumWidth(96);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QWidget* msg_INF::makeBar(const char* name, const QList<QPushButton*>& buttons) {
    auto* bar = new QWidget(this);
    bar->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    for (QPushButton* button : buttons) {
        button->setParent(bar);
        row->addWidget(button);
    }
    return bar;
}

void msg_INF::setMessage(const MessageText& text) {
    lablTITLE->setText(text.title);
    // The table keeps the CR LF pair; a label breaks the line on LF alone.
    lblDESCRIPTION->setText(QString(text.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    pfrBTNBARO->setVisible(text.bar == MessageBar::Information);
    pfrBTNBARYN->setVisible(text.bar == MessageBar::YesNo);
    pfrBTNBARYNC->setVisible(text.bar == MessageBar::YesNoCancel);
    if (!text.yesCaption.isEmpty()) {
        btnYES[0]->setText(text.yesCaption);
        btnYES[1]->setText(text.yesCaption);
    }
    if (!text.noCaption.isEmpty()) {
        btnNO[0]->setText(text.noCaption);
        btnNO[1]->setText(text.noCaption);
    }
    // A question's Enter is its safe answer: "&Ignore", never "&Download".
    firstButton_ = text.bar == MessageBar::Information   ? btnCLOSE
                   : text.bar == MessageBar::YesNo       ? btnNO[1]
                   : text.bar == MessageBar::YesNoCancel ? btnYES[0]
                                                         : nullptr;
    if (firstButton_) {
        firstButton_->setDefault(true);
        firstButton_->setFocus();
    }
    // Wrapped labels: ask the layout for the height at the real width, or the box keeps an empty band.
    layout()->activate();
    resize(width(), layout()->totalHeightForWidth(width()));
}

MessageBar msg_INF::visibleBar() const {
    if (pfrBTNBARYNC->isVisibleTo(this)) return MessageBar::YesNoCancel;
    if (pfrBTNBARYN->isVisibleTo(this)) return MessageBar::YesNo;
    if (pfrBTNBARO->isVisibleTo(this)) return MessageBar::Information;
    return MessageBar::None;
}

void msg_INF::answer(qint32 result) {
    SetMessageResult(result);
    accept();
}

bool msg_INF::HandleDialogKey(int key) {
    const MessageBar bar = visibleBar();
    // Escape always leaves, even from a box without any bar: the learner must never be stuck in it.
    if (key == Qt::Key_Escape) {
        answer(MessageAnswer::Cancel);
        return true;
    }
    switch (bar) {
    case MessageBar::YesNoCancel:
        if (key == Qt::Key_C) {
            answer(MessageAnswer::Cancel);
            return true;
        }
        [[fallthrough]]; // Y and N as in a yes/no question
    case MessageBar::YesNo:
        if (key == Qt::Key_Y)
            answer(MessageAnswer::Yes);
        else if (key == Qt::Key_N)
            answer(MessageAnswer::No);
        else
            return false;
        return true;
    case MessageBar::Information:
        if (key != Qt::Key_O) return false;
        accept();
        return true;
    case MessageBar::None:
        break;
    }
    return false;
}

void msg_INF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (settled_ || settling_) return;
    settling_ = true;
    // Disabled buttons take neither clicks nor their mnemonics.
    for (QWidget* bar : {pfrBTNBARO, pfrBTNBARYN, pfrBTNBARYNC})
        bar->setEnabled(false);
    QTimer::singleShot(settleMs, this, [this] {
        settled_ = true;
        for (QWidget* bar : {pfrBTNBARO, pfrBTNBARYN, pfrBTNBARYNC})
            bar->setEnabled(true);
        if (firstButton_) firstButton_->setFocus();
    });
}

void msg_INF::keyPressEvent(QKeyEvent* event) {
    // A key already held, or typed before the box could be seen, answers nothing.
    if (!settled_ || event->isAutoRepeat()) {
        event->accept();
        return;
    }
    // Plain letters only: Alt+letter is the buttons' own mnemonic and reaches them directly.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods == Qt::NoModifier && HandleDialogKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

void msg_INF::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Edge, 3));
    p.setBrush(Paper);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
