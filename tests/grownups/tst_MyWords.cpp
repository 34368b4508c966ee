// Tests of the grown-up's words windows: adding with a picture and a sound file, replacing only when asked, and
// an import that runs in the background while the window stays responsive.
#include "audio/OggEncoder.h"
#include "catalogue/UserWords.h"
#include "grownups/MyWordsDialog.h"
#include "grownups/WordEditDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Answers the next message box Yes or No.
void answerNextQuestion(bool yes) {
    QTimer::singleShot(0, [yes] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
}

} // namespace

class tst_MyWords : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString root_, picture_, sound_, text_;

private slots:
    void initTestCase() {
        root_ = tmp_.filePath("words");
        picture_ = tmp_.filePath("rex.jpg");
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(Qt::darkYellow);
        QVERIFY(photo.save(picture_));
        Pcm tone;
        tone.samples.fill(6000, tone.rate / 2);
        sound_ = tmp_.filePath("rex.ogg");
        QFile s(sound_);
        QVERIFY(s.open(QIODevice::WriteOnly) && s.write(OggEncoder::encode(tone)) > 0);
        text_ = tmp_.filePath("notes.txt");
        QFile t(text_);
        QVERIFY(t.open(QIODevice::WriteOnly) && t.write("not a picture") > 0);
    }

    // Catches a word stored without its checks, a bad file taken silently, or the same word replaced unasked.
    void addingAWordChecksItAndAsksBeforeReplacing() {
        auto add = [&](const QString& word, const QString& subject) {
            WordEditDialog dialog(root_);
            dialog.wordEdit()->setText(word);
            dialog.subjectBox()->setCurrentText(subject);
            dialog.setVoice(WordEditDialog::Voice::File);
            dialog.takeSoundFile(text_);
            const bool soundRefused = dialog.statusLabel()->text().contains("cannot be used");
            dialog.takeSoundFile(sound_);
            const bool pictureRefused = !dialog.takePictureFile(text_);
            dialog.takePictureFile(picture_);
            dialog.store();
            return soundRefused && pictureRefused && dialog.result() == QDialog::Accepted;
        };
        QVERIFY(add("rex", "farm animals"));
        UserWords::Word stored;
        QVERIFY(UserWords::find(root_, "farm animals", "rex", &stored));
        QVERIFY(!stored.soundPath.isEmpty());

        WordEditDialog bad(root_);
        bad.wordEdit()->setText("   ");
        bad.store();
        QVERIFY(bad.statusLabel()->text().contains("cannot be played"));
        QCOMPARE(bad.result(), int(QDialog::Rejected));

        const QDateTime before = QFileInfo(stored.picturePath).lastModified();
        answerNextQuestion(false);
        QVERIFY(!add("Rex", "farm animals")); // declined: the first one stays
        QCOMPARE(QFileInfo(stored.picturePath).lastModified(), before);
        answerNextQuestion(true);
        QVERIFY(add("rex", "farm animals"));
        QCOMPARE(UserWords::list(root_).size(), 1);
    }

    // Catches an import on the UI thread (no progress, a frozen window) or a list shown before it ends.
    void importRunsInTheBackgroundAndReports() {
        QByteArray csv;
        for (char a = 'a'; a <= 'c'; ++a)  // a week's twelve words, each spoken by the synthesiser
            for (char b = 'a'; b <= 'd'; ++b) csv += QByteArray("q") + a + b + "\n";
        const QString list = tmp_.filePath("class.csv");
        QFile f(list);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(csv) > 0);
        f.close();
        MyWordsDialog dialog(root_, QString());
        QSignalSpy done(&dialog, &MyWordsDialog::imported);
        dialog.importFile(list, "my words");
        QVERIFY(done.isEmpty()); // returned at once; the words come in behind
        QVERIFY(done.wait(60000));
        const ImportReport report = done.first().first().value<ImportReport>();
        QCOMPARE(report.added, 12);
        QCOMPARE(dialog.wordTree()->topLevelItemCount(), 2); // farm animals, my words
    }
};

QTEST_MAIN(tst_MyWords)
#include "tst_MyWords.moc"
