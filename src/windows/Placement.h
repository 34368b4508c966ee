// Placement: stores and restores the main window's position (in twips) on the primary screen.
#pragma once

#include <QString>

class QWidget;

void RestoreWindowPlacement(QWidget* window, const QString& windowName);
void SaveWindowPlacement(QWidget* window, const QString& windowName);
