// One card on the table: its value, the flags the table shows, and where it lies on screen.
#pragma once

#include "platform/geometry.hpp"

#include <vector>

namespace ct {

class Canvas;

namespace detail {

// Links every live object of T into one list, so that a change of screen density can reach
// each of them without the programs keeping lists of their own. A copy joins the list as an
// object of its own; assignment copies values and leaves the links alone.
template <class T>
class LiveList {
public:
    LiveList() { link(); }
    LiveList(const LiveList&) { link(); }
    LiveList& operator=(const LiveList&) { return *this; }
    ~LiveList() { unlink(); }

    // Every live object, newest first; taken before the caller changes any of them.
    static std::vector<T*> all()
    {
        std::vector<T*> out;
        for (LiveList* p = head(); p != nullptr; p = p->next_)
            out.push_back(static_cast<T*>(p));
        return out;
    }

private:
    // Out of line (card.cpp): the list head is one per type, and a compiler that inlined
    // them into a swap would take the temporary's link for a dangling pointer.
    static LiveList*& head();
    void link();
    void unlink();

    LiveList* prev_ = nullptr;
    LiveList* next_ = nullptr;
};

} // namespace detail

// Suits: 1 diamonds, 2 hearts (red), 3 clubs, 4 spades (black). -1 marks "no card".
enum Suit : int { noSuit = -1, diamonds = 1, hearts = 2, clubs = 3, spades = 4 };
inline bool isRedSuit(int suit) { return suit == diamonds || suit == hearts; }

struct Card : detail::LiveList<Card> {
    // Built with the program's card size scaled to the screen density (cardStyle(), layout.hpp).
    Card();

    int tag = 0;                    // never read by the framework
    Invalidator* window = nullptr;  // where the card is shown; copied from its set
    Rect bounds{};                  // (x, y, x + width, y + height) once placed
    int hidden = 0;                 // 1: neither drawn nor hit
    int visibleFlag = 1;            // never read by the framework
    int suit = -1;
    int rank = -1;
    int trump = -1;                 // 1 when suit == owning set's trump suit
    int x = -1;                     // device pixels; -1 = not placed
    int y = -1;
    int back = 0;                   // card-back picture 0..4
    int selected = 0;
    int repaintMark = 1;            // only honoured where the card style asks for it
    int keep = 0;                   // 0 marks the card for purge
    int faceDown = 0;
    int height = 0;
    int width = 0;

    // Suit, rank and position all set: the card is on the table.
    bool isPlaced() const { return suit != -1 && rank != -1 && x != -1 && y != -1; }

    void moveTo(int newX, int newY);
    void setWindow(Invalidator* owner) { window = owner; }
    // Invalidates bounds in the owner window when placed (and, with repaint marks, when marked).
    void invalidate();
    void setHidden(int flag);
    // Changes the selected flag; with repaint marks a change marks the card for repaint.
    void setSelected(int flag);
    // Part of the card the stylus can hit: its strip is shifted two pixels left of the drawn card.
    bool hitTest(int px, int py) const;
    // Draws the card face up or face down into the canvas; false when not drawn.
    bool drawCard(Canvas& canvas) const;
};

} // namespace ct
