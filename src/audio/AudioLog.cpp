// AudioLog: the logging category of the sound layer.
#include "audio/AudioLog.h"

Q_LOGGING_CATEGORY(lcAudio, "lexikite.audio")
