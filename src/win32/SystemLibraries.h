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
