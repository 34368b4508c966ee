// PicturePickerDialog: the pack's subject folders in a list, their pictures as large icons.
#include "grownups/PicturePickerDialog.h"

#include "app/LearnersEnglish.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/Subjects.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int IconSide = 88;
}

PicturePickerDialog::PicturePickerDialog(const QString& current, QWidget* parent)
    : QDialog(parent), current_(current) {
    setObjectName(QStringLiteral("PicturePickerDialog"));
    setWindowTitle(QStringLiteral("Choose a picture"));
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);
    subjects_ = new QComboBox(this);
    subjects_->setObjectName(QStringLiteral("pictureSubjects"));
    const QDir files(Catalogue::filesFolder());
    // The subjects' folders, not those of the letters' and instructions' sounds.
    const QStringList notSubjects = {QStringLiteral("Letters"), QLatin1String(GameInstructions::Folder)};
    for (const QString& folder : files.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        if (!notSubjects.contains(folder, Qt::CaseInsensitive))
            subjects_->addItem(Subjects::shownName(folder, britishEnglish()), folder);
    layout->addWidget(subjects_);
    pictures_ = new QListWidget(this);
    pictures_->setObjectName(QStringLiteral("pictureList"));
    pictures_->setViewMode(QListView::IconMode);
    pictures_->setIconSize(QSize(IconSide, IconSide));
    // Room under each picture for its word on two lines, so no word is cut at the foot of a cell.
    pictures_->setGridSize(QSize(IconSide + 24, IconSide + 2 * pictures_->fontMetrics().lineSpacing() + 12));
    pictures_->setWordWrap(true);
    pictures_->setResizeMode(QListView::Adjust);
    pictures_->setMovement(QListView::Static);
    layout->addWidget(pictures_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pictures_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(subjects_, &QComboBox::currentIndexChanged, this,
            [this] { showSubject(subjects_->currentData().toString()); });

    const QString currentSubject = current.section(u'/', 0, 0);
    const int index = subjects_->findData(currentSubject, Qt::UserRole, Qt::MatchFixedString);
    if (index > 0) subjects_->setCurrentIndex(index);
    showSubject(subjects_->currentData().toString());
}

void PicturePickerDialog::showSubject(const QString& subject) {
    pictures_->clear();
    if (subject.isEmpty()) return;
    const QDir folder(Catalogue::filesFolder() + u'/' + subject);
    const QStringList names =
        folder.entryList({QStringLiteral("*.edi")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    QStringList usable;
    for (const QString& name : names) {
        if (!Catalogue::matchesLanguage(name)) continue;
        usable << name;
        paths << folder.filePath(name);
    }
    // Decoded side by side: a subject of 28 photos appears at once.
    const QList<QImage> images = PictureLoader::shared().images(paths, QSize(IconSide, IconSide));
    for (int i = 0; i < usable.size(); ++i) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(images.value(i))),
                                         Catalogue::wordFromFileName(usable.at(i)), pictures_);
        const QString relative = subject + u'/' + usable.at(i);
        item->setData(Qt::UserRole, relative);
        if (relative.compare(current_, Qt::CaseInsensitive) == 0) pictures_->setCurrentItem(item);
    }
}

QString PicturePickerDialog::picture() const {
    const QListWidgetItem* item = pictures_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
