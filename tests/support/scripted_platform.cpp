#include "support/scripted_platform.h"

namespace voltaro::test {

namespace {

// A reason given as the system would word it.
Failure failed(const std::string& reason) {
    return {Text::verbatim(reason)};
}

template <typename T> std::optional<T> takeFront(std::deque<std::optional<T>>& queue) {
    if (queue.empty())
        return std::nullopt;
    std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
}

} // namespace

bool ScriptedPlatform::confirm(const Text& text) {
    confirmations.push_back(text.english());
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::warning(const Text& text) {
    warnings.push_back(text.english());
}

void ScriptedPlatform::error(const Text& text) {
    errors.push_back(text.english());
}

void ScriptedPlatform::showAbout(const Text& text) {
    abouts.push_back(text.english());
}

void ScriptedPlatform::showPage(const Text& title, const std::vector<Text>& lines) {
    std::vector<std::string> page{title.english()};
    for (const Text& line : lines)
        page.push_back(line.english());
    pages.push_back(page);
}

std::optional<std::string> ScriptedPlatform::openFileName(const FileDialogOptions& options) {
    openDialogs.push_back(options);
    return takeFront(openAnswers);
}

std::optional<std::string> ScriptedPlatform::saveFileName(const FileDialogOptions& options) {
    saveDialogs.push_back(options);
    return takeFront(saveAnswers);
}

std::string ScriptedPlatform::currentDirectory() {
    return workingDirectory;
}

bool ScriptedPlatform::holdsCircuitFiles(const std::string& folder) {
    const std::string prefix = folder + "/";
    for (const auto& [path, bytes] : files)
        if (path.rfind(prefix, 0) == 0 && path.find('/', prefix.size()) == std::string::npos &&
            path.size() > prefix.size() + 4 && path.compare(path.size() - 4, 4, ".cir") == 0)
            return true;
    return false;
}

std::string ScriptedPlatform::examplesFolder() {
    return examples;
}

RememberedFiles ScriptedPlatform::recallFiles() {
    return remembered;
}

std::optional<Failure> ScriptedPlatform::rememberFiles(const RememberedFiles& kept) {
    if (rememberFailure)
        return failed(*rememberFailure);
    remembered = kept;
    return std::nullopt;
}

Outcome<std::string> ScriptedPlatform::readFile(const std::string& path) {
    if (auto it = unreadable.find(path); it != unreadable.end())
        return failed(it->second);
    auto it = files.find(path);
    if (it == files.end())
        return failed("No such file or directory");
    return it->second;
}

std::optional<Failure> ScriptedPlatform::replaceFile(const std::string& path,
                                                     const std::string& bytes) {
    // A replacement that fails leaves the old file whole, as an atomic replace does.
    if (auto it = failWrites.find(path); it != failWrites.end())
        return failed(it->second);
    files[path] = bytes;
    return std::nullopt;
}

std::optional<Failure> ScriptedPlatform::appendFile(const std::string& path,
                                                    const std::string& bytes) {
    if (!files.count(path))
        return failed("No such file or directory");
    if (auto it = failWrites.find(path); it != failWrites.end())
        return failed(it->second);
    files[path] += bytes;
    return std::nullopt;
}

void ScriptedPlatform::copyToClipboard(const Picture& picture) {
    clipboard.push_back(picture);
}

std::optional<std::string> ScriptedPlatform::askName(const std::string& name) {
    nameDialogs.push_back(name);
    return takeFront(nameAnswers);
}

std::optional<PrintableArea> ScriptedPlatform::choosePrinter() {
    ++printDialogs;
    return takeFront(printerAnswers);
}

std::optional<Failure> ScriptedPlatform::printPage(const PrintedPage& page) {
    if (printFailure)
        return failed(*printFailure);
    printedPages.push_back(page);
    return std::nullopt;
}

} // namespace voltaro::test
