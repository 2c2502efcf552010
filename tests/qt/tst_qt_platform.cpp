#include "qt/qt_platform.h"
#include "qt/twhoami.h"
#include "support/test_runner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/mount.h>

using namespace voltaro;

namespace {

// A small tmpfs mounted over a temporary folder, for writes that run out of room; only where
// the test may mount one (as root).
class FullFileSystem {
public:
    FullFileSystem() {
        m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                               "tmpfs", 0, "size=64k") == 0;
    }
    ~FullFileSystem() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }
    // Takes every byte left, down to the last one.
    void fill() const {
        QFile file(path(QStringLiteral("fill")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        for (const qsizetype chunk : {4096, 1})
            while (file.write(QByteArray(chunk, 'x')) == chunk) {
            }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void filesAreReplacedReadAndAppended() {
        QTemporaryDir dir;
        QtPlatform platform(nullptr);
        const std::string path = dir.filePath(QStringLiteral("set.cir")).toStdString();
        QVERIFY(!platform.replaceFile(path, "first\n"));
        QVERIFY(!platform.replaceFile(path, "START CIRCUIT DATA\n"));
        QVERIFY(!platform.appendFile(path, "\n1 2 *\n"));
        const Outcome<std::string> read = platform.readFile(path);
        QVERIFY2(read, read ? "" : read.failure().reason.english().c_str());
        QCOMPARE(*read, std::string("START CIRCUIT DATA\n\n1 2 *\n"));
    }

    void failuresGiveTheReasonAndKeepTheOldOne() {
        QTemporaryDir dir;
        QtPlatform platform(nullptr);
        const QString missingDir = dir.filePath(QStringLiteral("none/set.cir"));
        const std::optional<Failure> replaced = platform.replaceFile(missingDir.toStdString(), "x");
        QVERIFY2(replaced, "no file in a folder that does not exist");
        QCOMPARE(replaced->reason.english(), std::string("No such file or directory"));
        QVERIFY(platform.appendFile(missingDir.toStdString(), "x"));
        const QString missingFile = dir.filePath(QStringLiteral("new.cir"));
        QVERIFY2(platform.appendFile(missingFile.toStdString(), "x"),
                 "appending does not create a file");
        QVERIFY(!QFileInfo::exists(missingFile));
        QVERIFY(!platform.readFile(missingDir.toStdString()));

        // A folder in the way of the file: the replace fails and the folder stays.
        const QString blocked = dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY(platform.replaceFile(blocked.toStdString(), "x"));
        QVERIFY(QFileInfo(blocked).isDir());
    }

    // A device that is always full takes no byte, whether replaced or appended to.
    void aFullDeviceFailsWithItsReason() {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        QtPlatform platform(nullptr);
        for (const std::optional<Failure>& result :
             {platform.replaceFile("/dev/full", "1\r\n *\r\n"),
              platform.appendFile("/dev/full", "1\r\n *\r\n")})
            QCOMPARE(result.value().reason.english(), std::string("No space left on device"));
        QVERIFY2(!QFileInfo(QStringLiteral("/dev/full")).isFile(), "the device is still there");
    }

    // On a full file system nothing is lost: the old file keeps its bytes, a new file is not
    // left behind empty, and a append that runs out of room half way is taken back.
    void aFullFileSystemKeepsEveryOldByte() {
        FullFileSystem disk;
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs needs root");
        const QByteArray old = QByteArray("Explanation\r\nSTART CIRCUIT DATA\r\n").repeated(40);
        QVERIFY(disk.write(QStringLiteral("set.cir"), old));
        disk.fill();
        QtPlatform platform(nullptr);
        const std::string set = disk.path(QStringLiteral("set.cir")).toStdString();
        const std::string circuit = std::string(8000, '1') + "\r\n *\r\n";
        const std::optional<Failure> results[] = {
            platform.replaceFile(set, circuit),
            platform.appendFile(set, circuit),
            platform.replaceFile(disk.path(QStringLiteral("new.cir")).toStdString(), circuit),
        };
        for (const std::optional<Failure>& result : results)
            QCOMPARE(result.value().reason.english(), std::string("No space left on device"));
        QCOMPARE(QByteArray::fromStdString(*platform.readFile(set)), old);
        QCOMPARE(disk.files(), (QStringList{QStringLiteral("fill"), QStringLiteral("set.cir")}));
    }
    void nameDialogHasNoTitleBarButtonsAndEscapeCancels() {
        QtPlatform platform(nullptr);
        TWhoami* dialog = platform.nameDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("I am ...."));
        const Qt::WindowFlags buttons =
            Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint;
        QVERIFY2(!(dialog->windowFlags() & buttons), "no buttons in the title bar");
        QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY2(!platform.askName("Ann"), "Escape closes the dialog without a name");
    }

    void nameFiltersFromPairs_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("labelled") << QStringLiteral("circuits(*.cir)|*.cir")
                                  << QStringList{QStringLiteral("circuits(*.cir)")};
        QTest::newRow("label without patterns")
            << QStringLiteral("Circuits|*.cir|All|*.*")
            << QStringList{QStringLiteral("Circuits (*.cir)"), QStringLiteral("All (*.*)")};
        QTest::newRow("several patterns") << QStringLiteral("Text|*.txt;*.cir")
                                          << QStringList{QStringLiteral("Text (*.txt *.cir)")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void nameFiltersFromPairs() {
        QFETCH(QString, filter);
        QFETCH(QStringList, filters);
        QCOMPARE(QtPlatform::nameFilters(filter.toStdString()), filters);
    }

    // What one run remembers the next reads back, from the test's own settings folder.
    void recentFilesAreKeptForTheNextRun() {
        QVERIFY2(qEnvironmentVariable("XDG_CONFIG_HOME").contains(QStringLiteral("config")),
                 "the test runs with a settings folder of its own");
        QTemporaryDir dir;
        QtPlatform platform(nullptr);
        const std::string folder = dir.path().toStdString();
        const RememberedFiles kept{{folder + "/b.cir", folder + "/a & b.cir"}, folder};
        QVERIFY(!platform.rememberFiles(kept));
        const RememberedFiles read = platform.recallFiles();
        QCOMPARE(read.recent, kept.recent);
        QCOMPARE(read.folder, kept.folder);
        QVERIFY(!platform.holdsCircuitFiles(folder));
        QVERIFY(QFile(dir.filePath(QStringLiteral("b.cir"))).open(QIODevice::WriteOnly));
        QVERIFY(platform.holdsCircuitFiles(folder));
    }
};

VOLTARO_TEST_CLASS(QtPlatformTest)
#include "tst_qt_platform.moc"
