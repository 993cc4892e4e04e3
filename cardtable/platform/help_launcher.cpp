// Opening the rules page: link to file URL, and a detached start of the desktop viewer.
#include "platform/help_launcher.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

// The installed data directory as seen from the installed programs' directory.
#ifndef QV_DATA_FROM_PROGRAM
#define QV_DATA_FROM_PROGRAM "../share/qv-cardgames"
#endif

namespace ct {

namespace {

bool plainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                        c == '_' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

std::string percentEncodePath(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                          c == '.' || c == '_' || c == '-' || c == '~';
        if (keep) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    return out;
}

} // namespace

std::string helpPageUrl(std::string_view link, const std::filesystem::path& programDir)
{
    constexpr std::string_view scheme = "file:";
    if (link.substr(0, scheme.size()) != scheme || programDir.empty())
        return {};
    std::string_view rest = link.substr(scheme.size());
    std::string_view anchor;
    if (const auto hash = rest.find('#'); hash != std::string_view::npos) {
        anchor = rest.substr(hash + 1);
        rest = rest.substr(0, hash);
    }
    // The page must be a file beside the program: no directories, no way out of it.
    if (!plainFileName(rest) || (!anchor.empty() && !plainFileName(anchor)))
        return {};
    const std::filesystem::path page = programDir / std::string(rest);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(page, ec))
        return {};
    std::string url = "file://" + percentEncodePath(page.string());
    if (!anchor.empty())
        url += "#" + std::string(anchor);
    return url;
}

std::filesystem::path programDirectory()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return exe.parent_path();
}

std::vector<std::filesystem::path> helpPageDirectories(const std::filesystem::path& programDir)
{
    if (programDir.empty())
        return {};
    return {programDir, (programDir / QV_DATA_FROM_PROGRAM).lexically_normal()};
}

std::string findHelpPage(std::string_view link)
{
    for (const std::filesystem::path& dir : helpPageDirectories(programDirectory()))
        if (std::string url = helpPageUrl(link, dir); !url.empty())
            return url;
    return {};
}

std::string findInPath(std::string_view name)
{
    const char* path = std::getenv("PATH");
    if (!path || name.empty())
        return {};
    std::string_view dirs(path);
    while (!dirs.empty()) {
        const auto colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        if (dir.empty())
            continue;
        const std::string candidate = std::string(dir) + "/" + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool launchDetached(const std::string& programPath, const std::vector<std::string>& args)
{
    // Everything the children need is prepared before forking: after fork only
    // async-signal-safe calls are made.
    std::vector<std::string> strings;
    strings.push_back(programPath);
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);

    // Fork twice: the middle child exits at once and is reaped here, so the viewer is adopted
    // by init and never becomes our zombie, without touching the program's SIGCHLD handling.
    const pid_t child = fork();
    if (child < 0) {
        if (devNull >= 0)
            close(devNull);
        return false;
    }
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            setsid();
            if (devNull >= 0)
                dup2(devNull, STDIN_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    if (devNull >= 0)
        close(devNull);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void openHelpPage(std::string_view link)
{
    const std::string url = findHelpPage(link);
    if (url.empty())
        return;
    const std::string viewer = findInPath("xdg-open");
    if (viewer.empty())
        return;
    launchDetached(viewer, {url});
}

} // namespace ct
