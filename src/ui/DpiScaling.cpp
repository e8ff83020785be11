#include "ui/DpiScaling.h"

#include <cstdint>

int ColumnWidthForList(int pixelsAtStandardDpi, int dotsPerInch, int listWidth, int listWidthAtStandardDpi) {
    if (dotsPerInch == STANDARD_DOTS_PER_INCH) {
        return pixelsAtStandardDpi;
    }
    if (listWidth <= 0 || listWidthAtStandardDpi <= 0) {
        return ScaledToDotsPerInch(pixelsAtStandardDpi, dotsPerInch);
    }
    return static_cast<int>(static_cast<int64_t>(pixelsAtStandardDpi) * listWidth / listWidthAtStandardDpi);
}

int ScaledToDotsPerInch(int pixelsAtStandardDpi, int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return pixelsAtStandardDpi;
    }
    const int64_t product = static_cast<int64_t>(pixelsAtStandardDpi) * dotsPerInch;
    const int64_t half = STANDARD_DOTS_PER_INCH / 2;
    return static_cast<int>(product >= 0 ? (product + half) / STANDARD_DOTS_PER_INCH
                                         : (product - half) / STANDARD_DOTS_PER_INCH);
}
