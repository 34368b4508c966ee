// Placement: stores and restores the main window's position (in twips) on the primary screen.
#pragma once

#include <QString>

class QWidget;

void restoreWindowPlacement(QWidget* window, const QString& windowName);
void saveWindowPlacement(QWidget* window, const QString& windowName);
