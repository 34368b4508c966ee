// GrownUpDialog: the number in words, the digits tapped so far and a keypad; a wrong digit rests the keys.
#include "grownups/GrownUpDialog.h"

#include "app/Random.h"
#include "services/GrownUpPause.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor Ink(0x3B, 0x2F, 0x5C);
constexpr int KeySize = 54;
constexpr int KeyGap = 10;

QString promptFor(GrownUpDialog::Reason reason) {
    switch (reason) {
    case GrownUpDialog::Reason::GrownUpsWindow:
        return QStringLiteral("This part is for grown-ups. Grown-ups, please tap this number:");
    case GrownUpDialog::Reason::ClearsHighScore:
        return QStringLiteral("This clears the high score. Grown-ups, please tap this number:");
    case GrownUpDialog::Reason::LeavesTheProgram:
        break;
    }
    return QStringLiteral("This leads out of Lexikite. Grown-ups, please tap this number:");
}

// Seconds up to two minutes, whole minutes beyond.
QString waitText(int seconds) {
    if (seconds >= 120) return QStringLiteral("A new number comes in %1 minutes.").arg((seconds + 59) / 60);
    return seconds == 1 ? QStringLiteral("A new number comes in 1 second.")
                        : QStringLiteral("A new number comes in %1 seconds.").arg(seconds);
}
} // namespace

GrownUpDialog::GrownUpDialog(const GrownUpCheck& check, QWidget* owner, Reason reason)
    : FramelessDialog(QStringLiteral("GrownUpDialog"), QStringLiteral("Ask a grown-up"), QSize(420, 336),
                      owner),
      check_(check), prompt_(promptFor(reason)) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(11);
    promptLabel_ = new QLabel(prompt_, this);
    promptLabel_->setObjectName(QStringLiteral("promptLabel"));
    promptLabel_->setFont(f);
    promptLabel_->setWordWrap(true);
    promptLabel_->setAlignment(Qt::AlignHCenter);
    promptLabel_->setGeometry(20, 50, width() - 40, 44);

    numberLabel_ = new QLabel(check_.words(), this);
    numberLabel_->setObjectName(QStringLiteral("numberLabel"));
    QFont big = f;
    big.setPointSize(15);
    big.setBold(true);
    numberLabel_->setFont(big);
    numberLabel_->setWordWrap(true);
    numberLabel_->setAlignment(Qt::AlignCenter);
    numberLabel_->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    numberLabel_->setGeometry(20, 96, width() - 40, 56);

    typedLabel_ = new QLabel(QStringLiteral("_ _ _"), this);
    typedLabel_->setObjectName(QStringLiteral("typedLabel"));
    QFont typed = big;
    typed.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    typedLabel_->setFont(typed);
    typedLabel_->setAlignment(Qt::AlignCenter);
    typedLabel_->setGeometry(20, 154, width() - 40, 32);

    // 1 to 5 above 6 to 9 and 0, as on a phone's row of keys.
    const int left = (width() - 5 * KeySize - 4 * KeyGap) / 2;
    for (int i = 0; i < 10; ++i) {
        const int digit = (i + 1) % 10;
        auto* key = new QPushButton(QString::number(digit), this);
        key->setObjectName(QStringLiteral("digitButton%1").arg(digit));
        // No focus, so Space or Enter never presses a key by itself.
        key->setFocusPolicy(Qt::NoFocus);
        key->setCursor(Qt::PointingHandCursor);
        key->setFont(big);
        key->setStyleSheet(QStringLiteral("QPushButton { background: #fff3d6; border: 2px solid #e98a3a; "
                                          "border-radius: 12px; color: %1; }"
                                          "QPushButton:pressed { background: #ffd89a; }"
                                          "QPushButton:disabled { background: #f4efe6; "
                                          "border-color: #ddd2c0; color: #c9bfae; }")
                               .arg(Ink.name()));
        key->setGeometry(left + (i % 5) * (KeySize + KeyGap), 196 + (i / 5) * (KeySize + KeyGap), KeySize,
                         KeySize);
        connect(key, &QPushButton::clicked, this, [this, digit] { enter(digit); });
        digits_[digit] = key;
    }

    waitTimer_ = new QTimer(this);
    waitTimer_->setObjectName(QStringLiteral("waitTimer"));
    connect(waitTimer_, &QTimer::timeout, this, &GrownUpDialog::showQuestionOrWait);
    showQuestionOrWait();
}

void GrownUpDialog::showQuestionOrWait() {
    const qint64 remaining = grownUpPause().remainingMs();
    if (remaining > 0) {
        waiting_ = true;
        promptLabel_->setText(QStringLiteral("That was not the number. Please wait a moment."));
        numberLabel_->setText(waitText(grownUpPause().remainingSeconds()));
        // The next tick when the shown count changes.
        waitTimer_->start(int((remaining - 1) % 1000) + 1);
    } else {
        waitTimer_->stop();
        // A fresh number, so the one just seen is no second chance.
        if (waiting_) check_ = GrownUpCheck::drawn(randomSource());
        waiting_ = false;
        promptLabel_->setText(prompt_);
        numberLabel_->setText(check_.words());
    }
    for (QPushButton* key : digits_)
        key->setEnabled(!waiting_);
    showTyped();
}

void GrownUpDialog::showTyped() {
    QString shown = waiting_ ? QString() : check_.typed();
    while (shown.size() < 3)
        shown += QLatin1Char('_');
    typedLabel_->setText(shown.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
}

void GrownUpDialog::enter(int digit) {
    if (waiting_) return;
    const GrownUpCheck::State state = check_.enter(digit);
    showTyped();
    if (state == GrownUpCheck::State::Passed) {
        grownUpPause().passed();
        accept();
    } else if (state == GrownUpCheck::State::Failed) {
        grownUpPause().wrongAnswer();
        showQuestionOrWait();
    }
}

void GrownUpDialog::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!event->isAutoRepeat() && text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128) {
        enter(text.at(0).unicode() - '0');
        return;
    }
    FramelessDialog::keyPressEvent(event); // Escape closes; Enter does nothing here
}

bool GrownUpDialog::ask(QWidget* owner, Reason reason) {
    QPointer<GrownUpDialog> dialog = new GrownUpDialog(GrownUpCheck::drawn(randomSource()), owner, reason);
    // A caller may be showing the busy pointer; the grown-up needs the ordinary one.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    dialog->exec();
    if (busy) QGuiApplication::restoreOverrideCursor();
    const bool passed = dialog && dialog->check().state() == GrownUpCheck::State::Passed;
    delete dialog.data();
    return passed;
}
