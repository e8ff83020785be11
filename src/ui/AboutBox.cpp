#include "ui/AboutBox.h"

AboutBoxTexts LoadAboutBoxTexts(const MessageCatalogue& catalogue) {
    return {catalogue.Text(150), catalogue.Text(103)};
}
