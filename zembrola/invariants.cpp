// What the rules guarantee about every Zembrola position: refused by load, checked after every monkey event.
#include "zembrola/invariants.hpp"

#include "zembrola/rules.hpp"


namespace zembrola {

std::vector<std::string> ruleViolations(const ZembrolaState& s)
{
    std::vector<std::string> out;
    if (s.humanRow.count() > handSize || s.computerRow.count() > handSize)
        out.push_back("a row holds more than four cards");
    if (s.humanHand.count() > handSize || s.computerHand.count() > handSize)
        out.push_back("a hand holds more than four cards");
    if (s.humanRow.empty() && s.computerRow.empty() && s.humanHand.count() != s.computerHand.count())
        out.push_back("hands of unequal size between tricks");

    // A trick the computer answered is scored while it still lies on the table.
    int unscored = setPoints(s.humanHand) + setPoints(s.computerHand);
    if (s.awaitingTap == 0)
        unscored += setPoints(s.humanRow) + setPoints(s.computerRow);
    if (!s.trumpCard.hidden)
        unscored += cardPoints(s.trumpCard.rank);
    for (int i = 0; i < s.deck.total(); ++i) {
        const auto& slot = s.deck.slots()[static_cast<std::size_t>(i)];
        if (slot.present)
            unscored += cardPoints(slot.rank);
    }
    const int scored = (s.humanPoints < 0 ? 0 : s.humanPoints) + (s.computerPoints < 0 ? 0 : s.computerPoints);
    if (scored + unscored != packPoints)
        out.push_back("points taken " + std::to_string(scored) + " + points to come " + std::to_string(unscored) +
                      " != 120");

    for (int penalty : {s.humanPenalty, s.computerPenalty})
        if (penalty < 0 || penalty % 2 != 0)
            out.push_back("penalty " + std::to_string(penalty) + " is not an even count");
    if (s.humanPenalty >= gameEndPenalty || s.computerPenalty >= gameEndPenalty)
        out.push_back("a penalty of 12 or more in a running game");

    // Both hands draw alike from a stock of 28, so an odd stock cannot be refilled evenly.
    if (s.stockLeft() % 2 != 0)
        out.push_back("an odd number of cards left in the stock");
    // The turned-up card leaves the table only with the last draw.
    if (s.trumpCard.hidden && s.deck.remaining() != 0)
        out.push_back("the trump card was drawn before the stock was empty");
    if (s.stockCard.hidden != s.trumpCard.hidden)
        out.push_back("the stock card and the trump card disagree about the stock");
    return out;
}

std::vector<std::string> PenaltyWatch::check(const ZembrolaState& s)
{
    std::vector<std::string> out;
    const bool newGame = s.humanPenalty == 0 && s.computerPenalty == 0;
    if (!newGame && (s.humanPenalty < human_ || s.computerPenalty < computer_))
        out.push_back("a penalty fell within a game");
    human_ = s.humanPenalty;
    computer_ = s.computerPenalty;
    return out;
}

} // namespace zembrola
