#include "qt/qt_platform.h"

#include "qt/page_painter.h"
#include "qt/qt_picture.h"
#include "qt/twhoami.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace voltaro {

namespace {

const QString kTitle = QStringLiteral("Voltaro");

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

FileResult failure(const QString& what, const QString& path, const QString& reason) {
    return {false, (what + QStringLiteral(" \"") + QDir::toNativeSeparators(path) +
                    QStringLiteral("\": ") + reason)
                       .toStdString()};
}

} // namespace

ReadResult readWholeFile(const std::string& path) {
    QFile file(fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return {
            false,
            {},
            failure(QStringLiteral("Cannot open file"), file.fileName(), file.errorString()).error};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {
            false,
            {},
            failure(QStringLiteral("Cannot read file"), file.fileName(), file.errorString()).error};
    return {true, bytes.toStdString(), {}};
}

QtPlatform::QtPlatform(QWidget* window) : m_window(window), m_whoami(new TWhoami(window)) {}

QtPlatform::~QtPlatform() {
    delete m_whoami.data(); // none when the window deleted it first
}

bool QtPlatform::confirm(const std::string& text) {
    return QMessageBox::question(m_window, kTitle, fromUtf8(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPlatform::warning(const std::string& text) {
    QMessageBox::warning(m_window, kTitle, fromUtf8(text), QMessageBox::Ok);
}

void QtPlatform::error(const std::string& text) {
    QMessageBox::critical(m_window, kTitle, fromUtf8(text), QMessageBox::Ok);
}

void QtPlatform::showAbout(const std::string& text) {
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
    return readWholeFile(path);
}

FileResult QtPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    QSaveFile file(fromUtf8(path));
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("Cannot create file"), file.fileName(), file.errorString());
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(QStringLiteral("Cannot write file"), file.fileName(), reason);
    }
    if (!file.commit())
        return failure(QStringLiteral("Cannot write file"), file.fileName(), file.errorString());
    return {};
}

FileResult QtPlatform::appendFile(const std::string& path, const std::string& bytes) {
    QFile file(fromUtf8(path));
    // A new file would hold a circuit without its explanation and marker line: not a .cir file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return failure(QStringLiteral("Cannot open file"), file.fileName(), file.errorString());
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush())
        return failure(QStringLiteral("Cannot write file"), file.fileName(), file.errorString());
    return {};
}

TWhoami* QtPlatform::nameDialog() const {
    return m_whoami.data();
}

void QtPlatform::copyToClipboard(const Picture& picture) {
    QGuiApplication::clipboard()->setImage(toQImage(picture));
}

std::optional<std::string> QtPlatform::askName(const std::string& name) {
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
        const QString file = m_printer->outputFileName();
        return {false, file.isEmpty() ? std::string("The printer could not start the page.")
                                      : failure(QStringLiteral("Cannot print to file"), file,
                                                QStringLiteral("it cannot be written"))
                                            .error};
    }
    paintPage(painter, page);
    if (!painter.end())
        return {false, "The printer could not finish the page."};
    return {};
}

} // namespace voltaro
