// The baseline of Velbrix's start-up time: a plain Win32 program that shows the main dialog's template, read
// from Velbrix.exe's resources as Velbrix reads it, with the same common controls and manifest, and does
// nothing else: no configuration, no catalogue, no captions, columns or model list.
//   velbrix_bare_dialog PATH\Velbrix.exe
// It ends when the dialog is closed.
#include <windows.h>

#include <commctrl.h>

#include "resource.h"

namespace {

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&classes);

    int argumentCount = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &argumentCount);
    if (arguments == nullptr || argumentCount < 1 || *commandLine == L'\0') {
        return 2;
    }
    const HMODULE velbrix =
        LoadLibraryExW(arguments[0], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    LocalFree(arguments);
    const HRSRC found = velbrix ? FindResourceExW(velbrix, RT_DIALOG, MAKEINTRESOURCEW(IDD_MAIN_DIALOG),
                                                  MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED))
                                : nullptr;
    const HGLOBAL loaded = found ? LoadResource(velbrix, found) : nullptr;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr) {
        return 1;
    }
    DialogBoxIndirectParamW(instance, dialogTemplate, nullptr, DialogProcedure, 0);
    return 0;
}
