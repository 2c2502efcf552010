#include "qt/remembered_files.h"

#include "qt/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace voltaro {

namespace {

const QString kRecentKey = QStringLiteral("files/recent");
const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kExamples = QStringLiteral("voltaro/examples");

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Voltaro"),
                     QStringLiteral("Voltaro"));
}

} // namespace

RememberedFiles readRememberedFiles() {
    const QSettings s = settings();
    RememberedFiles files;
    for (const QString& path : s.value(kRecentKey).toStringList())
        files.recent.push_back(path.toStdString());
    files.folder = s.value(kFolderKey).toString().toStdString();
    return files;
}

std::optional<Failure> writeRememberedFiles(const RememberedFiles& files) {
    QSettings s = settings();
    QStringList recent;
    for (const std::string& path : files.recent)
        recent.append(QString::fromStdString(path));
    s.setValue(kRecentKey, recent);
    s.setValue(kFolderKey, QString::fromStdString(files.folder));
    s.sync();
    if (s.status() == QSettings::NoError)
        return std::nullopt;
    const QString reason =
        QCoreApplication::translate("QtPlatform", "%1 cannot be written").arg(s.fileName());
    return failureOf(reason);
}

std::string installedExamplesFolder() {
    const QDir beside(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") +
                      kExamples);
    if (beside.exists())
        return QDir::cleanPath(beside.absolutePath()).toStdString();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, kExamples,
                                  QStandardPaths::LocateDirectory)
        .toStdString();
}

bool folderHoldsCircuitFiles(const std::string& folder) {
    return !folder.empty() && !QDir(QString::fromStdString(folder))
                                   .entryList({QStringLiteral("*.cir")}, QDir::Files)
                                   .isEmpty();
}

} // namespace voltaro
