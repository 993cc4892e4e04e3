// The Sarvotte program's string table: title, help link, class name and messages.
#include "sarvotte/strings.hpp"

namespace sarvotte {

const std::map<int, std::string>& programStrings()
{
    static const std::map<int, std::string> table{
        {1, "Sarvotte"},
        {2, "file:sarvotte.0409.htm#%d"},
        {3, "Sarvotte"},
        {4, "About"},
        {300, "There are no possible variants!"},
        {301, "You win!"},
        {302, "I win!"},
        {303, "A draw!"},
    };
    return table;
}

const std::string& programString(int id)
{
    static const std::string none;
    const auto& table = programStrings();
    const auto found = table.find(id);
    return found != table.end() ? found->second : none;
}

} // namespace sarvotte
