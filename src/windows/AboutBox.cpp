// msys_ABT: fills itself from AppState and hands its links and its update button to the services.
#include "windows/AboutBox.h"

#include "app/AppState.h"
#include "app/ArtPixmap.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "controls/WindowHelpers.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
const QColor Paper(0xFF, 0xFB, 0xF0);
const QColor Edge(0x3D, 0xA5, 0xD9);
const QColor Ink(0x3B, 0x2F, 0x5C);
const QColor LinkBlue(0x1F, 0x6F, 0xB2);

QFrame* separator(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: %1;").arg(Edge.name()));
    return line;
}

ClickLabel* linkLabel(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(tip);
    label->setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(LinkBlue.name()));
    return label;
}

// A small globe: the maker's corner of the web.
QPixmap socialPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(2, 2, size - 4, size - 4);
    p.setPen(QPen(LinkBlue, 2));
    p.setBrush(QColor(0xD6, 0xEE, 0xFA));
    p.drawEllipse(ball);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball.adjusted(size * 0.25, 0, -size * 0.25, 0));
    p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    return pixmap;
}
} // namespace

msys_ABT::msys_ABT(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("msys_ABT"));
    setModal(true);
    setFixedWidth(600);
    const AppState& state = appState();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(22, 18, 22, 16);
    outer->setSpacing(10);

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    auto* imgICON = new QLabel(this);
    imgICON->setObjectName(QStringLiteral("imgICON"));
    imgICON->setPixmap(programIcon().pixmap(80, 80));
    head->addWidget(imgICON, 0, Qt::AlignTop);

    auto* identity = new QVBoxLayout;
    identity->setSpacing(3);
    auto* title = new QLabel(QLatin1String(AppIdentity::Title), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    lablVERSION = new QLabel(state.VersionText, this);
    lablVERSION->setObjectName(QStringLiteral("lablVERSION"));
    lblCOPY = new QLabel(state.RightsText, this);
    lblCOPY->setObjectName(QStringLiteral("lblCOPY"));
    lblCREATED = new QLabel(QStringLiteral("Made with care for young learners by the %1 team.")
                                .arg(QLatin1String(AppIdentity::CompanyName)),
                            this);
    lblCREATED->setObjectName(QStringLiteral("lblCREATED"));
    lblCREATED->setWordWrap(true);
    for (QLabel* label : {title, lablVERSION, lblCOPY, lblCREATED}) {
        label->setTextFormat(Qt::PlainText);
        identity->addWidget(label);
    }
    identity->addStretch();
    head->addLayout(identity, 1);
    outer->addLayout(head);

    outer->addWidget(separator(this, "lneSEP01"));
    textCREDITS = new QTextEdit(this);
    textCREDITS->setObjectName(QStringLiteral("textCREDITS"));
    textCREDITS->setReadOnly(true);
    textCREDITS->setFont(lblCOPY->font());
    textCREDITS->setPlainText(state.CreditsText);
    textCREDITS->setFrameShape(QFrame::NoFrame);
    // As tall as its text at the box's width, up to the height where it starts to scroll.
    // The editor lays its own document out at its current (unset) width, so measure a copy.
    const QMargins margins = outer->contentsMargins();
    const std::unique_ptr<QTextDocument> measure(textCREDITS->document()->clone());
    measure->setTextWidth(width() - margins.left() - margins.right());
    textCREDITS->setFixedHeight(std::min(120, int(std::ceil(measure->size().height()))));
    textCREDITS->setStyleSheet(QStringLiteral("background: transparent;"));
    outer->addWidget(textCREDITS);
    // The artwork's licence asks for this line.
    lblARTWORK = new QLabel(
        QStringLiteral("Twemoji artwork © Twitter, Inc and other contributors, licensed under CC-BY 4.0."),
        this);
    lblARTWORK->setObjectName(QStringLiteral("lblARTWORK"));
    lblARTWORK->setTextFormat(Qt::PlainText);
    lblARTWORK->setWordWrap(true);
    lblARTWORK->setFont(lblCOPY->font());
    // Lined up with the credits text, which sits inside the editor's document margin.
    const int margin = int(textCREDITS->document()->documentMargin());
    lblARTWORK->setContentsMargins(margin, 0, margin, 0);
    outer->addWidget(lblARTWORK);
    outer->addWidget(separator(this, "lneSEP02"));

    auto* links = new QHBoxLayout;
    links->setSpacing(12);
    imgSOCIAL = new ClickLabel(this);
    imgSOCIAL->setObjectName(QStringLiteral("imgSOCIAL"));
    imgSOCIAL->setPixmap(socialPicture(28));
    imgSOCIAL->setToolTip(QStringLiteral("Visit us on the web"));
    auto* addresses = new QVBoxLayout;
    addresses->setSpacing(2);
    lblWEBSITE = linkLabel(this, "lblWEBSITE", state.WebBase, QStringLiteral("Visit us on the web"));
    lblEMAIL = linkLabel(this, "lblEMAIL", state.ContactAddress, QStringLiteral("Send us a message"));
    // Left-aligned at their own width, so only the text itself is a link.
    addresses->addWidget(lblWEBSITE, 0, Qt::AlignLeft);
    addresses->addWidget(lblEMAIL, 0, Qt::AlignLeft);
    links->addWidget(imgSOCIAL, 0, Qt::AlignVCenter);
    links->addLayout(addresses, 1);

    btnUPDATE = new uctl_BTN(QStringLiteral("Update"), this);
    btnUPDATE->setObjectName(QStringLiteral("btnUPDATE"));
    btnUPDATE->setToolTip(QStringLiteral("Check for updates"));
    btnCLOSE = new uctl_BTN(QStringLiteral("OK"), this);
    btnCLOSE->setObjectName(QStringLiteral("btnCLOSE"));
    // The picture buttons are wide; on a row of their own the addresses keep their full length.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    for (uctl_BTN* button : {btnUPDATE, btnCLOSE}) {
        button->setFixedSize(button->sizeHint());
        buttons->addWidget(button);
    }
    outer->addLayout(links);
    outer->addLayout(buttons);

    // The wrapping labels would otherwise leave the height guessed for a narrower box, as gaps.
    if (const int height = heightForWidth(width()); height > 0) setFixedHeight(height);

    connect(btnUPDATE, &uctl_BTN::Click, this, [] { CheckForUpdate(true); });
    connect(btnCLOSE, &uctl_BTN::Click, this, &QDialog::accept);
    const auto openWeb = [] { OpenLink(QString(), appState().WebBase); };
    connect(lblWEBSITE, &ClickLabel::Click, this, openWeb);
    connect(imgSOCIAL, &ClickLabel::Click, this, openWeb);
    connect(lblEMAIL, &ClickLabel::Click, this,
            [] { OpenLink(QStringLiteral("mailto:"), appState().ContactAddress); });

    for (QWidget* background : std::initializer_list<QWidget*>{this, title})
        new BackgroundDrag(background, this);
}

namespace {
QPointer<msys_ABT>& openBox() {
    static QPointer<msys_ABT> box;
    return box;
}
} // namespace

void msys_ABT::showModal(QWidget* owner) {
    if (openBox()) return; // already up: a second click must not stack another box
    QPointer<msys_ABT> box = new msys_ABT(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    openBox() = box;
    box->exec();
}

void msys_ABT::unload() {
    if (msys_ABT* box = openBox()) box->reject();
}

void msys_ABT::keyPressEvent(QKeyEvent* event) {
    // Enter is OK, as it was when OK was a default push button; Escape still closes through QDialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void msys_ABT::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.setPen(QPen(Edge, 3));
    p.setBrush(Paper);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
