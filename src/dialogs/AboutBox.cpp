// AboutBox: fills itself from AppState and hands its links and its update button to the services.
#include "dialogs/AboutBox.h"

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

AboutBox::AboutBox(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    setFixedWidth(600);
    const AppState& state = appState();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(22, 18, 22, 16);
    outer->setSpacing(10);

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    auto* iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("iconLabel"));
    iconLabel_->setPixmap(programIcon().pixmap(80, 80));
    head->addWidget(iconLabel_, 0, Qt::AlignTop);

    auto* identity = new QVBoxLayout;
    identity->setSpacing(3);
    auto* title = new QLabel(QLatin1String(AppIdentity::Title), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: %1;").arg(Ink.name()));
    versionLabel_ = new QLabel(state.versionText, this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    copyrightLabel_ = new QLabel(state.rightsText, this);
    copyrightLabel_->setObjectName(QStringLiteral("copyrightLabel"));
    madeByLabel_ = new QLabel(QStringLiteral("Made with care for young learners by the %1 team.")
                                .arg(QLatin1String(AppIdentity::CompanyName)),
                            this);
    madeByLabel_->setObjectName(QStringLiteral("madeByLabel"));
    madeByLabel_->setWordWrap(true);
    for (QLabel* label : {title, versionLabel_, copyrightLabel_, madeByLabel_}) {
        label->setTextFormat(Qt::PlainText);
        identity->addWidget(label);
    }
    identity->addStretch();
    head->addLayout(identity, 1);
    outer->addLayout(head);

    outer->addWidget(separator(this, "topSeparator"));
    creditsBox_ = new QTextEdit(this);
    creditsBox_->setObjectName(QStringLiteral("creditsBox"));
    creditsBox_->setReadOnly(true);
    creditsBox_->setFont(copyrightLabel_->font());
    creditsBox_->setPlainText(state.creditsText);
    creditsBox_->setFrameShape(QFrame::NoFrame);
    // As tall as its text at the box's width, up to the height where it starts to scroll.
    // The editor lays its own document out at its current (unset) width, so measure a copy.
    const QMargins margins = outer->contentsMargins();
    const std::unique_ptr<QTextDocument> measure(creditsBox_->document()->clone());
    measure->setTextWidth(width() - margins.left() - margins.right());
    creditsBox_->setFixedHeight(std::min(120, int(std::ceil(measure->size().height()))));
    creditsBox_->setStyleSheet(QStringLiteral("background: transparent;"));
    outer->addWidget(creditsBox_);
    // The artwork's licence asks for this line.
    artworkLabel_ = new QLabel(
        QStringLiteral("Twemoji artwork © Twitter, Inc and other contributors, licensed under CC-BY 4.0."),
        this);
    artworkLabel_->setObjectName(QStringLiteral("artworkLabel"));
    artworkLabel_->setTextFormat(Qt::PlainText);
    artworkLabel_->setWordWrap(true);
    artworkLabel_->setFont(copyrightLabel_->font());
    // Lined up with the credits text, which sits inside the editor's document margin.
    const int margin = int(creditsBox_->document()->documentMargin());
    artworkLabel_->setContentsMargins(margin, 0, margin, 0);
    outer->addWidget(artworkLabel_);
    outer->addWidget(separator(this, "bottomSeparator"));

    auto* links = new QHBoxLayout;
    links->setSpacing(12);
    socialLink_ = new ClickLabel(this);
    socialLink_->setObjectName(QStringLiteral("socialLink"));
    socialLink_->setPixmap(socialPicture(28));
    socialLink_->setToolTip(QStringLiteral("Visit us on the web"));
    auto* addresses = new QVBoxLayout;
    addresses->setSpacing(2);
    websiteLink_ = linkLabel(this, "websiteLink", state.webBase, QStringLiteral("Visit us on the web"));
    emailLink_ = linkLabel(this, "emailLink", state.contactAddress, QStringLiteral("Send us a message"));
    // Left-aligned at their own width, so only the text itself is a link.
    addresses->addWidget(websiteLink_, 0, Qt::AlignLeft);
    addresses->addWidget(emailLink_, 0, Qt::AlignLeft);
    links->addWidget(socialLink_, 0, Qt::AlignVCenter);
    links->addLayout(addresses, 1);

    updateButton_ = new ImageButton(QStringLiteral("Update"), this);
    updateButton_->setObjectName(QStringLiteral("updateButton"));
    updateButton_->setToolTip(QStringLiteral("Check for updates"));
    closeButton_ = new ImageButton(QStringLiteral("OK"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    // The picture buttons are wide; on a row of their own the addresses keep their full length.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    for (ImageButton* button : {updateButton_, closeButton_}) {
        button->setFixedSize(button->sizeHint());
        buttons->addWidget(button);
    }
    outer->addLayout(links);
    outer->addLayout(buttons);

    // The wrapping labels would otherwise leave the height guessed for a narrower box, as gaps.
    if (const int height = heightForWidth(width()); height > 0) setFixedHeight(height);

    connect(updateButton_, &ImageButton::clicked, this, [] { checkForUpdate(true); });
    connect(closeButton_, &ImageButton::clicked, this, &QDialog::accept);
    const auto openWeb = [] { openLink(QString(), appState().webBase); };
    connect(websiteLink_, &ClickLabel::clicked, this, openWeb);
    connect(socialLink_, &ClickLabel::clicked, this, openWeb);
    connect(emailLink_, &ClickLabel::clicked, this,
            [] { openLink(QStringLiteral("mailto:"), appState().contactAddress); });

    for (QWidget* background : std::initializer_list<QWidget*>{this, title})
        new backgroundDragged(background, this);
}

namespace {
QPointer<AboutBox>& openBox() {
    static QPointer<AboutBox> box;
    return box;
}
} // namespace

void AboutBox::showModal(QWidget* owner) {
    if (openBox()) return; // already up: a second click must not stack another box
    QPointer<AboutBox> box = new AboutBox(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    openBox() = box;
    box->exec();
}

void AboutBox::unload() {
    if (AboutBox* box = openBox()) box->reject();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // Enter is OK, as it was when OK was a default push button; Escape still closes through QDialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.setPen(QPen(Edge, 3));
    p.setBrush(Paper);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
