#pragma once

#include <initializer_list>

// Windows looks for a library that is not a Known DLL in the program's own folder before System32, so a file
// that anybody dropped beside the program would run inside it. The first step of each program limits every
// later search to System32, then loads from there the libraries it delay-loads (required) and those that the
// common controls and the shell may ask for by name (where this Windows has them), before anything else can.
// False when the system cannot limit the search or lacks a required library: the program then ends before it
// does anything.
bool LoadSystemLibrariesFromSystem32Only(std::initializer_list<const wchar_t*> required,
                                         std::initializer_list<const wchar_t*> whereAvailable);

// Velbrix's delay-loaded imports.
inline constexpr std::initializer_list<const wchar_t*> VELBRIX_DELAY_LOADED_LIBRARIES = {
    L"comctl32.dll", L"winspool.drv", L"iphlpapi.dll"};
// What the common controls, the spooler and the shell load at start-up on one Windows or another.
inline constexpr std::initializer_list<const wchar_t*> COMMON_CONTROLS_LIBRARIES = {
    L"uxtheme.dll", L"version.dll", L"dwmapi.dll", L"cryptbase.dll", L"propsys.dll", L"userenv.dll"};
