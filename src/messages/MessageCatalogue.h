#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "messages/names.h"
#include "ports/StringResources.h"

// The catalogue of user-visible texts, every message of names.h, in the window thread's language. Each text is
// looked up by number when it is shown, in the catalogue chosen for the thread language (see
// CatalogueLanguageFor), never through the platform's own resource-language fallback.
class MessageCatalogue {
public:
    MessageCatalogue(IStringResources& resources, uint16_t threadLanguage);

    uint16_t Language() const { return m_language; }

    // Loads message id into text and reports success; a number the catalogue does not hold leaves text as it was.
    bool Load(int id, std::wstring& text) const;
    // The text of message id, or the empty text when the catalogue does not hold it.
    std::wstring Text(int id) const;
    // Message id used as a format text for the integers given (messages 121 and 125).
    std::wstring Format(int id, std::initializer_list<int32_t> values) const;

private:
    IStringResources& m_resources;
    uint16_t m_language;
};
