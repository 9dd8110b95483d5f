// The program's file and its command-line parameters, split the way the system splits them
// for C programs, without the program's own name. Win32.
#pragma once

#include <string>
#include <vector>

std::vector<std::wstring> ProgramArguments();
// The full path of the program file.
std::wstring ProgramFilePath();
