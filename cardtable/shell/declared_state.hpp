// A game's variables declared once: their JSON for scripts, a checked load, and the invariants
// every game shares (each card of the program's pack exactly once, flags, ranges, set limits).
#pragma once

#include "cards/card.hpp"
#include "cards/card_json.hpp"
#include "cards/card_set.hpp"
#include "cards/deck.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace ct {

// Every card of the program's pack (`cardStyle().pack`), by suit, then rank ascending.
std::vector<CardFace> packCards();
bool inPack(int suit, int rank);
// "[suit, rank]"
std::string cardName(int suit, int rank);
// An int field's JSON value: an integer in lo..hi, or true/false where 0 and 1 are allowed.
// Throws std::invalid_argument naming the field.
int parseIntField(const nlohmann::json& value, const std::string& name, int lo, int hi);
// The "card ... is there 2 times", "... is missing" and "... not a card of the pack" findings
// for cards found in the named places.
void checkEachCardOnce(const std::vector<std::pair<CardFace, std::string>>& found, std::vector<std::string>& out);

enum class FieldKind {
    integer,    // int in lo..hi (a flag is 0..1)
    card,       // a stand-alone card {"suit","rank","hidden"}; in the pack while `counted` says so
    cardSet,    // [[suit, rank, selected], ...], at most `hi` cards
    deck,       // the pack: {"remaining", "cards"}
    cardsOut,   // cards that left the game: [[suit, rank], ...]
    looseCards, // stand-alone cards: [{"suit","rank","hidden"}, ...], a fixed number; a shown one is in the pack
    derived,    // read-only value, written but never loaded
};

template <class S>
struct StateField {
    std::string name;
    FieldKind kind = FieldKind::integer;
    int lo = 0;
    int hi = 0;
    // A range only load enforces: the value may lie outside it between loads (layout values).
    bool rangeOnLoad = false;
    std::function<int&(S&)> number;
    std::function<Card&(S&)> card;
    std::function<CardSet&(S&)> set;
    std::function<Deck&(S&)> deck;
    std::function<std::vector<CardFace>&(S&)> faces;
    std::function<std::vector<Card>&(S&)> loose;
    std::function<bool(const S&)> counted;       // card: one of the pack's cards right now
    std::function<nlohmann::json(const S&)> derived;
};

// The list of a game's variables. `S` is its state record: default-constructible, so that a
// load can be built and checked on a scratch record before the live one changes.
template <class S>
class StateSchema {
public:
    using Field = StateField<S>;
    using Findings = std::vector<std::string>;

    explicit StateSchema(std::string program) : prefix_(std::move(program) + " state: ") {}

