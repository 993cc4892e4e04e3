// The Velmar position and play invariants.
#include "velmar/invariants.hpp"

#include "velmar/rules.hpp"
#include "velmar/state_json.hpp"

#include "shell/declared_state.hpp"

#include <functional>

namespace velmar {

namespace {

// Whether `defence` covers `attack`, written apart from the rules' own comparison so that a
// fault there shows here: in the "Japanese" types a spade yields to spades alone; a trump
// covers any other suit; otherwise only a higher card of the same suit.
bool covers(const VelmarState& s, const ct::Card& defence, const ct::Card& attack)
{
    if (s.japanese() && attack.suit == ct::spades)
        return defence.suit == ct::spades && defence.rank > attack.rank;
    if (defence.suit == attack.suit)
        return defence.rank > attack.rank;
    return defence.suit == s.trumpSuit();
}

// True when every defending card can be paired with its own attack card that it beats.
bool defenceBeatsAttack(const VelmarState& s, const ct::CardSet& attack, const ct::CardSet& defence)
{
    const std::size_t n = attack.cards.size();
    std::vector<int> pairedWith(n, -1);   // attack index -> defence index
    std::function<bool(std::size_t, std::vector<bool>&)> pair = [&](std::size_t d, std::vector<bool>& seen) {
        for (std::size_t a = 0; a < n; ++a) {
            if (seen[a] || !covers(s, defence.cards[d], attack.cards[a]))
                continue;
            seen[a] = true;
            if (pairedWith[a] < 0 || pair(static_cast<std::size_t>(pairedWith[a]), seen)) {
                pairedWith[a] = static_cast<int>(d);
                return true;
            }
        }
        return false;
    };
    for (std::size_t d = 0; d < defence.cards.size(); ++d) {
        std::vector<bool> seen(n, false);
        if (!pair(d, seen))
            return false;
    }
    return true;
}

// The rules of play, with `computer` naming the attacker.
std::vector<std::string> playViolations(const VelmarState& s, bool computer)
{
    std::vector<std::string> out;
    const ct::CardSet& attack = computer ? s.computerRow : s.humanRow;
    const ct::CardSet& defence = computer ? s.humanRow : s.computerRow;
    const char* attackName = computer ? "computerRow" : "humanRow";
    if (!defenceBeatsAttack(s, attack, defence))
        out.push_back(std::string("a defending card does not beat the attack card it covers in ") + attackName);
    // Only the opening card may have a rank found nowhere else on the table (a re-sort of the
    // row can move it from the front, so it is not looked for by place).
    std::string unmatched;
    int loners = 0;
    for (const ct::Card& added : attack.cards) {
        int same = 0;
        for (const ct::CardSet* row : {&s.humanRow, &s.computerRow})
            for (const ct::Card& card : row->cards)
                same += card.rank == added.rank ? 1 : 0;
        if (same < 2) {
            ++loners;
            unmatched += " " + ct::cardName(added.suit, added.rank);
        }
    }
    if (loners > 1)
        out.push_back(std::string("attack cards in ") + attackName + " match no rank on the table:" + unmatched);
    // A transfer makes a new defender without a new opening count, so the limit is checked in
    // the types without transfers only.
    const int held = computer ? s.humanCountAtOpening : s.computerCountAtOpening;
    if (s.transferVariant == 0 && attack.count() > held && !attack.empty())
        out.push_back(std::string(attackName) + " holds " + std::to_string(attack.count()) +
                      " cards, more than the defender held at the opening (" + std::to_string(held) + ")");
    return out;
}

} // namespace

std::vector<std::string> positionViolations(const VelmarState& s)
{
    std::vector<std::string> out;
    if (s.transferVariant != transferFor(s.gameType))
        out.push_back("transferVariant " + std::to_string(s.transferVariant) + " does not match gameType " +
                      std::to_string(s.gameType));

    // The turned-up card.
    const int stock = s.deck.remaining();
    if (s.japanese()) {
        if (s.trumpCard.suit != japaneseTrumpSuit || s.trumpCard.rank != phantomRank || s.trumpCard.hidden != 1)
            out.push_back("in a \"Japanese\" game trumpCard must be the hidden diamond " +
                          ct::cardName(japaneseTrumpSuit, phantomRank));
    } else {
        if (s.trumpCard.suit < 1 || s.trumpCard.suit > 4 || s.trumpCard.rank < 6 || s.trumpCard.rank > 14)
            out.push_back("trumpCard " + ct::cardName(s.trumpCard.suit, s.trumpCard.rank) +
                          " is not a card of the pack");
        if (s.trumpCard.hidden == 1 && stock > 0)
            out.push_back("trumpCard has been taken while the stock still holds " + std::to_string(stock) + " cards");
    }
    if ((s.stockCard.hidden == 1) != (stock == 0))
        out.push_back(s.stockCard.hidden == 1 ? "stockCard is hidden but the stock is not empty"
                                              : "stockCard is shown but the stock is empty");

    // The rows follow who attacks: the defender lays one card per attack card at most.
    const bool computer = s.computerAttacks == 1;
    const ct::CardSet& attackRow = computer ? s.computerRow : s.humanRow;
    const ct::CardSet& defenceRow = computer ? s.humanRow : s.computerRow;
    const char* attackName = computer ? "computerRow" : "humanRow";
    const char* defenceName = computer ? "humanRow" : "computerRow";
    if (attackRow.count() > maxRowCards)
        out.push_back(std::string("the attacker's ") + attackName + " holds " + std::to_string(attackRow.count()) +
                      " cards, more than 6");
    if (defenceRow.count() > attackRow.count())
        out.push_back(std::string("the defender's ") + defenceName + " holds more cards than the attacker's " +
                      attackName);

    if (s.extraCardsLeft != -1) {
        if (s.extraCardsLeft < 1 || s.extraCardsLeft > maxRowCards)
            out.push_back("extraCardsLeft " + std::to_string(s.extraCardsLeft) + " is not -1 or 1..6");
        if (s.computerAttacks != 0 || s.humanRow.empty())
            out.push_back("extra cards are offered although the human is not attacking with cards on the table");
    }

    // A win starts a new deal at once: a finished game never stays on the table.
    const bool stockGone = stock == 0 && (s.japanese() || s.trumpCard.hidden == 1);
    if (stockGone && s.computerHand.empty())
        out.push_back("the computer has won but the game goes on");
    else if (stockGone && s.humanHand.empty())
        out.push_back("the human has won but the game goes on");
    return out;
}

std::vector<std::string> consistencyViolations(const VelmarState& s)
{
    auto out = stateSchema().violations(s);
    for (auto [set, name] : {std::pair{&s.humanHand, "humanHand"}, std::pair{&s.computerHand, "computerHand"},
                             std::pair{&s.humanRow, "humanRow"}, std::pair{&s.computerRow, "computerRow"}}) {
        if (set->trumpSuit != s.trumpSuit())
            out.push_back(std::string(name) + " has trump suit " + std::to_string(set->trumpSuit) + ", the game " +
                          std::to_string(s.trumpSuit()));
        for (const ct::Card& card : set->cards)
            if (card.trump != (card.suit == s.trumpSuit() ? 1 : 0))
                out.push_back(std::string(name) + " card " + ct::cardName(card.suit, card.rank) +
                              " has a wrong trump flag");
    }
    if (s.deck.total() != packSize)
        out.push_back("the pack is not set up with 36 cards");
    // computerAttacks follows the attack only between moves (a transfer passes the attack before
    // the flag turns), so the rows must fit the rules with one of the two as the attack.
    auto play = playViolations(s, s.computerAttacks == 1);
    if (!play.empty() && !playViolations(s, s.computerAttacks != 1).empty())
        out.insert(out.end(), play.begin(), play.end());
    return out;
}

std::vector<std::string> starterViolations(const VelmarState& s)
{
    auto lowestTrump = [&](std::initializer_list<const ct::CardSet*> sets) {
        int lowest = 0;
        for (const ct::CardSet* set : sets)
            for (const ct::Card& card : set->cards)
                if (card.suit == s.trumpSuit() && (lowest == 0 || card.rank < lowest))
                    lowest = card.rank;
        return lowest;
    };
    bool computerStarts = s.nextStarter == 1;
    if (s.nextStarter == -1) {
        const int computer = lowestTrump({&s.computerHand, &s.computerRow});
        const int human = lowestTrump({&s.humanHand, &s.humanRow});
        computerStarts = computer != 0 && (human == 0 || computer < human);
    }
    if (computerStarts == (s.computerAttacks == 1))
        return {};
    return {std::string(computerStarts ? "the human" : "the computer") + " opened the deal, nextStarter " +
            std::to_string(s.nextStarter) + " names the other"};
}

} // namespace velmar
