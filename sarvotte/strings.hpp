// The Sarvotte program's string table: title, help link, class name and messages.
#pragma once

#include <map>
#include <string>

namespace sarvotte {

const std::map<int, std::string>& programStrings();
// The string with this identifier; an unknown identifier gives an empty string.
const std::string& programString(int id);

} // namespace sarvotte