    // ----------------------------------------------------------------- declaring
    template <class Get>
    StateSchema& integer(std::string name, Get get, int lo, int hi)
    {
        Field f = make(std::move(name), FieldKind::integer, lo, hi);
        f.number = get;
        fields_.push_back(std::move(f));
        return *this;
    }
    StateSchema& integer(std::string name, int S::*member, int lo, int hi)
    {
        return integer(std::move(name), [member](S& s) -> int& { return s.*member; }, lo, hi);
    }
    StateSchema& flag(std::string name, int S::*member) { return integer(std::move(name), member, 0, 1); }
    // A count that only grows: 0 up.
    StateSchema& count(std::string name, int S::*member)
    {
        return integer(std::move(name), member, 0, std::numeric_limits<int>::max());
    }
    // Checked in 0..4 (0 = none) like any range; named for what it holds.
    StateSchema& suit(std::string name, int S::*member) { return integer(std::move(name), member, 0, 4); }
    // An int whose range holds for loading only (how a set is fanned, between relayouts).
    template <class Get>
    StateSchema& layout(std::string name, Get get, int lo, int hi)
    {
        integer(std::move(name), get, lo, hi);
        fields_.back().rangeOnLoad = true;
        return *this;
    }
    // A stand-alone card; `counted` tells when it is one of the pack's cards (null: never).
    StateSchema& card(std::string name, Card S::*member, std::function<bool(const S&)> counted = {})
    {
        Field f = make(std::move(name), FieldKind::card);
        f.card = [member](S& s) -> Card& { return s.*member; };
        f.counted = std::move(counted);
        fields_.push_back(std::move(f));
        return *this;
    }
    StateSchema& cardSet(std::string name, CardSet S::*member, int limit)
    {
        return cardSet(std::move(name), [member](S& s) -> CardSet& { return s.*member; }, limit);
    }
    // A set reached through an accessor: a game's own set type derived from CardSet.
    template <class Get>
        requires std::is_invocable_r_v<CardSet&, Get, S&>
    StateSchema& cardSet(std::string name, Get get, int limit)
    {
        Field f = make(std::move(name), FieldKind::cardSet, 0, limit);
        f.set = get;
        fields_.push_back(std::move(f));
        return *this;
    }
    StateSchema& pack(std::string name, Deck S::*member)
    {
        Field f = make(std::move(name), FieldKind::deck);
        f.deck = [member](S& s) -> Deck& { return s.*member; };
        fields_.push_back(std::move(f));
        return *this;
    }
    StateSchema& cardsOut(std::string name, std::vector<CardFace> S::*member)
    {
        Field f = make(std::move(name), FieldKind::cardsOut);
        f.faces = [member](S& s) -> std::vector<CardFace>& { return s.*member; };
        fields_.push_back(std::move(f));
        return *this;
    }
    // Stand-alone cards kept side by side; each counts as a pack card while it is not hidden.
    StateSchema& looseCards(std::string name, std::vector<Card> S::*member)
    {
        Field f = make(std::move(name), FieldKind::looseCards);
        f.loose = [member](S& s) -> std::vector<Card>& { return s.*member; };
        fields_.push_back(std::move(f));
        return *this;
    }
    StateSchema& derived(std::string name, std::function<nlohmann::json(const S&)> value)
    {
        Field f = make(std::move(name), FieldKind::derived);
        f.derived = std::move(value);
        fields_.push_back(std::move(f));
        return *this;
    }

    // Runs on the scratch record after the given fields are read, before any check: fills in
    // what the given fields imply (a rule set's fixed card, the pack as what is left, ...).
    std::function<void(S& proposed, const nlohmann::json& given)> complete;
    // The game's own conditions on a position, checked with the shared ones before applying.
    std::function<Findings(const S&)> positionRules;
    // Runs on the live record once the fields are applied: layouts, trump flags, repaints.
    std::function<void(S& live, const nlohmann::json& given)> reestablish;

    // ----------------------------------------------------------------- using
    nlohmann::json toJson(const S& s) const
    {
        S& m = const_cast<S&>(s);   // accessors are shared by reading and writing
        nlohmann::json out = nlohmann::json::object();
        for (const Field& f : fields_) {
            switch (f.kind) {
            case FieldKind::integer: out[f.name] = f.number(m); break;
            case FieldKind::card: out[f.name] = ct::toJson(f.card(m)); break;
            case FieldKind::cardSet: out[f.name] = ct::toJson(f.set(m)); break;
            case FieldKind::deck: out[f.name] = ct::toJson(f.deck(m)); break;
            case FieldKind::cardsOut: {
                nlohmann::json list = nlohmann::json::array();
                for (const CardFace& c : f.faces(m))
                    list.push_back(nlohmann::json::array({c.suit, c.rank}));
                out[f.name] = std::move(list);
                break;
            }
            case FieldKind::looseCards: {
                nlohmann::json list = nlohmann::json::array();
                for (const Card& c : f.loose(m))
                    list.push_back(ct::toJson(c));
                out[f.name] = std::move(list);
                break;
            }
            case FieldKind::derived: out[f.name] = f.derived(s); break;
            }
        }
        return out;
    }

    // Sets the fields given, the others keep their values. Everything is read and checked on a
    // scratch copy first; std::invalid_argument names the fault and the live record is untouched.
    void load(S& live, const nlohmann::json& given) const
    {
        if (!given.is_object())
            fail("expected an object of fields, not " + shortDump(given));
        S scratch;
        for (const Field& f : fields_)
            copy(f, live, scratch, false);
        for (const auto& item : given.items())
            read(find(item.key()), scratch, item.value());
        if (complete)
            complete(scratch, given);
        Findings problems = violations(scratch);
        if (!problems.empty()) {
            std::string message = "not a position of the game: ";
            for (std::size_t i = 0; i < problems.size(); ++i)
                message += (i ? "; " : "") + problems[i];
            fail(message);
        }
        for (const Field& f : fields_)
            copy(f, scratch, live, true);
        if (reestablish)
            reestablish(live, given);
    }

