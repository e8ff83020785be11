#pragma once

// The dots per inch of a display at 100 % scaling, for which every fixed pixel size of the window is given.
constexpr int STANDARD_DOTS_PER_INCH = 96;

// A size given in pixels at 96 DPI, in pixels at the window's DPI, rounded to the nearest pixel with halves
// away from zero, as MulDiv rounds. A DPI the system could not tell (0 or less) keeps the size as it is.
int ScaledToDotsPerInch(int pixelsAtStandardDpi, int dotsPerInch);

// A column width given in pixels at 96 DPI, for a list that is listWidth pixels wide inside at the window's DPI
// and listWidthAtStandardDpi at 96 DPI. The dialog grows with its font's measures, a little less than the DPI,
// so the columns grow as the list did, rounded down so that together they never pass its edge. At 96 DPI the
// width stays as given; a list whose width is unknown grows its columns with the DPI.
int ColumnWidthForList(int pixelsAtStandardDpi, int dotsPerInch, int listWidth, int listWidthAtStandardDpi);
