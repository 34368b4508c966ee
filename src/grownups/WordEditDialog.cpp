// WordEditDialog: a word of the grown-up's own: typed, with a picture from a file, a drop or the clipboard,
// and a voice recorded, spoken by the computer or taken from a sound file.
#include "app/LearnersEnglish.h"
#include "grownups/WordEditDialog.h"

#include "audio/OggEncoder.h"
#include "audio/SoundFiles.h"
#include "audio/SoundModule.h"
#include "audio/SoundRecorder.h"
#include "audio/Speech.h"
#include "catalogue/StoredPicture.h"
#include "catalogue/Subjects.h"
#include "catalogue/WordRules.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

constexpr QSize kPreview{240, 180};

bool writeBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    *error = QStringLiteral("the sound cannot be written");
    return false;
}

QString voiceFor(UserWords::Variant variant) {
    return variant == UserWords::Variant::British ? QStringLiteral("en-gb") : QStringLiteral("en-us");
}

} // namespace

WordEditDialog::WordEditDialog(const QString& root, const UserWords::Word* existing, QWidget* parent)
    : QDialog(parent), root_(root), changing_(existing != nullptr) {
    setObjectName(QStringLiteral("WordEditDialog"));
    setWindowTitle(changing_ ? QStringLiteral("Change a word") : QStringLiteral("Add a word"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    word_ = new QLineEdit(this);
    word_->setObjectName(QStringLiteral("wordEdit"));
    word_->setMaxLength(WordRules::kMaxWordLength);
    word_->setAccessibleName(QStringLiteral("Word"));
    form->addRow(QStringLiteral("&Word:"), word_);
    subject_ = new QComboBox(this);
    subject_->setObjectName(QStringLiteral("subjectBox"));
    subject_->setAccessibleName(QStringLiteral("Subject"));
    for (const QString& folder : QStringList{UserWords::MySubject} + Subjects::all())
        subject_->addItem(Subjects::shownName(folder, britishEnglish()), folder);
    form->addRow(QStringLiteral("&Subject:"), subject_);
    variant_ = new QComboBox(this);
    variant_->setObjectName(QStringLiteral("variantBox"));
    variant_->setAccessibleName(QStringLiteral("English"));
    variant_->addItems({QStringLiteral("British and American"), QStringLiteral("British only"),
                        QStringLiteral("American only")});
    form->addRow(QStringLiteral("&English:"), variant_);
    layout->addLayout(form);

    auto* pictureRow = new QHBoxLayout;
    picture_ = new QLabel(QStringLiteral("Drop a picture here,\npaste one (Ctrl+V)\nor choose a file"), this);
    picture_->setObjectName(QStringLiteral("pictureLabel"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFixedSize(kPreview);
    picture_->setFrameShape(QFrame::StyledPanel);
    pictureRow->addWidget(picture_);
    auto* choose = new QPushButton(QStringLiteral("&Picture…"), this);
    choose->setObjectName(QStringLiteral("pictureButton"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &WordEditDialog::choosePicture);
    pictureRow->addWidget(choose, 0, Qt::AlignTop);
    layout->addLayout(pictureRow);

    auto* voices = new QButtonGroup(this);
    recordOption_ = new QRadioButton(QStringLiteral("&Record my voice"), this);
    computerOption_ = new QRadioButton(QStringLiteral("The &computer's voice"), this);
    fileOption_ = new QRadioButton(QStringLiteral("A sound &file"), this);
    for (QRadioButton* option : {recordOption_, computerOption_, fileOption_}) {
        voices->addButton(option);
        layout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, &WordEditDialog::updateButtons);
    }
    auto* soundRow = new QHBoxLayout;
    record_ = new QPushButton(QStringLiteral("Recor&d"), this);
    record_->setObjectName(QStringLiteral("recordButton"));
    play_ = new QPushButton(QStringLiteral("P&lay"), this);
    play_->setObjectName(QStringLiteral("playButton"));
    soundFileButton_ = new QPushButton(QStringLiteral("S&ound file…"), this);
    meter_ = new QProgressBar(this);
    meter_->setObjectName(QStringLiteral("levelMeter"));
    meter_->setAccessibleName(QStringLiteral("Microphone level"));
    meter_->setRange(0, 100);
    meter_->setTextVisible(false);
    for (QPushButton* b : {record_, play_, soundFileButton_}) {
        b->setAutoDefault(false);
        soundRow->addWidget(b);
    }
    soundRow->addWidget(meter_, 1);
    layout->addLayout(soundRow);
    connect(record_, &QPushButton::clicked, this, [this] {
        recorder_->isRecording() ? stopRecording() : startRecording();
    });
    connect(play_, &QPushButton::clicked, this, &WordEditDialog::playVoice);
    connect(soundFileButton_, &QPushButton::clicked, this, &WordEditDialog::chooseSoundFile);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLabel"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(changing_ ? QStringLiteral("Save") : QStringLiteral("Add"));
    connect(buttons, &QDialogButtonBox::accepted, this, &WordEditDialog::store);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    recorder_ = new SoundRecorder(this);
    connect(recorder_, &SoundRecorder::levelChanged, this, [this](double level) { meter_->setValue(int(level * 100)); });
    connect(recorder_, &SoundRecorder::limitReached, this, [this] {
        stopRecording();
        say(QStringLiteral("Recording stopped at %1 seconds.").arg(SoundRecorder::MaxSeconds) + u' ' + status_->text());
    });

    if (changing_) {
        existing_ = *existing;
        word_->setText(existing_.word);
        subject_->setCurrentIndex(std::max(0, subject_->findData(existing_.subject)));
        variant_->setCurrentIndex(int(existing_.variant));
        takePictureFile(existing_.picturePath);
        if (!existing_.soundPath.isEmpty()) {
            QString why;
            soundFile_ = SoundFiles::readPlayable(existing_.soundPath, &why);
        }
        fileOption_->setText(QStringLiteral("Keep its sound, or a sound &file"));
        fileOption_->setChecked(true);
    } else {
        recordOption_->setChecked(true);
    }
    say({});
    updateButtons();
}

WordEditDialog::~WordEditDialog() = default;

void WordEditDialog::say(const QString& text) {
    status_->setText(text);
}

void WordEditDialog::updateButtons() {
    const bool recording = recorder_ && recorder_->isRecording();
    record_->setEnabled(recordOption_->isChecked());
    record_->setText(recording ? QStringLiteral("Stop") : recording_.samples.isEmpty() ? QStringLiteral("Recor&d")
                                                                                        : QStringLiteral("Recor&d again"));
    meter_->setEnabled(recordOption_->isChecked());
    soundFileButton_->setEnabled(fileOption_->isChecked());
    play_->setEnabled(!recording);
    ok_->setEnabled(!recording);
}

void WordEditDialog::setVoice(Voice voice) {
    (voice == Voice::Recorded ? recordOption_ : voice == Voice::Computer ? computerOption_ : fileOption_)->setChecked(true);
}

bool WordEditDialog::takePictureFile(const QString& path) {
    QByteArray format;
    QString why;
    const QImage image = StoredPicture::read(path, &format, &why);
    if (image.isNull()) {
        say(QStringLiteral("That picture cannot be used: %1.").arg(why));
        return false;
    }
    takePicture(image, StoredPicture::isPhotoFormat(format));
    return true;
}

void WordEditDialog::takePicture(const QImage& image, bool photo) {
    image_ = image;
    photo_ = photo;
    picture_->setPixmap(QPixmap::fromImage(image.scaled(kPreview, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    say({});
}

void WordEditDialog::choosePicture() {
    QStringList patterns;
    for (const QByteArray& f : QImageReader::supportedImageFormats()) patterns << QStringLiteral("*.") + QString::fromLatin1(f);
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Choose a picture"), QString(),
                                                      QStringLiteral("Pictures (%1)").arg(patterns.join(u' ')));
    if (!path.isEmpty()) takePictureFile(path);
}

void WordEditDialog::takeSoundFile(const QString& path) {
    QString why;
    const QByteArray data = SoundFiles::readPlayable(path, &why);
    if (data.isEmpty()) {
        say(QStringLiteral("That sound cannot be used: %1.").arg(why));
        return;
    }
    soundFile_ = data;
    fileOption_->setChecked(true);
    say(QStringLiteral("The sound file is ready."));
}

void WordEditDialog::chooseSoundFile() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Choose a sound"), QString(),
                                                      QStringLiteral("Sounds (*.ogg *.mp3 *.wav *.oga *.opus)"));
    if (!path.isEmpty()) takeSoundFile(path);
}

void WordEditDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasImage()) event->acceptProposedAction();
}

void WordEditDialog::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasImage()) {
        takePicture(qvariant_cast<QImage>(data->imageData()), true);
    } else if (data->hasUrls() && data->urls().first().isLocalFile()) {
        const QString path = data->urls().first().toLocalFile();
        QString why;
        // A dropped sound is the voice; anything else is taken for a picture.
        if (!SoundFiles::readPlayable(path, &why).isEmpty()) takeSoundFile(path);
        else takePictureFile(path);
    }
    event->acceptProposedAction();
}

void WordEditDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !word_->hasFocus()) {
        const QImage image = QApplication::clipboard()->image();
        if (image.isNull()) say(QStringLiteral("There is no picture to paste."));
        else takePicture(image, true);
        return;
    }
    QDialog::keyPressEvent(event);
}

void WordEditDialog::startRecording() {
    recording_ = Pcm();
    QString why;
    if (!recorder_->start(&why)) {
        say(why + u'.');
        updateButtons();
        return;
    }
    say(QStringLiteral("Recording: say the word, then press Stop."));
    updateButtons();
}

void WordEditDialog::stopRecording() {
    recorder_->stop();
    meter_->setValue(0);
    Pcm pcm = recorder_->recorded();
    QString why;
    if (SoundRecorder::finish(&pcm, &why)) {
        recording_ = pcm;
        say(QStringLiteral("Recorded %1 s. Play it, or record again.").arg(pcm.seconds(), 0, 'f', 1));
    } else {
        say(why + u'.');
    }
    updateButtons();
}

QString WordEditDialog::voicePreview() {
    if (!preview_.isValid()) return {};
    const QString path = preview_.filePath(QStringLiteral("preview.eda"));
    QString why;
    QFile::remove(path);
    if (recordOption_->isChecked() && !recording_.samples.isEmpty() && OggEncoder::write(recording_, path, &why))
        return path;
    if (fileOption_->isChecked() && !soundFile_.isEmpty() && writeBytes(soundFile_, path, &why)) return path;
    if (computerOption_->isChecked()) {
        const QString word = word_->text().simplified();
        if (!word.isEmpty() && Speech::makeWordSound(word, voiceFor(UserWords::Variant(variant_->currentIndex())), path, &why))
            return path;
        if (!why.isEmpty()) say(QStringLiteral("The computer's voice cannot speak now: %1.").arg(why));
    }
    return {};
}