    // The shared invariants, then the game's position rules.
    Findings violations(const S& s) const
    {
        S& m = const_cast<S&>(s);
        Findings out;
        std::vector<std::pair<CardFace, std::string>> found;
        for (const Field& f : fields_) {
            switch (f.kind) {
            case FieldKind::integer: {
                const int v = f.number(m);
                if (!f.rangeOnLoad && (v < f.lo || v > f.hi))
                    out.push_back(f.name + " " + std::to_string(v) + " is not in " + std::to_string(f.lo) + ".." +
                                  std::to_string(f.hi));
                break;
            }
            case FieldKind::card:
                if (f.counted && f.counted(s))
                    found.emplace_back(CardFace{f.card(m).suit, f.card(m).rank}, f.name);
                break;
            case FieldKind::cardSet:
                if (f.set(m).count() > f.hi)
                    out.push_back(f.name + " holds " + std::to_string(f.set(m).count()) + " cards, more than " +
                                  std::to_string(f.hi));
                for (const Card& c : f.set(m).cards)
                    found.emplace_back(CardFace{c.suit, c.rank}, f.name);
                break;
            case FieldKind::deck:
                for (const CardFace& c : presentCards(f.deck(m)))
                    found.emplace_back(c, f.name);
                break;
            case FieldKind::cardsOut:
                for (const CardFace& c : f.faces(m))
                    found.emplace_back(c, f.name);
                break;
            case FieldKind::looseCards: collect(f, m, found); break;
            case FieldKind::derived: break;
            }
        }
        // The game's own findings first: they say why a card is where it should not be.
        if (positionRules) {
            Findings own = positionRules(s);
            out.insert(out.end(), own.begin(), own.end());
        }
        checkEachCardOnce(found, out);
        return out;
    }

    // Makes the named pack or cards-out field hold every card of the pack found nowhere else.
    void fillWithRest(S& s, const std::string& name) const
    {
        const Field& target = find(name);
        std::vector<std::pair<CardFace, std::string>> found;
        for (const Field& f : fields_)
            if (&f != &target)
                collect(f, s, found);
        std::vector<CardFace> rest;
        for (const CardFace& c : packCards()) {
            bool used = false;
            for (const auto& [face, where] : found)
                used = used || face == c;
            if (!used)
                rest.push_back(c);
        }
        if (target.kind == FieldKind::deck) {
            Deck& deck = target.deck(s);
            for (const CardFace& c : presentCards(deck))
                deck.setPresent(c.rank, c.suit, false);
            for (const CardFace& c : rest)
                deck.setPresent(c.rank, c.suit, true);
        } else if (target.kind == FieldKind::cardsOut) {
            target.faces(s) = rest;
        }
    }

    [[noreturn]] void fail(const std::string& message) const { throw std::invalid_argument(prefix_ + message); }

private:
    static Field make(std::string name, FieldKind kind, int lo = 0, int hi = 0)
    {
        Field f;
        f.name = std::move(name);
        f.kind = kind;
        f.lo = lo;
        f.hi = hi;
        return f;
    }

    static std::vector<CardFace> presentCards(const Deck& deck)
    {
        std::vector<CardFace> cards;
        for (int i = 0; i < deck.total(); ++i) {
            const auto& slot = deck.slots()[static_cast<std::size_t>(i)];
            if (slot.present)
                cards.push_back(CardFace{slot.suit, slot.rank});
        }
        return cards;
    }

    void collect(const Field& f, S& s, std::vector<std::pair<CardFace, std::string>>& found) const
    {
        if (f.kind == FieldKind::card && f.counted && f.counted(s))
            found.emplace_back(CardFace{f.card(s).suit, f.card(s).rank}, f.name);
        if (f.kind == FieldKind::cardSet)
            for (const Card& c : f.set(s).cards)
                found.emplace_back(CardFace{c.suit, c.rank}, f.name);
        if (f.kind == FieldKind::deck)
            for (const CardFace& c : presentCards(f.deck(s)))
                found.emplace_back(c, f.name);
        if (f.kind == FieldKind::cardsOut)
            for (const CardFace& c : f.faces(s))
                found.emplace_back(c, f.name);
        if (f.kind == FieldKind::looseCards)
            for (const Card& c : f.loose(s))
                if (c.hidden == 0 && c.suit != -1)
                    found.emplace_back(CardFace{c.suit, c.rank}, f.name);
    }

