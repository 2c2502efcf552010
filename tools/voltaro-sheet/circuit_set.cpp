#include "circuit_set.h"

#include "app/dispatch.h"
#include "bench/workbench.h"
#include "lessons/builtin_circuits.h"
#include "model/circuit_file.h"
#include "model/model_texts.h"
#include "model/text_lines.h"
#include "qt/file_io.h"
#include "tool_failure.h"

#include <QFile>
#include <QFileInfo>

namespace voltaro::sheet {

namespace {

template <typename Lines> QStringList toQStringList(const Lines& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string_view line : lines)
        list << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    return list;
}

SetOpening failed(const QString& error, ExitStatus status) {
    return {failureOf(error), status};
}

// The whole of standard input.
Outcome<std::string> readStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return failureOf(in.errorString());
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return failureOf(in.errorString());
    return bytes.toStdString();
}

} // namespace

SetOpening openFileSet(const QString& path) {
    const bool standardInput = path == kStandardInput;
    Outcome<std::string> read = standardInput ? readStandardInput() : readWholeFile(path);
    if (!read)
        return failed(QStringLiteral("cannot read ") +
                          (standardInput ? QStringLiteral("standard input") : path) +
                          QStringLiteral(": ") + words(read.failure()),
                      kFileFailed);
    const std::string text = decodeFileText(std::move(*read));
    const LineViews lines = splitLines(text);
    const FileExplanation explanation = readExplanation(lines);
    if (!explanation.proper)
        return failed(path + QStringLiteral(": ") + words({kNotProperFileMessage}), kFileFailed);
    CircuitSet set;
    set.source = path;
    set.title = standardInput ? QStringLiteral("standard input") : QFileInfo(path).fileName();
    set.explanation = toQStringList(explanation.lines);
    set.truncated = loadCircuits(set.list, lines, explanation.dataStart).truncated;
    return {std::move(set), kAllRead};
}

SetOpening openBuiltinSet(const QString& name) {
    const std::optional<MenuId> entry = builtinByName(name.toStdString());
    if (!entry)
        return failed(QStringLiteral("no lesson or worksheet is called \"") + name +
                          QStringLiteral("\"; --list-builtin shows the names"),
                      kUsageError);
    // The menu entry's own handler fills the list and the intro panel, as a click on it does.
    Workbench bench;
    triggerMenu(bench, *entry);
    CircuitSet set;
    set.source = name;
    set.title = QString::fromStdString(bench.circuits.setName.english());
    set.explanation = toQStringList(bench.widget(WidgetId::expmem).lines.english());
    set.list = bench.circuits;
    return {std::move(set), kAllRead};
}

QStringList builtinNames() {
    QStringList names;
    for (MenuId entry : builtinEntries())
        names << QString::fromStdString(plainCaption(entry));
    return names;
}

} // namespace voltaro::sheet
