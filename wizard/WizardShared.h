#pragma once
// Shared state of the wizard window's module: the program's folder (with its trailing
// separator), where the recording-line files go, and the item last chosen in the input
// selection dialog (-1 for nothing chosen).
#include <cstdint>
#include <string>

namespace wizard {

extern std::string ProgramFolder;
extern std::int32_t SelectedInput;

}  // namespace wizard
