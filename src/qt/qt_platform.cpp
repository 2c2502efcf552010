#include "qt/qt_platform.h"

#include "qt/file_io.h"
#include "qt/page_painter.h"
#include "qt/qt_picture.h"
#include "qt/twhoami.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace voltaro {

namespace {

const QString kTitle = QStringLiteral("Voltaro");

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QtPlatform::QtPlatform(QWidget* window) : m_window(window), m_whoami(new TWhoami(window)) {}

QtPlatform::~QtPlatform() {
    delete m_whoami.data(); // none when the window deleted it first
}

void QtPlatform::beforeModal() const {
    if (m_beforeModal)
        m_beforeModal();
}

bool QtPlatform::confirm(const std::string& text) {
    beforeModal();
    return QMessageBox::question(m_window, kTitle, fromUtf8(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPlatform::warning(const std::string& text) {
    beforeModal();
    QMessageBox::warning(m_window, kTitle, fromUtf8(text), QMessageBox::Ok);
}

void QtPlatform::error(const std::string& text) {
    beforeModal();
    QMessageBox::critical(m_window, kTitle, fromUtf8(text), QMessageBox::Ok);
}

void QtPlatform::showAbout(const std::string& text) {
    beforeModal();
    QMessageBox::about(m_window, QStringLiteral("About Voltaro"), fromUtf8(text));
}

QStringList QtPlatform::nameFilters(const std::string& filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (label.contains(QLatin1Char('('))
                        ? label
                        : label + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

std::optional<std::string> QtPlatform::runFileDialog(const FileDialogOptions& options, bool save) {
    beforeModal();
    QFileDialog dialog(m_window, fromUtf8(options.title), fromUtf8(options.directory));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = nameFilters(options.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(fromUtf8(options.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmReplace);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtPlatform::openFileName(const FileDialogOptions& options) {
    return runFileDialog(options, false);
}

std::optional<std::string> QtPlatform::saveFileName(const FileDialogOptions& options) {
    return runFileDialog(options, true);
}

std::string QtPlatform::currentDirectory() {
    return QDir::currentPath().toStdString();
}

ReadResult QtPlatform::readFile(const std::string& path) {
    return readWholeFile(fromUtf8(path));
}

FileResult QtPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    return replaceFileContents(fromUtf8(path), QByteArray::fromStdString(bytes));
}

FileResult QtPlatform::appendFile(const std::string& path, const std::string& bytes) {
    return appendToFile(fromUtf8(path), QByteArray::fromStdString(bytes));
}

TWhoami* QtPlatform::nameDialog() const {
    return m_whoami.data();
}

void QtPlatform::copyToClipboard(const Picture& picture) {
    QGuiApplication::clipboard()->setImage(toQImage(picture));
}

std::optional<std::string> QtPlatform::askName(const std::string& name) {
    beforeModal();
    m_whoami->setName(fromUtf8(name));
    if (!m_whoami->ask())
        return std::nullopt;
    return m_whoami->name().toStdString();
}

std::optional<int> QtPlatform::choosePrinter() {
    // Made on first use: finding the printers can take a moment. High resolution: the page's
    // pixels are the printer's own.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    bool chosen = false;
    beforeModal();
    if (m_printerSetup) {
        chosen = m_printerSetup(*m_printer);
    } else {
        QPrintDialog dialog(m_printer.get(), m_window);
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (!chosen)
        return std::nullopt;
    return m_printer->width();
}

FileResult QtPlatform::printPage(const PrintedPage& page) {
    if (!m_printer)
        return {false, "No printer has been chosen."};
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        const QString file = QDir::toNativeSeparators(m_printer->outputFileName());
        return {false, file.isEmpty() ? std::string("The printer could not start the page.")
                                      : "Cannot print to file \"" + file.toStdString() +
                                            "\": it cannot be written"};
    }
    paintPage(painter, page);
    if (!painter.end())
        return {false, "The printer could not finish the page."};
    return {};
}

} // namespace voltaro
