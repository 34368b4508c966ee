// Main: the start-up sequence, from the application record to the shown main frame.
#pragma once

class QWidget;

// Fills AppState, shows the splash until it closes itself, reads the language, then builds and shows the
// main frame and prepares the high-score caption; with several players, asks who is playing. Returns the
// shown frame (it deletes itself on close).
QWidget* startProgram();
