// GrownUpDialog: the number in words, the digits tapped so far and a keypad; one wrong digit closes it.
#include "grownups/GrownUpDialog.h"

#include "app/Random.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
const QColor Ink(0x3B, 0x2F, 0x5C);
constexpr int KeySize = 54;
constexpr int KeyGap = 10;
} // namespace

GrownUpDialog::GrownUpDialog(const GrownUpCheck& check, QWidget* owner)
    : FramelessDialog(QStringLiteral("GrownUpDialog"), QStringLiteral("Ask a grown-up"), QSize(420, 336),
                      owner),
      check_(check) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(11);
    auto* promptLabel =
        new QLabel(QStringLiteral("This leads out of Lexikite. Grown-ups, please tap this number:"), this);
    promptLabel->setObjectName(QStringLiteral("promptLabel"));
    promptLabel->setFont(f);
    promptLabel->setWordWrap(true);
    promptLabel->setAlignment(Qt::AlignHCenter);
    promptLabel->setGeometry(20, 50, width() - 40, 44);

    auto* numberLabel = new QLabel(check_.words(), this);
    numberLabel->setObjectName(QStringLiteral("numberLabel"));
    QFont big = f;
    big.setPointSize(15);
    big.setBold(true);
    numberLabel->setFont(big);
    numberLabel->setWordWrap(true);
    numberLabel->setAlignment(Qt::AlignCenter);
    numberLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    numberLabel->setGeometry(20, 96, width() - 40, 56);

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
                                          "QPushButton:pressed { background: #ffd89a; }")
                               .arg(Ink.name()));
        key->setGeometry(left + (i % 5) * (KeySize + KeyGap), 196 + (i / 5) * (KeySize + KeyGap), KeySize,
                         KeySize);
        connect(key, &QPushButton::clicked, this, [this, digit] { enter(digit); });
        digits_[digit] = key;
    }
}

void GrownUpDialog::enter(int digit) {
    const GrownUpCheck::State state = check_.enter(digit);
    QString shown = check_.typed();
    while (shown.size() < 3)
        shown += QLatin1Char('_');
    typedLabel_->setText(shown.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
    if (state == GrownUpCheck::State::Passed)
        accept();
    else if (state == GrownUpCheck::State::Failed)
        reject();
}

void GrownUpDialog::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!event->isAutoRepeat() && text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128) {
        enter(text.at(0).unicode() - '0');
        return;
    }
    FramelessDialog::keyPressEvent(event); // Escape closes; Enter does nothing here
}

bool GrownUpDialog::ask(QWidget* owner) {
    QPointer<GrownUpDialog> dialog = new GrownUpDialog(GrownUpCheck::drawn(randomSource()), owner);
    // A caller may be showing the busy pointer; the grown-up needs the ordinary one.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    dialog->exec();
    if (busy) QGuiApplication::restoreOverrideCursor();
    const bool passed = dialog && dialog->check().state() == GrownUpCheck::State::Passed;
    delete dialog.data();
    return passed;
}
