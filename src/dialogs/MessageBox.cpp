// MessageBox: layout, buttons and keys of the message box.
#include "dialogs/MessageBox.h"

#include "app/ArtPixmap.h"
#include "app/ChildFont.h"
#include "controls/WindowHelpers.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor Paper(0xFF, 0xFB, 0xF0);
const QColor Edge(0xF2, 0xA5, 0x3A);
const QColor Ink(0x3B, 0x2F, 0x5C);
int settleMs = MessageBox::DefaultSettleMs;
} // namespace

void MessageBox::setSettleMs(int ms) {
    settleMs = ms;
}

MessageBox::MessageBox(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("MessageBox"));
    setModal(true);
    setFixedWidth(460);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 14);
    outer->setSpacing(10);

    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    auto* body = new QHBoxLayout(content);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(14);
    auto* logo = new QLabel(content);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(programIcon().pixmap(64, 64));
    logo->setAlignment(Qt::AlignTop);
    body->addWidget(logo, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    titleLabel_ = new QLabel(content);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setWordWrap(true);
    QFont titleFont = titleLabel_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    titleLabel_->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    descriptionLabel_ = new QLabel(content);
    descriptionLabel_->setObjectName(QStringLiteral("descriptionLabel"));
    descriptionLabel_->setWordWrap(true);
    descriptionLabel_->setTextFormat(Qt::PlainText);
    // An address in it can be copied.
    descriptionLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    titleLabel_->setTextFormat(Qt::PlainText);
    texts->addWidget(titleLabel_);
    texts->addWidget(descriptionLabel_);
    texts->addStretch();
    body->addLayout(texts, 1);
    outer->addWidget(content);

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setStyleSheet(QStringLiteral("color: %1;").arg(Edge.name()));
    outer->addWidget(separator);

    closeButton_ = makeButton("closeButton", QStringLiteral(" &Close "));
    yesButton_[1] = makeButton("yesButton", QStringLiteral(" &Yes "));
    noButton_[1] = makeButton("noButton", QStringLiteral(" &No "));
    yesButton_[0] = makeButton("saveButton", QStringLiteral(" &Save "));
    noButton_[0] = makeButton("dontSaveButton", QStringLiteral(" &Don't save "));
    cancelButton_ = makeButton("cancelButton", QStringLiteral(" Cancel "));
    closeBar_ = makeBar("closeBar", {closeButton_});
    yesNoBar_ = makeBar("yesNoBar", {yesButton_[1], noButton_[1]});
    saveBar_ = makeBar("saveBar", {yesButton_[0], noButton_[0], cancelButton_});
    for (QWidget* bar : {closeBar_, yesNoBar_, saveBar_}) {
        outer->addWidget(bar);
        bar->hide();
    }

    connect(closeButton_, &QPushButton::clicked, this, [this] { accept(); });
    for (int i = 0; i < 2; ++i) {
        connect(yesButton_[i], &QPushButton::clicked, this, [this] { answer(MessageAnswer::Yes); });
        connect(noButton_[i], &QPushButton::clicked, this, [this] { answer(MessageAnswer::No); });
    }
    connect(cancelButton_, &QPushButton::clicked, this, [this] { answer(MessageAnswer::Cancel); });

    for (QWidget* background : std::initializer_list<QWidget*>{this, content, titleLabel_})
        new backgroundDragged(background, this);
}

