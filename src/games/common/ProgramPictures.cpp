// ProgramPictures: asks the shared picture loader, which remembers what failed to decode.
#include "games/common/ProgramPictures.h"

#include "catalogue/PictureLoader.h"

bool ProgramPictures::knownBroken(const QString& path) {
    return PictureLoader::shared().knownBroken(path);
}

bool ProgramPictures::shows(const QString& path) {
    return PictureLoader::shared().decodes(path);
}

ProgramPictures& ProgramPictures::instance() {
    static ProgramPictures pictures;
    return pictures;
}
