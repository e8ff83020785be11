#pragma once

#include <string>

// The command interpreter's arguments that run the script and end: AutoRun commands off (/d), so that nothing
// a user set for every interpreter runs with the rights asked for the script; and /s, so that the interpreter
// takes the first and the last quote off what follows /c and keeps everything between them as it is. The path
// between its own quotes then keeps blanks, brackets and & as part of the name.
std::wstring InterpreterArguments(const std::wstring& scriptPath);
