#include "ui/DpiScaling.h"

#include <cstdint>

int ScaledToDotsPerInch(int pixelsAtStandardDpi, int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return pixelsAtStandardDpi;
    }
    const int64_t product = static_cast<int64_t>(pixelsAtStandardDpi) * dotsPerInch;
    const int64_t half = STANDARD_DOTS_PER_INCH / 2;
    return static_cast<int>(product >= 0 ? (product + half) / STANDARD_DOTS_PER_INCH
                                         : (product - half) / STANDARD_DOTS_PER_INCH);
}
