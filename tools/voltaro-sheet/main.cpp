// voltaro-sheet: answer keys, board pictures and printable worksheets for teachers, from .cir
// files or the built-in lessons and worksheets, read, solved and painted as the program does.
#include "sheet_options.h"
#include "sheet_run.h"
#include "voltaro/version.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    using namespace voltaro::sheet;
    // The tool opens no window: it paints on images, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("voltaro-sheet"));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(voltaro::kVoltaroVersion));

    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QTextStream err(stderr);
    const ParsedCommandLine parsed = parseCommandLine(QGuiApplication::arguments());
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        return writeAll(out, usageText().toUtf8()) ? kAllRead : kFileFailed;
    case ParsedCommandLine::Action::Version: {
        const QByteArray line = QByteArray("voltaro-sheet ") + voltaro::kVoltaroVersion + "\n";
        return writeAll(out, line) ? kAllRead : kFileFailed;
    }
    case ParsedCommandLine::Action::UsageError:
        err << "voltaro-sheet: " << parsed.error << "\n\n" << usageText();
        return kUsageError;
    case ParsedCommandLine::Action::Run:
        break;
    }
    return runSheet(parsed.options, out, err);
}
