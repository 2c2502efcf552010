#include "qt/qt_platform.h"
#include "qt/twhoami.h"
#include "support/test_runner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

using namespace voltaro;

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void filesAreReplacedReadAndAppended() {
        QTemporaryDir dir;
        QtPlatform platform(nullptr);
        const std::string path = dir.filePath(QStringLiteral("set.cir")).toStdString();
        QVERIFY(platform.replaceFile(path, "first\n").ok);
        QVERIFY(platform.replaceFile(path, "START CIRCUIT DATA\n").ok);
        QVERIFY(platform.appendFile(path, "\n1 2 *\n").ok);
        const ReadResult read = platform.readFile(path);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.bytes, std::string("START CIRCUIT DATA\n\n1 2 *\n"));
    }

    void failuresSayWhichFileAndKeepTheOldOne() {
        QTemporaryDir dir;
        QtPlatform platform(nullptr);
        const QString missingDir = dir.filePath(QStringLiteral("none/set.cir"));
        const FileResult replaced = platform.replaceFile(missingDir.toStdString(), "x");
        QVERIFY2(!replaced.ok, "no file in a folder that does not exist");
        QVERIFY2(QString::fromStdString(replaced.error).contains(QStringLiteral("set.cir")),
                 "the message names the file");
        QVERIFY(!platform.appendFile(missingDir.toStdString(), "x").ok);
        const QString missingFile = dir.filePath(QStringLiteral("new.cir"));
        QVERIFY2(!platform.appendFile(missingFile.toStdString(), "x").ok,
                 "appending does not create a file");
        QVERIFY(!QFileInfo::exists(missingFile));
        QVERIFY(!platform.readFile(missingDir.toStdString()).ok);

        // A folder in the way of the file: the replace fails and the folder stays.
        const QString blocked = dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY(!platform.replaceFile(blocked.toStdString(), "x").ok);
        QVERIFY(QFileInfo(blocked).isDir());
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
};

VOLTARO_TEST_CLASS(QtPlatformTest)
#include "tst_qt_platform.moc"
