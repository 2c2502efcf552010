#include "support/scripted_platform.h"

namespace voltaro::test {

namespace {

template <typename T> std::optional<T> takeFront(std::deque<std::optional<T>>& queue) {
    if (queue.empty())
        return std::nullopt;
    std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
}

} // namespace

bool ScriptedPlatform::confirm(const std::string& text) {
    confirmations.push_back(text);
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::warning(const std::string& text) {
    warnings.push_back(text);
}

void ScriptedPlatform::error(const std::string& text) {
    errors.push_back(text);
}

void ScriptedPlatform::showAbout(const std::string& text) {
    abouts.push_back(text);
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

ReadResult ScriptedPlatform::readFile(const std::string& path) {
    if (auto it = unreadable.find(path); it != unreadable.end())
        return {false, {}, it->second};
    auto it = files.find(path);
    if (it == files.end())
        return {false, {}, "No such file or directory"};
    return {true, it->second, {}};
}

FileResult ScriptedPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    // A replacement that fails leaves the old file whole, as an atomic replace does.
    if (auto it = failWrites.find(path); it != failWrites.end())
        return {false, it->second};
    files[path] = bytes;
    return {};
}

FileResult ScriptedPlatform::appendFile(const std::string& path, const std::string& bytes) {
    if (!files.count(path))
        return {false, "No such file or directory"};
    if (auto it = failWrites.find(path); it != failWrites.end())
        return {false, it->second};
    files[path] += bytes;
    return {};
}

void ScriptedPlatform::copyToClipboard(const Picture& picture) {
    clipboard.push_back(picture);
}

std::optional<std::string> ScriptedPlatform::askName(const std::string& name) {
    nameDialogs.push_back(name);
    return takeFront(nameAnswers);
}

std::optional<int> ScriptedPlatform::choosePrinter() {
    ++printDialogs;
    return takeFront(printerAnswers);
}

FileResult ScriptedPlatform::printPage(const PrintedPage& page) {
    if (printFailure)
        return {false, *printFailure};
    printedPages.push_back(page);
    return {};
}

} // namespace voltaro::test
