// The Trevallo program's string table.
#pragma once

#include <map>
#include <string>

namespace trevallo {

const std::map<int, std::string>& programStrings();
// An unknown id gives an empty string.
const std::string& programString(int id);

} // namespace trevallo
