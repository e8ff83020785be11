#include "ui/AboutBox.h"

#include "messages/names.h"

AboutBoxTexts LoadAboutBoxTexts(const MessageCatalogue& catalogue) {
    return {catalogue.Text(MSG_ABOUT_TITLE), catalogue.Text(MSG_ABOUT_VERSION)};
}
