// PlaceholderMainFrame: the empty main frame shown until the real main window takes its place.
#pragma once

class QMainWindow;

// Builds (does not show) the program's main frame: fixed 1024 x 623, titled "Lexikite".
QMainWindow* createMainFrame();
