// The Zembrola program's string table: title, help link, class name and the game's messages.
#include "zembrola/strings.hpp"

namespace zembrola {

const std::map<int, std::string>& programStrings()
{
    static const std::map<int, std::string> table{
        {1, "Zembrola"},
        {2, "file:zembrola.0409.htm#%d"},
        {3, "Zembrola"},
        {4, "About"},
        {300, "Your move!"},
        {301, "My move."},
        {302, "Please select a card!"},
        {303, "Select cards of the same suit only!"},
        {304, "Select %d card(s)."},
        {305, "Your trick, your move."},
        {306, "My trick, my move."},
        {307, "My trick.Tap for continue..."},
        {308, "Your trick.Tap for continue..."},
        {309, "A draw!"},
        {310, "I won the round!"},
        {311, "You won the round!"},
        {312, "You won the game!"},
        {313, "I won the game!"},
        {314, "Error 1"},
        {315, "Error 2"},
        {316, "Error 3"},
        {317, "Error 4"},
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

} // namespace zembrola
