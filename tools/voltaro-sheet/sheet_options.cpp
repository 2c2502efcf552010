#include "sheet_options.h"

#include "tool_failure.h"

#include <QCommandLineParser>

namespace voltaro::sheet {

namespace {

const char* const kDescription =
    "Answer keys, board pictures and printable worksheets from Voltaro circuits, read and solved\n"
    "as the program reads them.\n"
    "\n"
    "  voltaro-sheet [--json | --csv | --text] [--circuit N] FILE.cir...\n"
    "  voltaro-sheet [--png DIR] [--pdf FILE [--answers]] [--circuit N] FILE.cir\n"
    "  voltaro-sheet ... --builtin NAME\n"
    "  voltaro-sheet --list-builtin\n"
    "  voltaro-sheet --help | --version\n"
    "\n"
    "Exit status: 0 every circuit read; 1 some circuit could not be read, or the file holds more\n"
    "than 100; 2 a file cannot be read, is not a proper file, or an output cannot be written;\n"
    "64 a usage error.\n"
    "\n"
    "FILE.cir may be - for standard input.";

// The parser with every option of the tool.
struct SheetParser {
    QCommandLineParser parser;
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Write the answer key as JSON (the default).")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           QStringLiteral("Write the answer key as CSV, one row per element.")};
    QCommandLineOption text{QStringLiteral("text"),
                            QStringLiteral("Write the answer key as an aligned table.")};
    QCommandLineOption png{QStringLiteral("png"),
                           QStringLiteral("Write the board of each circuit as DIR/circuit-N.png."),
                           QStringLiteral("DIR")};
    QCommandLineOption pdf{QStringLiteral("pdf"),
                           QStringLiteral("Write a printable worksheet, one page per circuit."),
                           QStringLiteral("FILE")};
    QCommandLineOption answers{
        QStringLiteral("answers"),
        QStringLiteral("With --pdf: the answer key after the pupils' pages.")};
    QCommandLineOption circuit{QStringLiteral("circuit"),
                               QStringLiteral("Only circuit N of the file (1 is the first)."),
                               QStringLiteral("N")};
    QCommandLineOption builtin{
        QStringLiteral("builtin"),
        QStringLiteral("A lesson or worksheet by its menu caption, such as \"Series #1\"."),
        QStringLiteral("NAME")};
    QCommandLineOption list{QStringLiteral("list-builtin"),
                            QStringLiteral("List the names --builtin takes, one a line.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the version.")};

    SheetParser() {
        parser.setApplicationDescription(QString::fromLatin1(kDescription));
        parser.addOptions(
            {json, csv, text, png, pdf, answers, circuit, builtin, list, help, version});
        parser.addPositionalArgument(
            QStringLiteral("FILE.cir..."),
            QStringLiteral("The circuit files to read; - for standard input."));
    }

    // The number of the options given that are among `options`.
    int countSet(std::initializer_list<const QCommandLineOption*> options) const {
        int n = 0;
        for (const QCommandLineOption* option : options)
            if (parser.isSet(*option))
                ++n;
        return n;
    }
};

ParsedCommandLine usageError(const QString& error) {
    ParsedCommandLine parsed;
    parsed.action = ParsedCommandLine::Action::UsageError;
    parsed.error = error;
    return parsed;
}

std::optional<int> circuitNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        return std::nullopt;
    return n;
}

// The first problem with the combination of options given, or nothing.
std::optional<Failure> combinationError(const SheetParser& p) {
    const QCommandLineParser& parser = p.parser;
    for (const QString& name : parser.optionNames())
        if (parser.values(name).size() > 1)
            return failureOf(QStringLiteral("--") + name +
                             QStringLiteral(" is given more than once"));
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(p.list))
        return parser.optionNames().size() == 1 && files.isEmpty()
                   ? std::nullopt
                   : std::optional(failureOf(QStringLiteral("--list-builtin takes nothing else")));
    if (p.countSet({&p.json, &p.csv, &p.text}) > 1)
        return failureOf(QStringLiteral("choose one of --json, --csv and --text"));
    if (parser.isSet(p.answers) && !parser.isSet(p.pdf))
        return failureOf(QStringLiteral("--answers belongs to --pdf"));
    if (parser.isSet(p.circuit) && !circuitNumber(parser.value(p.circuit)))
        return failureOf(QStringLiteral("--circuit needs a circuit number from 1, not \"") +
                         parser.value(p.circuit) + QStringLiteral("\""));
    if (files.isEmpty() == !parser.isSet(p.builtin))
        return failureOf(QStringLiteral("give either FILE.cir or --builtin NAME"));
    if (files.size() > 1 && (parser.isSet(p.png) || parser.isSet(p.pdf)))
        return failureOf(QStringLiteral("--png and --pdf take one FILE.cir at a time"));
    if (files.count(QStringLiteral("-")) > 1)
        return failureOf(QStringLiteral("standard input (-) can be read once"));
    return std::nullopt;
}

SheetOptions optionsOf(const SheetParser& p) {
    const QCommandLineParser& parser = p.parser;
    SheetOptions o;
    if (parser.isSet(p.csv))
        o.format = KeyFormat::Csv;
    else if (parser.isSet(p.text))
        o.format = KeyFormat::Text;
    o.files = parser.positionalArguments();
    o.builtin = parser.value(p.builtin);
    o.pngFolder = parser.value(p.png);
    o.pdfFile = parser.value(p.pdf);
    o.answers = parser.isSet(p.answers);
    if (parser.isSet(p.circuit))
        o.circuit = circuitNumber(parser.value(p.circuit));
    o.listBuiltins = parser.isSet(p.list);
    return o;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    SheetParser p;
    if (!p.parser.parse(arguments))
        return usageError(p.parser.errorText());
    ParsedCommandLine parsed;
    if (p.parser.isSet(p.help) || p.parser.isSet(p.version)) {
        if (p.parser.optionNames().size() != 1 || !p.parser.positionalArguments().isEmpty())
            return usageError(QStringLiteral("--help and --version take nothing else"));
        parsed.action = p.parser.isSet(p.help) ? ParsedCommandLine::Action::Help
                                               : ParsedCommandLine::Action::Version;
        return parsed;
    }
    if (const std::optional<Failure> failure = combinationError(p))
        return usageError(words(*failure));
    parsed.options = optionsOf(p);
    return parsed;
}

QString usageText() {
    // Qt's own first line names the program by the path it was started with.
    const QString options = SheetParser().parser.helpText().section(QLatin1Char('\n'), 1);
    return QStringLiteral("Usage: voltaro-sheet [options] FILE.cir...\n") + options;
}

} // namespace voltaro::sheet
