// TEMPORARY stand-ins for units other branches are building; deleted once they land on main.
#include <QDir>
#include <QHash>

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "audio/mlib_AUD.h"
#include "audio/SoundDevice.h"
#include "catalogue/Catalogue.h"
#include "score/ScoreModel.h"
#include "app/LeadingNumber.h"

namespace {
SettingsStore* store = nullptr;
SoundDevice* device = nullptr;
} // namespace

SettingsStore& settingsStore() {
    struct Null : SettingsStore {
        QHash<QString, QString> v;
        QString readString(const QString& k, const QString& n, const QString& d) override {
            return v.value(k.toLower() + "|" + n.toLower(), d);
        }
        bool writeString(const QString& k, const QString& n, const QString& t) override {
            v.insert(k.toLower() + "|" + n.toLower(), t);
            return true;
        }
    };
    static Null fallback;
    return store ? *store : fallback;
}
void setSettingsStore(SettingsStore* s) { store = s; }
QString RegReadString(const QString& k, const QString& n, const QString& d) { return settingsStore().readString(k, n, d); }
bool RegWriteString(const QString& k, const QString& n, const QString& t) { return settingsStore().writeString(k, n, t); }
QString detailsKey() { return appState().RegistryBase + "Settings\\Details"; }
QString windowKey(const QString& w) { return appState().RegistryBase + w + "\\Window"; }

void setSoundDevice(SoundDevice* d) { device = d; }
SoundDevice* soundDevice() { return device; }
void setActiveChildEnabler(std::function<void(bool)>) {}
void PlaySoundFile(const QString& path) {
    if (device && device->open(path, QString())) device->playFrom(0);
}
qint32 GetSoundPosition() { return 0; }
qint32 GetSoundLength() { return 0; }
void PlayLetterSound(const QString&) {}
void SpellWord(const QString&) {}
void PlayResourceSound(const QString& name) {
    if (device) device->playWaveBlocking(name.toLatin1());
}
void PlayClick() { PlayResourceSound("CLICK"); }
void PlayClickHome() { PlayResourceSound("CLICKHOME"); }
void PlayClickGame() { PlayResourceSound("CLICKGAME"); }
void PlayCorrect() { PlayResourceSound("CORRECT"); }
void PlayIncorrect() { PlayResourceSound("INCORRECT"); }
void PlayCongrats() { PlayResourceSound("CONGRATS"); }
void PlayLose() { PlayResourceSound("LOOSE"); }

ScoreModel::ScoreModel(QObject* parent) : QObject(parent) {}
void ScoreModel::AddScore(qint32 points) {
    scoreTag_ = QString::number(leadingInt(scoreTag_) + points);
    scoreCaption_ = scoreCaptionFor(scoreTag_);
    if (leadingInt(highTag_) < leadingInt(scoreTag_)) highTag_ = scoreTag_;
    RegWriteString(detailsKey(), "SCORE-HIGH - " + appState().Section, highTag_);
    highCaption_ = highScoreCaptionFor(highTag_);
    emit changed();
}
void ScoreModel::ResetHighScore() {
    highTag_ = "0";
    RegWriteString(detailsKey(), "Score-High - " + appState().Section, "0");
    highCaption_ = highScoreCaptionFor(highTag_);
    emit changed();
}
void ScoreModel::ResetRunningScore() {
    scoreTag_ = "0";
    scoreCaption_ = "Score: 0 points";
    emit changed();
}
void ScoreModel::LoadHighScore() {
    highTag_ = RegReadString(detailsKey(), "SCORE-HIGH - " + appState().Section, "0");
    highCaption_ = highScoreCaptionFor(highTag_);
    emit changed();
}
void ScoreModel::setScoreCaption(const QString& c) { scoreCaption_ = c; emit changed(); }
void ScoreModel::setHighScoreCaption(const QString& c) { highCaption_ = c; emit changed(); }
QString ScoreModel::scoreCaptionFor(const QString& tag) {
    return "Score: " + tag + (leadingInt(tag) == 1 ? " point" : " points");
}
QString ScoreModel::highScoreCaptionFor(const QString& tag) {
    return "High Score: " + tag + (leadingInt(tag) == 1 ? " point" : " points");
}
ScoreModel& scoreModel() {
    static ScoreModel m;
    return m;
}

namespace Catalogue {
QString filesFolder() { return appState().ProgramFolder + "/files"; }
QString resolvePath(const QString& p) { return p; }
QString subjectFolder(const QString& s) { return filesFolder() + "/" + s; }
QString wordSoundPath(const QString& s, const QString& w) { return subjectFolder(s) + "/" + w + ".eda"; }
} // namespace Catalogue
