#include "qt/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace voltaro {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Every byte, or false. A short write is tried again for the rest, so that a disk that filled
// up half way names its reason rather than leaving the error unset.
bool writeAllBytes(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// The bytes on the disk, not only in the system's cache. A device or a pipe that cannot be
// synced has nothing more to sync.
std::optional<QString> syncToDisk(QFileDevice& file) {
    if (::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS)
        return std::nullopt;
    return systemReason(errno);
}

// Syncs the folder, so that a file just renamed into it keeps its new name after a power cut.
// The file is in place already, so a folder that cannot be synced changes nothing of that.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Every byte written and synced, or the reason why not.
std::optional<QString> writeAndSync(QFileDevice& file, const QByteArray& bytes) {
    if (!writeAllBytes(file, bytes))
        return file.errorString();
    return syncToDisk(file);
}

bool isDeviceOrPipe(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

std::optional<Failure> writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(file.errorString());
    if (const std::optional<QString> reason = writeAndSync(file, bytes))
        return failureOf(*reason);
    return {};
}

// Takes a failed append back off the end of the file; a device has no end to cut.
void cutBack(QFile& file, qint64 size) {
    if (!file.isSequential() && file.resize(size))
        syncToDisk(file);
}

} // namespace

Failure failureOf(const QString& reason) {
    return {Text::verbatim(reason.toStdString())};
}

Outcome<std::string> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failureOf(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failureOf(file.errorString());
    return bytes.toStdString();
}

std::optional<Failure> replaceFileContents(const QString& path, const QByteArray& bytes) {
    if (isDeviceOrPipe(path))
        return writeInPlace(path, bytes);
    QSaveFile file(path);
    // Unbuffered, so that every failed write is seen here: the buffer's flush inside commit()
    // can fail without commit() saying so, and the empty file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(file.errorString());
    if (const std::optional<QString> reason = writeAndSync(file, bytes)) {
        file.cancelWriting(); // the temporary file goes with the QSaveFile
        return failureOf(*reason);
    }
    if (!file.commit())
        return failureOf(file.errorString());
    syncFolderOf(path);
    return {};
}

std::optional<Failure> appendToFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    // A new file would hold a circuit without its explanation and marker line: not a .cir file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly |
                   QIODevice::Unbuffered))
        return failureOf(file.errorString());
    const qint64 before = file.size();
    if (const std::optional<QString> reason = writeAndSync(file, bytes)) {
        cutBack(file, before);
        return failureOf(*reason);
    }
    return {};
}

} // namespace voltaro
