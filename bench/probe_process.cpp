#include "probe_process.h"

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

[[noreturn]] void becomeProbe(int out, const std::vector<std::string>& arguments) {
    dup2(out, STDOUT_FILENO);
    const int quiet = open("/dev/null", O_WRONLY); // Qt's notes on the offscreen platform
    if (quiet >= 0)
        dup2(quiet, STDERR_FILENO);
    std::vector<std::string> words = {"voltaro-probe"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    execv("/proc/self/exe", args.data());
    _exit(127);
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
        becomeProbe(out[1], arguments);
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
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return lines;
}

} // namespace voltaro::bench
