// Pictures: the painters of each embedded picture, all drawn in design pixels.
#pragma once

#include <QSize>

class ArtKit;
class QPainter;

void paintHome(QPainter& p, const ArtKit& kit, QSize size);
void paintMenu(QPainter& p, const ArtKit& kit, QSize size);
void paintScreen(QPainter& p, const ArtKit& kit, QSize size);
void paintCongrats(QPainter& p, const ArtKit& kit, QSize size);
void paintSplash(QPainter& p, const ArtKit& kit, QSize size);
void paintStrip(QPainter& p, const ArtKit& kit, QSize size);

enum class Face { Normal, Hover, Pressed, Disabled };
void paintButton(QPainter& p, QSize size, Face face);

enum class BarKind { Social, Home, Menu, About, Settings };
void paintBar(QPainter& p, const ArtKit& kit, QSize size, BarKind kind, Face face);

enum class SmallIcon { Close, Play, Prev, Next };
void paintSmallIcon(QPainter& p, const ArtKit& kit, QSize size, SmallIcon icon);
