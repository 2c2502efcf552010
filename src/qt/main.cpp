#include "qt/tcircuits.h"
#include "voltaro/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

namespace {

// `voltaro [FILE]`: --help and --version answer and end the program; a file is opened once the
// window shows, so that its messages and explanation stand over the board.
QString fileToOpen(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A circuit board for teaching direct-current circuits."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A circuit file to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

// --help and --version are answered without a display, as any command-line program does.
bool onlyAsksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Voltaro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(voltaro::kVoltaroVersion));
}

} // namespace

// Cir: the program entry. Sets the application title, creates the main window, centres it on
// the screen, opens the file named on the command line and runs the event loop until the window
// closes.
int main(int argc, char** argv) {
    if (onlyAsksForHelp(argc, argv)) {
        const QCoreApplication answering(argc, argv);
        nameTheProgram();
        fileToOpen(answering); // answers and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    nameTheProgram();
    // Ties the window to the installed desktop entry, and so to its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.voltaro.Voltaro"));
    const QString file = fileToOpen(app);

    voltaro::TCircuits window;
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    if (!file.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, file] { window.openAtStartUp(file.toStdString()); });
    return app.exec();
}
