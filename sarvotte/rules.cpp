// Sarvotte rules: the deal, legal moves, carrying a move out, the stock, the end of a game.
#include "sarvotte/rules.hpp"

#include "sarvotte/computer_player.hpp"

#include "platform/density.hpp"
#include "cards/random.hpp"

namespace sarvotte {

namespace {

inline constexpr std::size_t endsKept = 4;

CardFace faceOf(const ct::Card& card) { return CardFace{card.suit, card.rank}; }

void setUp(ct::CardSet& set, ct::Invalidator* window, int x, int y, int perRow, int spread, int faceDown, int back)
{
    set.window = window;
    set.originX = ct::scaleX(x);
    set.originY = ct::scaleY(y);
    set.sortMode = -1;
    set.perRow = perRow;
    set.spread = spread;
    set.faceDown = faceDown;
    for (ct::Card& card : set.cards) {
        card.window = window;
        card.faceDown = faceDown;
    }
    set.setBack(back);
}

} // namespace

SarvotteState::SarvotteState()
{
    deck.setUp(ct::PackTemplate::Standard52);
}

bool cardsMatch(const ct::Card& a, const ct::Card& b)
{
    return a.rank == b.rank || a.suit == b.suit;
}

bool isLegalMove(const ct::CardSet& row, int source, int target)
{
    if (source < 0 || source >= row.count() || target < 0)
        return false;
    const int distance = source - target;
    if (distance != 1 && distance != 3)
        return false;
    return cardsMatch(row.cards[static_cast<std::size_t>(source)], row.cards[static_cast<std::size_t>(target)]);
}

void setUpSets(SarvotteState& s, int back)
{
    // The row: nine cards a line, full card width apart; the stock: one face-down pile.
    setUp(s.cardRow, s.window, 2, 2, 9, 2, 0, back);
    setUp(s.stock, s.window, 201, 2, 100, 5, 1, back);
}

void dealNewGame(SarvotteState& s, int back)
{
    s.deals.begin();
    s.computerScore = 0;
    s.humanScore = 0;
    s.patienceOver = 0;
    s.cardRow.clear();
    s.stock.clear();
    s.leftPlay.clear();
    s.previousMoves = std::move(s.moves);
    s.moves.clear();
    setUpSets(s, back);
    s.deck.reset();

    // Drawn once per run; later games keep what the end of the previous game decided.
    if (s.computerToMove == -1)
        s.computerToMove = ct::randomInt(0, 100) > 50 ? 1 : 0;

    int rank = 0;
    int suit = 0;
    while (s.deck.draw(rank, suit) >= 0)
        s.stock.append(suit, rank);

    const int opening = s.allCards != 0 ? packSize : s.patienceMode != 0 ? patienceOpening : twoPlayerOpening;
    for (int i = 0; i < opening; ++i)
        dealFromStock(s);
    s.stock.relayout();
    s.cardRow.relayout();
}

bool dealFromStock(SarvotteState& s)
{
    if (s.stock.empty())
        return false;
    s.stock.clearSelection();
    s.stock.last().setSelected(1);
    // The card arrives unselected; a card the human had selected in the row stays selected.
    s.stock.moveSelectedTo(s.cardRow);
    return true;
}

bool takeFromStock(SarvotteState& s, Mover taker)
{
    if (!dealFromStock(s))
        return false;
    (taker == Mover::computer ? s.computerScore : s.humanScore) -= 1;
    return true;
}

void scoreMove(SarvotteState& s, const Move& move, Mover mover)
{
    const ct::Card& covered = s.cardRow.cards.at(static_cast<std::size_t>(move.target));
    (mover == Mover::computer ? s.computerScore : s.humanScore) += covered.rank;
}

void moveCard(SarvotteState& s, const Move& move, Mover mover)
{
    ct::Card& moving = s.cardRow.cards.at(static_cast<std::size_t>(move.source));
    ct::Card& covered = s.cardRow.cards.at(static_cast<std::size_t>(move.target));
    s.moves.push_back(MoveRecord{mover, move.source, move.target, faceOf(moving), faceOf(covered), s.patienceMode != 0});
    s.leftPlay.push_back(faceOf(covered));
    covered.suit = moving.suit;
    covered.rank = moving.rank;
    moving.keep = 0;
    s.cardRow.clearSelection();
    s.cardRow.purge();
}

void makeMove(SarvotteState& s, const Move& move, Mover mover)
{
    scoreMove(s, move, mover);
    moveCard(s, move, mover);
}

bool gameIsOver(const SarvotteState& s)
{
    return s.stock.empty() && !bestMove(s.cardRow).has_value();
}

Outcome outcome(const SarvotteState& s)
{
    if (s.computerScore > s.humanScore)
        return Outcome::computerWins;
    if (s.humanScore > s.computerScore)
        return Outcome::humanWins;
    return Outcome::draw;
}

void setNextMover(SarvotteState& s, Outcome result)
{
    // The winner opens the next game; after a draw the human does.
    s.computerToMove = result == Outcome::computerWins ? 1 : 0;
}

bool recordPatienceResult(SarvotteState& s)
{
    if (s.cardRow.count() >= s.bestPatience)
        return false;
    s.bestPatience = s.cardRow.count();
    return true;
}

void clearRecord(SarvotteState& s)
{
    s.bestPatience = noRecord;
    ++s.recordClears;
}

void noteGameEnd(SarvotteState& s)
{
    GameEnd end;
    for (const ct::Card& card : s.cardRow.cards)
        end.row.push_back(faceOf(card));
    end.stockLeft = s.stock.count();
    end.patience = s.patienceMode != 0;
    s.ends.push_back(std::move(end));
    if (s.ends.size() > endsKept)
        s.ends.erase(s.ends.begin());
}

} // namespace sarvotte
