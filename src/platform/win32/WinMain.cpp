#include <windows.h>

#include "app/CVelbrixApp.h"
#include "platform/win32/Win32ApplicationWindowing.h"
#include "platform/win32/Win32UserInterfaceLanguage.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32UserInterfaceLanguage language;
    Win32ApplicationWindowing windowing(instance);
    CVelbrixApp app(language, windowing);
    app.InitInstance();
    return 0;
}
