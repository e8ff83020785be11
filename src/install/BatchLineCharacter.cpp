#include "install/BatchLineCharacter.h"

bool BreaksBatchLine(wchar_t character) {
    return character == L'"' || character == L'%' || character == L'!' || character < 0x20 || character == 0x7F;
}
