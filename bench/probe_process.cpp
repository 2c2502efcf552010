#include "probe_process.h"

#include <chrono>
#include <cstdio>
#include <fstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace voltaro::bench {

namespace {

long statusKb(const std::string& wanted) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Runs `program` in place of this process, its standard output into `out`.
[[noreturn]] void become(const std::string& program, const std::string& name, int out,
                         const std::vector<std::string>& arguments) {
    dup2(out, STDOUT_FILENO);
    const int quiet = open("/dev/null", O_WRONLY); // Qt's notes on the offscreen platform
    if (quiet >= 0)
        dup2(quiet, STDERR_FILENO);
    std::vector<std::string> words = {name};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    execv(program.c_str(), args.data());
    _exit(127);
}

bool endedWell(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string folderOfThisProgram() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string exe(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return exe.substr(0, exe.rfind('/') + 1);
}

} // namespace

long residentKb() {
    return statusKb("VmRSS:");
}

long peakResidentKb() {
    return statusKb("VmHWM:");
}

std::optional<std::vector<std::string>> runProbe(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        become("/proc/self/exe", "voltaro-probe", out[1], arguments);
    }
    close(out[1]);
    if (child < 0) {
        close(out[0]);
        return std::nullopt;
    }
    FILE* reply = fdopen(out[0], "r");
    std::vector<std::string> lines;
    char line[256];
    while (std::fgets(line, sizeof line, reply))
        lines.emplace_back(line);
    std::fclose(reply);
    if (!endedWell(child))
        return std::nullopt;
    return lines;
}

std::optional<double> timeSiblingProgram(const std::string& name,
                                         const std::vector<std::string>& arguments) {
    const std::string program = folderOfThisProgram() + name;
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        become(program, name, nowhere, arguments);
    }
    if (child < 0 || !endedWell(child))
        return std::nullopt;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

} // namespace voltaro::bench
