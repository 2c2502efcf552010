#include "sheet_run.h"

#include "answer_key.h"
#include "json_writer.h"
#include "model/circuit_list.h"
#include "pdf_worksheet.h"
#include "png_export.h"
#include "table_writers.h"
#include "tool_failure.h"

#include <memory>

namespace voltaro::sheet {

namespace {

const char* const kName = "voltaro-sheet: ";

ExitStatus fail(QTextStream& err, const QString& message, ExitStatus status) {
    err << kName << message << '\n';
    if (status == kUsageError)
        err << '\n' << usageText();
    return status;
}

QByteArray keyBytes(const AnswerKey& key, KeyFormat format) {
    switch (format) {
    case KeyFormat::Csv:
        return answerKeyCsv(key).toUtf8();
    case KeyFormat::Text:
        return answerKeyText(key).toUtf8();
    case KeyFormat::Json:
        break;
    }
    return answerKeyJson(key);
}

// CSV has no place for a circuit that could not be read: its message goes to `err`.
void reportErrorsBeside(const AnswerKey& key, KeyFormat format, QTextStream& err) {
    if (format != KeyFormat::Csv)
        return;
    for (const CircuitAnswer& c : key.circuits)
        if (c.error)
            err << kName << "circuit " << c.number << ": " << words(*c.error) << '\n';
}

// Every circuit of the set, or the one asked for.
std::vector<int> circuitNumbers(const SheetOptions& options, int count) {
    if (options.circuit)
        return {*options.circuit};
    std::vector<int> numbers;
    for (int n = 1; n <= count; ++n)
        numbers.push_back(n);
    return numbers;
}

// Reads the circuits, writing each board and worksheet page as it goes.
ExitStatus readCircuits(const SheetOptions& options, AnswerKey& key, QTextStream& err) {
    std::unique_ptr<PdfWorksheet> pdf;
    if (!options.pdfFile.isEmpty())
        pdf = std::make_unique<PdfWorksheet>(options.pdfFile, key.set, options.answers);
    const bool pictures = pdf || !options.pngFolder.isEmpty();
    for (int number : circuitNumbers(options, key.set.list.count)) {
        QImage board;
        key.circuits.push_back(readCircuitAnswer(key.set, number, pictures ? &board : nullptr));
        const CircuitAnswer& answer = key.circuits.back();
        if (!options.pngFolder.isEmpty() && !answer.error) {
            if (const std::optional<Failure> failure =
                    writeBoardPng(options.pngFolder, number, board))
                return fail(err, words(*failure), kFileFailed);
        }
        if (pdf)
            pdf->addCircuit(answer, board);
    }
    if (pdf)
        if (const std::optional<Failure> failure = pdf->finish())
            return fail(err,
                        QStringLiteral("cannot write ") + options.pdfFile + QStringLiteral(": ") +
                            words(*failure),
                        kFileFailed);
    return kAllRead;
}

ExitStatus writeKey(QFile& out, const QByteArray& bytes, QTextStream& err) {
    if (!writeAll(out, bytes))
        return fail(err, QStringLiteral("cannot write the answer key: ") + out.errorString(),
                    kFileFailed);
    return kAllRead;
}

} // namespace

bool writeAll(QFile& out, const QByteArray& bytes) {
    return out.write(bytes) == bytes.size() && out.flush();
}

ExitStatus runSheet(const SheetOptions& options, QFile& out, QTextStream& err) {
    if (options.listBuiltins)
        return writeKey(out, builtinNames().join(QLatin1Char('\n')).toUtf8() + '\n', err);
    const SetOpening opening =
        options.builtin.isEmpty() ? openFileSet(options.file) : openBuiltinSet(options.builtin);
    if (!opening.set)
        return fail(err, words(opening.set.failure()), opening.status);
    const CircuitSet& set = *opening.set;
    if (set.truncated)
        err << kName << set.source << ": " << words({tooManyCircuitsMessage()}) << '\n';
    if (options.circuit && *options.circuit > set.list.count)
        return fail(err,
                    QStringLiteral("--circuit %1: %2 holds %3 circuits")
                        .arg(*options.circuit)
                        .arg(set.source)
                        .arg(set.list.count),
                    kUsageError);
    AnswerKey key{set, {}};
    const ExitStatus written = readCircuits(options, key, err);
    if (written != kAllRead)
        return written;
    if (writeKey(out, keyBytes(key, options.format), err) != kAllRead)
        return kFileFailed;
    reportErrorsBeside(key, options.format, err);
    // Circuits beyond the list's room were not read either.
    return key.allRead() && !set.truncated ? kAllRead : kCircuitFailed;
}

} // namespace voltaro::sheet
