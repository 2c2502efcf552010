#pragma once

#include "bench/platform.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace voltaro::test {

// A Platform for tests: answers are queued in advance, every message is recorded, and files
// live in memory. A write can be made to fail, whole or after a number of bytes.
class ScriptedPlatform : public Platform {
public:
    // Answers, taken in order; an empty queue answers No / Cancel.
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    // The name dialog: an empty queue closes it without "Ok". The print dialog: the printable
    // area of the page; an empty queue cancels.
    std::deque<std::optional<std::string>> nameAnswers;
    std::deque<std::optional<PrintableArea>> printerAnswers;
    std::string workingDirectory = "/pupil";
    std::string examples = "/usr/share/voltaro/examples";
    // What the runs remember; a write fails with `rememberFailure` when it is set.
    RememberedFiles remembered;
    std::optional<std::string> rememberFailure;

    // What the program said, in order, in English.
    std::vector<std::string> confirmations;
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
    std::vector<std::string> abouts;
    // The pages of text shown, each its title and then its lines.
    std::vector<std::vector<std::string>> pages;
    std::vector<FileDialogOptions> openDialogs;
    std::vector<FileDialogOptions> saveDialogs;
    std::vector<std::string> nameDialogs; // the name each one was prefilled with
    int printDialogs = 0;
    std::vector<Picture> clipboard; // every picture put there, the last one last
    std::vector<PrintedPage> printedPages;
    std::optional<std::string> printFailure; // when set, printing fails with this reason

    // The files. A path in `unreadable` cannot be read; a write to a path in `failWrites`
    // fails with that reason and leaves the file as it was, as the real platform does.
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> unreadable;
    std::map<std::string, std::string> failWrites;

    bool confirm(const Text& text) override;
    void warning(const Text& text) override;
    void error(const Text& text) override;
    void showAbout(const Text& text) override;
    void showPage(const Text& title, const std::vector<Text>& lines) override;
    std::optional<std::string> openFileName(const FileDialogOptions& options) override;
    std::optional<std::string> saveFileName(const FileDialogOptions& options) override;
    std::string currentDirectory() override;
    bool holdsCircuitFiles(const std::string& folder) override;
    std::string examplesFolder() override;
    RememberedFiles recallFiles() override;
    std::optional<Failure> rememberFiles(const RememberedFiles& kept) override;
    Outcome<std::string> readFile(const std::string& path) override;
    std::optional<Failure> replaceFile(const std::string& path, const std::string& bytes) override;
    std::optional<Failure> appendFile(const std::string& path, const std::string& bytes) override;
    void copyToClipboard(const Picture& picture) override;
    std::optional<std::string> askName(const std::string& name) override;
    std::optional<PrintableArea> choosePrinter() override;
    std::optional<Failure> printPage(const PrintedPage& page) override;

    // Every message box shown, of any kind.
    std::size_t messageCount() const {
        return confirmations.size() + warnings.size() + errors.size() + abouts.size();
    }
};

} // namespace voltaro::test
