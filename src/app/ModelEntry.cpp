#include "app/ModelEntry.h"

ModelEntryParts DecodeModelEntry(const std::wstring& entry) {
    ModelEntryParts parts;
    std::wstring* fields[] = {&parts.Model, &parts.DriverName, &parts.DriverPath};
    std::size_t field = 0;
    for (const wchar_t character : entry) {
        if (character == L'|') {
            if (field < 2) {
                ++field;
            }
            continue;
        }
        fields[field]->push_back(character);
    }
    return parts;
}