    const Field& find(const std::string& name) const
    {
        for (const Field& f : fields_)
            if (f.name == name && f.kind != FieldKind::derived)
                return f;
        fail("unknown field \"" + name + "\"");
    }

    void read(const Field& f, S& s, const nlohmann::json& value) const
    {
        switch (f.kind) {
        case FieldKind::integer:
            try {
                f.number(s) = parseIntField(value, f.name, f.lo, f.hi);
            } catch (const std::invalid_argument& e) {
                fail(e.what());
            }
            break;
        case FieldKind::card: {
            Card& card = f.card(s);
            card = parseCard(value, card, f.name);
            break;
        }
        case FieldKind::cardSet: {
            CardSet& set = f.set(s);
            setValues(set, parseCardList(value, f.name), set.sortMode);
            break;
        }
        case FieldKind::deck: f.deck(s) = parseDeck(value, f.deck(s), f.name); break;
        case FieldKind::cardsOut: {
            std::vector<CardFace> faces;
            for (const CardValue& c : parseCardList(value, f.name))
                faces.push_back(CardFace{c.suit, c.rank});
            f.faces(s) = std::move(faces);
            break;
        }
        case FieldKind::looseCards: {
            std::vector<Card>& cards = f.loose(s);
            if (!value.is_array() || value.size() != cards.size())
                fail(f.name + " must be an array of " + std::to_string(cards.size()) + " cards, not " + shortDump(value));
            std::vector<Card> read = cards;
            for (std::size_t i = 0; i < cards.size(); ++i)
                read[i] = parseCard(value[i], cards[i], f.name + " card " + std::to_string(i + 1));
            cards = std::move(read);
            break;
        }
        case FieldKind::derived: break;
        }
    }

    // Plain values in the given order, for the scratch record: no window, no layout, no sort.
    static void setValues(CardSet& set, const std::vector<CardValue>& values, int sortMode)
    {
        set.window = nullptr;
        set.sortMode = -1;
        set.cards.clear();
        for (const CardValue& v : values) {
            set.append(v.suit, v.rank);
            set.cards.back().selected = v.selected;
        }
        set.sortMode = sortMode;
    }

    // Copies one field's value; into the scratch record without any window (nothing repaints),
    // into the live one with the repaints its values need.
    static void copy(const Field& f, S& from, S& to, bool live)
    {
        switch (f.kind) {
        case FieldKind::integer: f.number(to) = f.number(from); break;
        case FieldKind::card: {
            Card& target = f.card(to);
            if (live) {
                target.invalidate();
            } else {
                target = f.card(from);
                target.setWindow(nullptr);
            }
            const Card& source = f.card(from);
            target.suit = source.suit;
            target.rank = source.rank;
            target.hidden = source.hidden;
            break;
        }
        case FieldKind::cardSet: {
            CardSet& source = f.set(from);
            CardSet& target = f.set(to);
            std::vector<CardValue> values;
            for (const Card& c : source.cards)
                values.push_back(CardValue{c.suit, c.rank, c.selected});
            target.sortMode = source.sortMode;
            if (live)
                applyCardList(target, values);
            else
                setValues(target, values, source.sortMode);
            break;
        }
        case FieldKind::deck: f.deck(to) = f.deck(from); break;
        case FieldKind::cardsOut: f.faces(to) = f.faces(from); break;
        case FieldKind::looseCards: {
            std::vector<Card>& source = f.loose(from);
            std::vector<Card>& target = f.loose(to);
            if (!live) {
                target = source;
                for (Card& c : target)
                    c.setWindow(nullptr);
                break;
            }
            for (std::size_t i = 0; i < target.size() && i < source.size(); ++i) {
                target[i].invalidate();
                target[i].suit = source[i].suit;
                target[i].rank = source[i].rank;
                target[i].hidden = source[i].hidden;
            }
            break;
        }
        case FieldKind::derived: break;
        }
    }

    std::string prefix_;
    std::vector<Field> fields_;
};

} // namespace ct
