// The Zembrola program's string table: title, help link, class name and the game's messages.
#pragma once

#include <map>
#include <string>

namespace zembrola {

namespace text {
inline constexpr int yourMove = 300;
inline constexpr int myMove = 301;
inline constexpr int selectACard = 302;
inline constexpr int sameSuitOnly = 303;
inline constexpr int selectCards = 304;       // "%d"
inline constexpr int yourTrickYourMove = 305;
inline constexpr int myTrickMyMove = 306;
inline constexpr int myTrickTap = 307;
inline constexpr int yourTrickTap = 308;
inline constexpr int draw = 309;
inline constexpr int iWonRound = 310;
inline constexpr int youWonRound = 311;
inline constexpr int youWonGame = 312;
inline constexpr int iWonGame = 313;
inline constexpr int error1 = 314;            // 314..317: "Error 1".."Error 4"
} // namespace text

const std::map<int, std::string>& programStrings();
// The string with this identifier; an unknown identifier gives an empty string.
const std::string& programString(int id);

} // namespace zembrola
