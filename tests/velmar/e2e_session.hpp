// The built velmar program for end-to-end tests: whole runs through the shared runner, and an
// interactive session that answers each script line before the next one is chosen.
#pragma once

#include "../e2e/program_runner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmar_e2e {

using nlohmann::json;

inline const std::string program = VELMAR_PROGRAM;

inline const std::vector<std::string> typeNames{"Thrown up", "Thrown up. Transfer", "Bulk",
                                                "Bulk. Transfer", "Japanese", "Japanese. Transfer"};

inline int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

// A whole run: `--headless --seed SEED --dpi DPI --config-dir DIR/config`, the script on stdin.
inline e2e::ProgramRun headless(const e2e::ScratchDir& dir, const std::string& script, int seed = 7,
                                std::vector<std::string> extra = {}, int dpi = 96)
{
    std::vector<std::string> args{"--headless", "--seed", std::to_string(seed), "--dpi", std::to_string(dpi),
                                  "--config-dir", (dir / "config").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return e2e::runProgram(program, args, script, dir);
}

// The lines that choose a game type in the Options dialog and press OK.
inline std::string chooseType(int type)
{
    return "menu options\nselect 1015 " + std::to_string(type) + "\nok\n";
}

// The one state event of a run that asked for it once.
inline json onlyState(const e2e::ProgramRun& run)
{
    const auto states = run.ofKind("state");
    return states.size() == 1 ? states[0] : json();
}

struct CardValue {
    int suit = 0;
    int rank = 0;
    bool selected = false;
};

inline std::vector<CardValue> cardsOf(const json& set)
{
    std::vector<CardValue> cards;
    for (const json& c : set)
        cards.push_back(CardValue{c[0].get<int>(), c[1].get<int>(), c.size() > 2 && c[2].get<int>() == 1});
    return cards;
}

inline int handSize(int type) { return type == 2 || type == 3 ? 18 : 6; }

inline std::string tapAt(std::pair<int, int> p)
{
    return "tap " + std::to_string(p.first) + " " + std::to_string(p.second) + "\n";
}

// Centres of the table's tap areas.
inline std::pair<int, int> playArea(int dpi) { return {scaled(dpi, 100), scaled(dpi, 94)}; }
inline std::pair<int, int> actionButton(int dpi) { return {scaled(dpi, 220), scaled(dpi, 186)}; }

// Where card `index` of the human's hand can be tapped: the part of it that the next card does
// not cover (the hit strip lies two pixels left of the drawn card).
inline std::pair<int, int> handCardPoint(const json& state, std::size_t index, int dpi)
{
    const std::size_t n = state["humanHand"].size();
    const int spread = state["humanHandSpread"].get<int>();
    const int perRow = state["humanHandPerRow"].get<int>();
    const int cw = scaled(dpi, 28);
    const int ch = scaled(dpi, 40);
    const int divisor = spread == 2 ? 1 : spread == 3 ? 3 : 2;
    const int step = cw / divisor;
    const int column = static_cast<int>(index) % perRow;
    const int row = static_cast<int>(index) / perRow;
    const int x = scaled(dpi, 2) + step * column;
    const int y = scaled(dpi, 116) + row * (ch + 1);
    const bool covered = index + 1 < n && column + 1 < perRow;
    return {covered ? x + std::max(0, step / 2 - 2) : x + cw / 2, y + ch / 2};
}

inline bool isResultBox(const json& e)
{
    return e.value("event", "") == "msgbox" && (e["text"] == "You win!" || e["text"] == "I win!");
}

// The last card position that ends a game: the human opens with the last card, or takes and
// lets the computer lay its last one. The stock is empty and the turned-up card gone.
inline json endPosition(int type, bool humanWins)
{
    json fields = {{"deck", {{"cards", json::array()}}}};
    if (type != 4 && type != 5)
        fields["trumpCard"] = {{"suit", 2}, {"rank", 14}, {"hidden", 1}};
    if (humanWins) {
        fields["humanHand"] = json::array({json::array({3, 14, 0})});
        fields["computerHand"] = json::array({json::array({3, 6, 0}), json::array({4, 7, 0})});
        fields["humanRow"] = json::array();
        fields["computerRow"] = json::array();
        fields["computerAttacks"] = 0;
    } else {
        // The computer attacked with a six and gives the other six when the human takes.
        fields["computerRow"] = json::array({json::array({3, 6, 0})});
        fields["humanRow"] = json::array();
        fields["computerHand"] = json::array({json::array({4, 6, 0})});
        fields["humanHand"] = json::array({json::array({1, 7, 0}), json::array({1, 8, 0})});
        fields["computerAttacks"] = 1;
        fields["computerOpened"] = 1;
        fields["humanCountAtOpening"] = 2;
    }
    return fields;
}

// The program running while the test reads its answers: each line sent is followed by `state`,
// and the events up to that state come back. A line that gets no answer within the timeout
// fails the test instead of hanging it.
class Session {
public:
    Session(const e2e::ScratchDir& dir, int seed, std::vector<std::string> extra = {}, int dpi = 96)
    {
        ::signal(SIGPIPE, SIG_IGN);   // a program that died shows up as a failed write
        std::vector<std::string> strings{program,  "--headless", "--seed", std::to_string(seed),
                                         "--dpi",  std::to_string(dpi), "--config-dir",
                                         (dir / "config").string()};
        strings.insert(strings.end(), extra.begin(), extra.end());
        const std::string errFile = (dir / "session-stderr.txt").string();
        int toChild[2];
        int fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (std::string& s : strings)
                argv.push_back(s.data());
            argv.push_back(nullptr);
            const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(toChild[0], 0);
            ::dup2(fromChild[1], 1);
            if (err >= 0)
                ::dup2(err, 2);
            ::close(toChild[0]);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            ::close(fromChild[1]);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        in_ = toChild[1];
        out_ = fromChild[0];
    }

    ~Session() { finish(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool running() const { return pid_ > 0 && in_ >= 0; }

    // Sends `lines` (each ending in a newline) and then `state`; returns every event up to and
    // including the state. Empty when the program did not answer.
    std::vector<json> send(const std::string& lines)
    {
        std::vector<json> events;
        const std::string text = lines + "state\n";
        if (!running() || ::write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            ADD_FAILURE() << "the program no longer reads its script";
            return events;
        }
        for (;;) {
            std::optional<json> event = nextEvent();
            if (!event) {
                ADD_FAILURE() << "no state after \"" << lines << "\"";
                return events;
            }
            events.push_back(*event);
            if (event->value("event", "") == "state")
                return events;
        }
    }

    // Closes the script and waits for the program; its exit status, or -1.
    int finish()
    {
        if (in_ >= 0) {
            ::close(in_);
            in_ = -1;
        }
        if (out_ >= 0) {
            ::close(out_);
            out_ = -1;
        }
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return status_;
    }

private:
    std::optional<json> nextEvent()
    {
        for (;;) {
            const auto newline = buffer_.find('\n');
            if (newline != std::string::npos) {
                const std::string line = buffer_.substr(0, newline);
                buffer_.erase(0, newline + 1);
                try {
                    return json::parse(line);
                } catch (const json::exception&) {
                    ADD_FAILURE() << "not JSON: " << line;
                    continue;
                }
            }
            pollfd fd{out_, POLLIN, 0};
            if (::poll(&fd, 1, timeoutMs) <= 0)
                return std::nullopt;
            char chunk[4096];
            const ssize_t n = ::read(out_, chunk, sizeof chunk);
            if (n <= 0)
                return std::nullopt;
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

    static constexpr int timeoutMs = 20000;
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int status_ = -1;
    std::string buffer_;
};

} // namespace velmar_e2e
