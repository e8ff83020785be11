#pragma once

#include <cstdint>

#include "ports/ApplicationWindowing.h"
#include "ports/UserInterfaceLanguage.h"

// The application: prepares the controls, sets the window thread's language and runs the main dialog, whose
// modal loop is the program's only message loop.
class CVelbrixApp {
public:
    CVelbrixApp(IUserInterfaceLanguage& language, IApplicationWindowing& windowing);

    // Runs the whole start-up and the main dialog; returns false once the dialog has closed, so that the
    // program ends instead of entering a message loop of its own.
    bool InitInstance();

private:
    IUserInterfaceLanguage& m_language;
    IApplicationWindowing& m_windowing;
};
