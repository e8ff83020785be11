#pragma once

// The dots per inch of a display at 100 % scaling, for which every fixed pixel size of the window is given.
constexpr int STANDARD_DOTS_PER_INCH = 96;

// A size given in pixels at 96 DPI, in pixels at the window's DPI, rounded to the nearest pixel with halves
// away from zero, as MulDiv rounds. A DPI the system could not tell (0 or less) keeps the size as it is.
int ScaledToDotsPerInch(int pixelsAtStandardDpi, int dotsPerInch);
