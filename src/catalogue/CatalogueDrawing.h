#pragma once

#include "catalogue/IonCatalogue.h"
#include "platform/LineRange.h"
#include "platform/TextSurface.h"

// The drawing of both ion lists, shared by the catalogue view and the list printout. It is
// laid out in lines two text heights apart, from y = 10:
//   0 "Cations:", 1 the column headings, 2 .. n+1 the n cations, n+2 empty,
//   n+3 "Anions:", n+4 the column headings, n+5 .. n+4+m the m anions.
namespace catalogue_drawing {

// The number of lines of the drawing.
int lineCount(const IonCatalogue& catalogue);

// The lines that show anything between y = top and y = bottom (drawing coordinates) when
// text is lineHeight high: a line reaches down to its lowered subscripts.
LineRange linesBetween(const IonCatalogue& catalogue, int lineHeight, int top, int bottom);

// Draws the given lines, each moved up by shift (the scroll offset on the screen, 0 on
// paper), in the surface's current font and colour.
void draw(TextSurface& surface, const IonCatalogue& catalogue, LineRange lines, int shift);

// The whole drawing, unshifted.
void drawAll(TextSurface& surface, const IonCatalogue& catalogue);

// The y below the lowest ink of the drawing.
int drawingHeight(const IonCatalogue& catalogue, int lineHeight);

} // namespace catalogue_drawing
