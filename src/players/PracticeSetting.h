// PracticeSetting: the grown-up's switch "Missed words come back", kept in the settings store.
#pragma once

namespace PracticeSetting {

// On unless a grown-up turned it off; off, every game draws its words uniformly at random.
bool missedWordsComeBack();
bool setMissedWordsComeBack(bool on);

} // namespace PracticeSetting
