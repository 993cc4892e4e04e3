// The Zembrola computer player: which cards it leads and how it answers the human's lead.
// Fixed rules, no search and no chance; the computer sees the human's hand.
#pragma once

#include "zembrola/game_state.hpp"

namespace zembrola {

// Card points of one suit in a set.
int suitPoints(const ct::CardSet& set, int suit);

// Leads from computerHand into computerRow: the safe lead when the pack holds fewer than 20
// cards or the human has more than 30 points, else the plain lead. Sets computerLeads = 1.
void computerLead(ZembrolaState& s);
// Long suits first, then a cheap pair, then the cheapest suit.
void plainLead(ZembrolaState& s);
// A suit the human cannot beat whole, else a cheap plain suit, else the lowest card.
void safeLead(ZembrolaState& s);
// The richest suit of `hand` that `opponent` cannot cover card by card, or 0.
int safeSuit(CDesk& hand, const CDesk& opponent, int trumpSuit);
// Whether `opponent` can beat every card of `cards` (one suit, ascending), one card each,
// going through the opponent's hand once: 0 every card covered, 1 not, -1 cannot apply.
// Trumps are recognised by trumpSuit, not by the cards' flags.
int canCover(const ct::CardSet& cards, const ct::CardSet& opponent, int trumpSuit);

// Answers the human's row from computerHand into computerRow and scores the trick:
// 1 the computer takes it, 0 the human does, -1 nothing to answer or nothing to answer with
// (nothing then changes).
int computerAnswer(ZembrolaState& s);

} // namespace zembrola
