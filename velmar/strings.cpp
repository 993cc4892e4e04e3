// The Velmar program's string table: title, help link, class name, game types and messages.
#include "velmar/strings.hpp"

namespace velmar {

const std::map<int, std::string>& programStrings()
{
    static const std::map<int, std::string> table{
        {1, "Pocket Velmar"},
        {2, "file:velmar.0409.htm#%d"},
        {3, "#VLMRTBL"},
        {4, "About"},
        {300, "Thrown up"},
        {301, "Thrown up. Transfer"},
        {302, "Bulk"},
        {303, "Bulk. Transfer"},
        {304, "Japanese"},
        {305, "Japanese. Transfer"},
        {306, "You win!"},
        {307, "Transfer!"},
        {308, "You can give me %d extra card(s)."},
        {309, "Your move!"},
        {310, "Ok (6 cards). My move."},
        {311, "Ok (0 cards). My move."},
        {312, "Transfer?"},
        {313, "Select %d cards"},
        {314, "Bad cards selected"},
        {315, "   Please select a card!"},
        {316, "You have taken %d card(s),\r\n including %d extra one(s)."},
        {317, "You have taken %d card(s)"},
        {318, "Ok. Your move!"},
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

} // namespace velmar
