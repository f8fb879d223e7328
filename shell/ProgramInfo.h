#pragma once
// Who the program is: the name it goes by in the maker's program registry and
// on its windows, and its version.

namespace aeriton::shell {

inline constexpr const char* kProgramName = "Aeriton";
inline constexpr const char* kProgramVersion = "0.1.0";

}  // namespace aeriton::shell
