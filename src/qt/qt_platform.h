#pragma once

#include "bench/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace voltaro {

class TWhoami;

// The outside world through Qt: message boxes titled "Voltaro" over the main window, file
// dialogs, files (checked to the end, see file_io.h), the
// clipboard, the name dialog `TWhoami` (made with the platform, at start-up) and the printer.
// Every text it is given is shown translated (translated.h), and so are its own.
class QtPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    // Sets the printer up in place of the print dialog: true to print.
    using PrinterSetup = std::function<bool(QPrinter& printer)>;

    explicit QtPlatform(QWidget* window);
    ~QtPlatform() override;

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
    std::optional<Failure> rememberFiles(const RememberedFiles& files) override;

    Outcome<std::string> readFile(const std::string& path) override;
    std::optional<Failure> replaceFile(const std::string& path, const std::string& bytes) override;
    std::optional<Failure> appendFile(const std::string& path, const std::string& bytes) override;

    void copyToClipboard(const Picture& picture) override;
    std::optional<std::string> askName(const std::string& name) override;
    std::optional<PrintableArea> choosePrinter() override;
    std::optional<Failure> printPage(const PrintedPage& page) override;

    // Called before every box and dialog, so that the window behind it shows what it holds.
    void setBeforeModal(std::function<void()> hook) { m_beforeModal = std::move(hook); }
    // Replaces the print dialog, as the tests do to print into a PDF file.
    void setPrinterSetup(PrinterSetup setup) { m_printerSetup = std::move(setup); }
    TWhoami* nameDialog() const;

    // "circuits(*.cir)|*.cir|all(*.*)|*.*" as the name filters of a Qt file dialog.
    static QStringList nameFilters(const std::string& filter);

private:
    std::optional<Failure> printOnPrinter(const PrintedPage& page);
    std::optional<Failure> printToFile(const PrintedPage& page, const QString& path);
    std::optional<std::string> runFileDialog(const FileDialogOptions& options, bool save);
    void beforeModal() const;

    QWidget* m_window;
    QPointer<TWhoami> m_whoami;          // a child of the window when there is one
    std::unique_ptr<QPrinter> m_printer; // kept, so that the print dialog remembers its choices
    PrinterSetup m_printerSetup;
    std::function<void()> m_beforeModal;
};

} // namespace voltaro
