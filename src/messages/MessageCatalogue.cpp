#include "messages/MessageCatalogue.h"

#include <vector>

#include "app/LanguageChoice.h"
#include "messages/MessageFormat.h"

MessageCatalogue::MessageCatalogue(IStringResources& resources, uint16_t threadLanguage)
    : m_resources(resources), m_language(CatalogueLanguageFor(threadLanguage)) {}

bool MessageCatalogue::Load(int id, std::wstring& text) const {
    if (id < 0) {
        return false;
    }
    auto found = m_resources.FindString(static_cast<uint32_t>(id), m_language);
    if (!found) {
        return false;
    }
    text = std::move(*found);
    return true;
}

std::wstring MessageCatalogue::Text(int id) const {
    std::wstring text;
    Load(id, text);
    return text;
}

std::wstring MessageCatalogue::Format(int id, std::initializer_list<int32_t> values) const {
    const std::vector<int32_t> arguments(values);
    return FormatMessageText(Text(id), arguments);
}
