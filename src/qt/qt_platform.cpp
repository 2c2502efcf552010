#include "qt/qt_platform.h"

#include "qt/file_io.h"
#include "qt/page_painter.h"
#include "qt/qt_picture.h"
#include "qt/remembered_files.h"
#include "qt/text_page.h"
#include "qt/translated.h"
#include "qt/twhoami.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace voltaro {

namespace {

// The title of every message box.
QString title() {
    return QtPlatform::tr("Voltaro");
}

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

bool QtPlatform::confirm(const Text& text) {
    beforeModal();
    return QMessageBox::question(m_window, title(), translated(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPlatform::warning(const Text& text) {
    beforeModal();
    QMessageBox::warning(m_window, title(), translated(text), QMessageBox::Ok);
}

void QtPlatform::error(const Text& text) {
    beforeModal();
    QMessageBox::critical(m_window, title(), translated(text), QMessageBox::Ok);
}

void QtPlatform::showAbout(const Text& text) {
    beforeModal();
    QMessageBox::about(m_window, tr("About Voltaro"), translated(text));
}

void QtPlatform::showPage(const Text& title, const std::vector<Text>& lines) {
    beforeModal();
    TextPage page(m_window, translated(title), translatedLines(lines));
    page.exec();
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
    QFileDialog dialog(m_window, translated(options.title), fromUtf8(options.directory));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = nameFilters(translated(options.filter).toStdString());
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

bool QtPlatform::holdsCircuitFiles(const std::string& folder) {
    return folderHoldsCircuitFiles(folder);
}

std::string QtPlatform::examplesFolder() {
    return installedExamplesFolder();
}

RememberedFiles QtPlatform::recallFiles() {
    return readRememberedFiles();
}

std::optional<Failure> QtPlatform::rememberFiles(const RememberedFiles& files) {
    return writeRememberedFiles(files);
}

Outcome<std::string> QtPlatform::readFile(const std::string& path) {
    return readWholeFile(fromUtf8(path));
}

std::optional<Failure> QtPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    return replaceFileContents(fromUtf8(path), QByteArray::fromStdString(bytes));
}

std::optional<Failure> QtPlatform::appendFile(const std::string& path, const std::string& bytes) {
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

std::optional<PrintableArea> QtPlatform::choosePrinter() {
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
    return PrintableArea{m_printer->width(), m_printer->height()};
}

std::optional<Failure> QtPlatform::printPage(const PrintedPage& page) {
    if (!m_printer)
        return failureOf(tr("No printer has been chosen."));
    m_printer->setDocName(translated(page.title));
    const QString file = m_printer->outputFileName();
    return file.isEmpty() ? printOnPrinter(page) : printToFile(page, file);
}

std::optional<Failure> QtPlatform::printOnPrinter(const PrintedPage& page) {
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        return failureOf(tr("The printer could not start the page."));
    paintPage(painter, page);
    if (!painter.end())
        return failureOf(tr("The printer could not finish the page."));
    return {};
}

// "Print to file": the document made in memory on the printer's page and resolution, then
// written as every file is, checked to the end, so that a full disk is a failure with its reason
// and an old file of that name stays whole.
std::optional<Failure> QtPlatform::printToFile(const PrintedPage& page, const QString& path) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setPageLayout(m_printer->pageLayout());
    pdf.setResolution(m_printer->resolution());
    pdf.setTitle(m_printer->docName());
    pdf.setCreator(m_printer->creator());
    QPainter painter;
    if (!painter.begin(&pdf))
        return failureOf(tr("The page could not be made."));
    paintPage(painter, page);
    if (!painter.end())
        return failureOf(tr("The page could not be made."));
    if (const std::optional<Failure> failure = replaceFileContents(path, bytes.data()))
        return failureOf(tr("Cannot print to file \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), translated(failure->reason)));
    return {};
}

} // namespace voltaro
