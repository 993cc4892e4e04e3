// The Trevallo program's string table: title, help link, class name and the game's messages.
#include "trevallo/strings.hpp"

namespace trevallo {

const std::map<int, std::string>& programStrings()
{
    static const std::map<int, std::string> table{
        {1, "Trevallo"},
        {2, "file:trevallo.0409.htm#%d"},
        {3, "Trevallo"},
        {4, "About"},
        {300, "Bad card selected"},
        {301, "Please select card"},
        {302, "You should select suit"},
        {303, "Talon end"},
        {304, "I pass"},
        {305, "I win this round!"},
        {306, "You win this round!"},
        {307, "I win the game!"},
        {308, "You win the game!"},
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

} // namespace trevallo
