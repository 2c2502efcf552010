#pragma once

#include "bench/platform.h"

namespace voltaro {

// The platform of a workbench that has no window: a tool, a fuzz target, a test that needs
// no answers. It shows nothing and answers every question as a user who declines would: No to
// a confirmation, Cancel to a file dialog, the name dialog and the print dialog. Messages and
// clipboard pictures are dropped. It holds no files: reading fails, and so does every write and
// every page printed. The current directory is none (empty), there are no examples, and
// nothing is remembered between runs.
class NullPlatform : public Platform {
public:
    bool confirm(const Text&) override { return false; }
    void warning(const Text&) override {}
    void error(const Text&) override {}
    void showAbout(const Text&) override {}
    void showPage(const Text&, const std::vector<Text>&) override {}

    std::optional<std::string> openFileName(const FileDialogOptions&) override { return {}; }
    std::optional<std::string> saveFileName(const FileDialogOptions&) override { return {}; }
    std::string currentDirectory() override { return {}; }
    bool holdsCircuitFiles(const std::string&) override { return false; }
    std::string examplesFolder() override { return {}; }
    RememberedFiles recallFiles() override { return {}; }
    std::optional<Failure> rememberFiles(const RememberedFiles&) override { return {}; }

    Outcome<std::string> readFile(const std::string& path) override;
    std::optional<Failure> replaceFile(const std::string& path, const std::string&) override;
    std::optional<Failure> appendFile(const std::string& path, const std::string&) override;

    void copyToClipboard(const Picture&) override {}
    std::optional<std::string> askName(const std::string&) override { return {}; }
    std::optional<PrintableArea> choosePrinter() override { return {}; }
    std::optional<Failure> printPage(const PrintedPage&) override;
};

} // namespace voltaro
