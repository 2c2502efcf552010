// voltaro-sheet: answer keys, board pictures and printable worksheets for teachers, from .cir
// files or the built-in lessons and worksheets, read, solved and painted as the program does.
#include "sheet_options.h"
#include "sheet_run.h"
#include "voltaro/version.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// What painting needs, and nothing else: the offscreen platform (no display), and a runtime
// folder of the tool's own where none is set, so that Qt has nothing to say on standard error.
class PaintingSetUp {
public:
    PaintingSetUp(int& argc, char** argv) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            m_runtime.emplace();
            if (m_runtime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        }
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }

private:
    std::optional<QTemporaryDir> m_runtime; // outlives the application
    std::unique_ptr<QGuiApplication> m_app;
};

bool asksForPictures(const voltaro::sheet::ParsedCommandLine& parsed) {
    return parsed.action == voltaro::sheet::ParsedCommandLine::Action::Run &&
           (!parsed.options.pngFolder.isEmpty() || !parsed.options.pdfFile.isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    using namespace voltaro::sheet;
    const ParsedCommandLine parsed = parseCommandLine(argumentsOf(argc, argv));
    // An answer key alone needs no fonts and no platform: it starts without an application.
    std::optional<PaintingSetUp> painting;
    if (asksForPictures(parsed))
        painting.emplace(argc, argv);

    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QTextStream err(stderr);
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        return writeAll(out, usageText().toUtf8()) ? kAllRead : kFileFailed;
    case ParsedCommandLine::Action::Version: {
        const QByteArray line = QByteArray("voltaro-sheet ") + voltaro::kVoltaroVersion + "\n";
        return writeAll(out, line) ? kAllRead : kFileFailed;
    }
    case ParsedCommandLine::Action::UsageError:
        err << "voltaro-sheet: " << parsed.error << '\n' << kTryHelp << '\n';
        return kUsageError;
    case ParsedCommandLine::Action::Run:
        break;
    }
    return runSheet(parsed.options, out, err);
}