QPushButton* MessageBox::makeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    QFont font(ChildFont::family());
    font.setPointSizeF(button->font().pointSizeF());
    button->setFont(font);
    button->setMinimumWidth(96);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QWidget* MessageBox::makeBar(const char* name, const QList<QPushButton*>& buttons) {
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

void MessageBox::setMessage(const MessageText& text) {
    titleLabel_->setText(text.title);
    // The table keeps the CR LF pair; a label breaks the line on LF alone.
    descriptionLabel_->setText(QString(text.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    closeBar_->setVisible(text.bar == MessageBar::Information);
    yesNoBar_->setVisible(text.bar == MessageBar::YesNo);
    saveBar_->setVisible(text.bar == MessageBar::YesNoCancel);
    if (!text.yesCaption.isEmpty()) {
        yesButton_[0]->setText(text.yesCaption);
        yesButton_[1]->setText(text.yesCaption);
    }
    if (!text.noCaption.isEmpty()) {
        noButton_[0]->setText(text.noCaption);
        noButton_[1]->setText(text.noCaption);
    }
    // A question's Enter is its safe answer: "&Ignore", never "&Download".
    firstButton_ = text.bar == MessageBar::Information   ? closeButton_
                   : text.bar == MessageBar::YesNo       ? noButton_[1]
                   : text.bar == MessageBar::YesNoCancel ? yesButton_[0]
                                                         : nullptr;
    if (firstButton_) {
        firstButton_->setDefault(true);
        firstButton_->setFocus();
    }
    // Wrapped labels: ask the layout for the height at the real width, or the box keeps an empty band.
    layout()->activate();
    resize(width(), layout()->totalHeightForWidth(width()));
}

MessageBar MessageBox::visibleBar() const {
    if (saveBar_->isVisibleTo(this)) return MessageBar::YesNoCancel;
    if (yesNoBar_->isVisibleTo(this)) return MessageBar::YesNo;
    if (closeBar_->isVisibleTo(this)) return MessageBar::Information;
    return MessageBar::None;
}

void MessageBox::answer(qint32 result) {
    setLastMessageResult(result);
    accept();
}

bool MessageBox::handleDialogKey(int key) {
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

void MessageBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (settled_ || settling_) return;
    settling_ = true;
    // Disabled buttons take neither clicks nor their mnemonics.
    for (QWidget* bar : {closeBar_, yesNoBar_, saveBar_})
        bar->setEnabled(false);
    QTimer::singleShot(settleMs, this, [this] {
        settled_ = true;
        for (QWidget* bar : {closeBar_, yesNoBar_, saveBar_})
            bar->setEnabled(true);
        if (firstButton_) firstButton_->setFocus();
    });
}

void MessageBox::keyPressEvent(QKeyEvent* event) {
    // A key already held, or typed before the box could be seen, answers nothing.
    if (!settled_ || event->isAutoRepeat()) {
        event->accept();
        return;
    }
    // Plain letters only: Alt+letter is the buttons' own mnemonic and reaches them directly.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods == Qt::NoModifier && handleDialogKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

void MessageBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Edge, 3));
    p.setBrush(Paper);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

Q_LOGGING_CATEGORY(lcMessages, "lexikite.dialogs")

namespace {
qint32 messageResult = 0;

qint32 runDialog(const MessageText& text, QWidget* owner) {
    // Cleared on every opening, so a box closed without a button never repeats an earlier answer.
    messageResult = 0;
    QPointer<MessageBox> dialog = new MessageBox(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setMessage(text);
    // A caller may be showing the busy pointer; the learner needs the ordinary one to answer.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    dialog->exec();
    if (busy) QGuiApplication::restoreOverrideCursor();
    if (messageResult == 0) messageResult = MessageAnswer::Cancel;
    return messageResult;
}
} // namespace

void showInfoMessage(int number, const QString& extra, QWidget* owner) {
    runDialog(informationMessage(number, extra), owner);
}

qint32 askQuestion(int number, QWidget* owner) {
    const MessageText text = questionMessage(number);
    if (text.bar == MessageBar::None) {
        // A question without buttons could only be left with Escape; answer it as cancelled instead.
        qCWarning(lcMessages) << "no question numbered" << number;
        messageResult = MessageAnswer::Cancel;
        return messageResult;
    }
    return runDialog(text, owner);
}

qint32 lastMessageResult() {
    return messageResult;
}

void setLastMessageResult(qint32 value) {
    messageResult = value;
}
