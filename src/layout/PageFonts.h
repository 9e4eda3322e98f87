#pragma once
// Fonts on the canvas are asked for by character cell height in canvas pixels, as
// the page layouts were designed: a cell height h means QFontMetrics::height() == h
// as nearly as the face allows.

#include <QFont>
#include <QString>

// A font of the family with the given cell height in pixels.
QFont fontWithCellHeight(const QString& family, int cellHeight, int weight = QFont::Bold);
// The program's default text font: "Times New Roman", bold, at that cell height.
QFont defaultTextFont(int cellHeight);
// The canvas's own font before any other is chosen (a plain system-like face, cell height 16).
QFont canvasDefaultFont();
// Average character width of a font, in pixels.
int averageCharWidth(const QFont& font);
