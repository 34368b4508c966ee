// LearnersEnglish: the learner's English from the language setting, and its sound files.
#include "app/LearnersEnglish.h"

#include "app/AppState.h"
#include "app/PathIgnoringCase.h"

#include <QFileInfo>

bool britishEnglish() {
    return appState().language == QLatin1String("BRITISH");
}

QString soundInLearnersEnglish(const QString& folder, const QString& file) {
    if (britishEnglish()) {
        // A pack made before the British sounds has only the plain ones.
        const QString british =
            resolvePathIgnoringCase(folder + u'/' + QLatin1String(BritishSoundFolder) + u'/' + file);
        if (QFileInfo(british).isFile()) return british;
    }
    return resolvePathIgnoringCase(folder + u'/' + file);
}
