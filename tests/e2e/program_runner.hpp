// Running a built program as a user's shell would: arguments, a script on standard input,
// standard output read as JSON events, the exit status; and reading its screenshots.
#pragma once

#include "settings/test_dir.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

struct ProgramRun {
    int status = -1;                       // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;

    // The events of standard output (one JSON object per line) of this kind.
    std::vector<nlohmann::json> ofKind(const std::string& kind) const
    {
        std::vector<nlohmann::json> found;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            if (auto e = nlohmann::json::parse(line, nullptr, false); e.is_object() && e.value("event", "") == kind)
                found.push_back(e);
        return found;
    }
};

// A scratch directory for one test, removed afterwards.
using ScratchDir = settings_test::TestDir;

inline std::string readAll(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// A word for the shell, quoted whatever it holds.
inline std::string shellWord(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs `program args…` with `input` as its standard input; files in `scratch` carry the streams,
// so no pipe can fill up and stall either side.
inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input, const ScratchDir& scratch)
{
    std::ofstream(scratch / "stdin.txt", std::ios::binary) << input;
    std::string command = shellWord(program);
    for (const std::string& arg : args)
        command += " " + shellWord(arg);
    command += " <" + shellWord((scratch / "stdin.txt").string()) + " >" + shellWord((scratch / "stdout.txt").string()) +
               " 2>" + shellWord((scratch / "stderr.txt").string());
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(scratch / "stdout.txt");
    run.err = readAll(scratch / "stderr.txt");
    return run;
}

struct Pixel {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Pixel& p)
{
    return os << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}

// A PNG read back for pixel checks.
class Picture {
public:
    explicit Picture(const std::filesystem::path& file)
    {
        if (SDL_Surface* loaded = IMG_Load(file.c_str())) {
            surface_.reset(SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0));
            SDL_FreeSurface(loaded);
        }
    }
    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_ ? surface_->w : 0; }
    int height() const { return surface_ ? surface_->h : 0; }
    Pixel at(int x, int y) const
    {
        if (!surface_ || x < 0 || y < 0 || x >= surface_->w || y >= surface_->h)
            return {-1, -1, -1};
        const auto* row = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
        const Uint32 p = reinterpret_cast<const Uint32*>(row)[x];
        return Pixel{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                     static_cast<int>(p & 0xFF)};
    }

private:
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface_{nullptr, &SDL_FreeSurface};
};

} // namespace e2e