void WordEditDialog::playVoice() {
    const QString path = voicePreview();
    if (path.isEmpty()) {
        if (status_->text().isEmpty()) say(QStringLiteral("There is no voice to play yet."));
        return;
    }
    playSoundFile(path);
}

void WordEditDialog::store() {
    const QString word = word_->text().simplified();
    const QString problem = WordRules::unplayableReason(word);
    if (!problem.isEmpty()) {
        say(QStringLiteral("This word cannot be played: it %1.").arg(problem));
        return;
    }
    if (image_.isNull()) {
        say(QStringLiteral("Choose a picture for the word first."));
        return;
    }
    UserWords::NewWord entry;
    entry.subject = subject_->currentData().toString();
    entry.word = word;
    entry.variant = UserWords::Variant(variant_->currentIndex());
    entry.picture = image_;
    entry.photo = photo_;
    if (recordOption_->isChecked()) {
        if (recording_.samples.isEmpty()) {
            say(QStringLiteral("Record the word first, or choose another voice."));
            return;
        }
        const Pcm pcm = recording_;
        entry.writeSound = [pcm](const QString& path, QString* error) { return OggEncoder::write(pcm, path, error); };
    } else if (fileOption_->isChecked()) {
        if (soundFile_.isEmpty()) {
            say(QStringLiteral("Choose a sound file first, or another voice."));
            return;
        }
        const QByteArray bytes = soundFile_;
        entry.writeSound = [bytes](const QString& path, QString* error) { return writeBytes(bytes, path, error); };
    } else {
        const QString voice = voiceFor(entry.variant);
        entry.writeSound = [word, voice](const QString& path, QString* error) {
            return Speech::makeWordSound(word, voice, path, error);
        };
    }
    const bool same = changing_ && existing_.subject == UserWords::canonicalSubject(entry.subject) &&
                      existing_.word.compare(word, Qt::CaseInsensitive) == 0;
    UserWords::Word other;
    if (!same && UserWords::find(root_, entry.subject, word, &other)) {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Replace a word"),
            QStringLiteral("\"%1\" is already in %2. Replace it?").arg(other.word, other.subject),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString why;
    const bool stored = UserWords::add(root_, entry, &why);
    QApplication::restoreOverrideCursor();
    if (!stored) {
        say(QStringLiteral("The word was not stored: %1. Nothing was changed.").arg(why));
        return;
    }
    if (changing_ && !same) UserWords::remove(existing_, &why);
    accept();
}
