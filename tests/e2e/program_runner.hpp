// Running a built program as a user's shell would: arguments, a script on standard input,
// standard output split into JSON events, the exit status; and reading its screenshots.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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
    std::vector<nlohmann::json> events;    // standard output, one JSON object per line
    bool allLinesJson = true;

    std::vector<nlohmann::json> ofKind(const std::string& kind) const
    {
        std::vector<nlohmann::json> found;
        for (const auto& e : events)
            if (e.value("event", "") == kind)
                found.push_back(e);
        return found;
    }
};

// A scratch directory for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qv-e2e-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& child) const { return path_ / child; }

private:
    std::filesystem::path path_;
};

inline std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `program args…` with `input` as its standard input; files in `scratch` carry the streams,
// so no pipe can fill up and stall either side.
inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input, const ScratchDir& scratch)
{
    const auto inFile = scratch / "stdin.txt";
    const auto outFile = scratch / "stdout.txt";
    const auto errFile = scratch / "stderr.txt";
    std::ofstream(inFile, std::ios::binary) << input;

    std::vector<std::string> strings{program};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    ProgramRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(inFile.c_str(), O_RDONLY);
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0)
            _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0)
        return run;
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(outFile);
    run.err = readAll(errFile);
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        try {
            run.events.push_back(nlohmann::json::parse(line));
        } catch (const nlohmann::json::exception&) {
            run.allLinesJson = false;
        }
    }
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
            surface_ = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Picture()
    {
        if (surface_)
            SDL_FreeSurface(surface_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
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
    SDL_Surface* surface_ = nullptr;
};

} // namespace e2e
