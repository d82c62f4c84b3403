// Controls laid out by Qt's layouts, never by pixels: boxes and grids whose margins and spacing
// come from the style and so follow the font and the scale. Pictures whose pixels mean something
// (palettes, strips, the wheel, the zoom) keep their logical size; everything else flows.
#pragma once

#include <initializer_list>
#include <vector>

#include <QBoxLayout>
#include <QFont>
#include <QGridLayout>
#include <QSize>
#include <QWidget>

namespace tintora {

// A layout on `parent`: its margins from the style, or none (`tight`) for a container whose
// own parent's layout already keeps the distance.
QGridLayout* GridOn(QWidget* parent, bool tight = false);
QHBoxLayout* RowOn(QWidget* parent, bool tight = false);
QVBoxLayout* ColumnOn(QWidget* parent, bool tight = false);

// A row or column of widgets (nullptr: a stretch), without margins of its own, to nest.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
QVBoxLayout* Column(std::initializer_list<QWidget*> widgets);

// Puts `widget` into a box among the widgets other rooms put there, by `order` (smaller first):
// rooms are built in their own order, a column of buttons keeps the reading order.
void AddInOrder(QBoxLayout* box, QWidget* widget, int order);

// A picture whose pixels mean something: exactly its logical size, whatever the font.
void KeepLogicalSize(QWidget* picture, QSize size);

// A field that shows at most `characters` characters of its font: wide enough for them and
// the frame, never cut, never wider.
void FitCharacters(QWidget* field, int characters);

// A text area that shows at least `columns` characters on `lines` lines of its own font, and
// asks for no more (it grows into whatever room there is). Add it to its layout with a
// stretch: a box layout shares spare room by what each control asks for, and gives this one,
// which asks for nothing, less than its least, so it comes to lie over its neighbours.
void MinimumTextArea(QWidget* area, int columns, int lines);

// A label or button that must show `sample` (its longest text) whole: at least that wide.
void ReserveText(QWidget* widget, const QString& sample);

// Chains the keyboard focus through the panes in the order given and, within each pane, in
// reading order (by rows, then left to right) as the layout has placed them. Hidden panes are
// left out: chain again once they show.
void ChainTabOrder(const std::vector<QWidget*>& panes);

// A face the program names for content (the fixed-pitch value field, the colourizer's faces),
// with a fallback through its style hint, at `points` as the window's 8-point font had it:
// sized relative to the desktop's font, so it grows and shrinks with it.
QFont ContentFont(const QString& family, QFont::StyleHint hint, double points, bool bold = false);

}  // namespace tintora
