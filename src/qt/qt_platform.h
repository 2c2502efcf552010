#pragma once

#include "app/platform.h"

#include <QString>

class QWidget;

namespace voltaro {

// The outside world through Qt: message boxes titled "Voltaro" over the main window, file
// dialogs, and files (a replaced file is written beside the old one and swapped in at once).
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* window);

    bool confirm(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    void showAbout(const std::string& text) override;

    std::optional<std::string> openFileName(const FileDialogOptions& options) override;
    std::optional<std::string> saveFileName(const FileDialogOptions& options) override;
    std::string currentDirectory() override;

    ReadResult readFile(const std::string& path) override;
    FileResult replaceFile(const std::string& path, const std::string& bytes) override;
    FileResult appendFile(const std::string& path, const std::string& bytes) override;

    // "circuits(*.cir)|*.cir|all(*.*)|*.*" as the name filters of a Qt file dialog.
    static QStringList nameFilters(const std::string& filter);

private:
    std::optional<std::string> runFileDialog(const FileDialogOptions& options, bool save);

    QWidget* m_window;
};

} // namespace voltaro
