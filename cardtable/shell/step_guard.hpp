// A generation counter for deals and games, so that nothing of a finished one runs on.
#pragma once

#include <cstdint>

namespace ct {

// The game's messages are sent synchronously, so a step may, deep inside, end the game and start
// a new deal before it returns. A step takes a token on entry and, after anything that could have
// ended the deal, returns at once when its token has gone stale.
//
//     const auto token = s.deals.current();
//     playCard();
//     if (s.deals.stale(token))
//         return;
class StepGuard {
public:
    using Token = std::uint64_t;

    // A new deal or game begins: every token taken before is stale from now on.
    Token begin() { return ++generation_; }
    // The token of the deal or game in progress.
    Token current() const { return generation_; }
    bool stale(Token token) const { return token != generation_; }

private:
    Token generation_ = 0;
};

} // namespace ct
