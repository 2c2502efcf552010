#include "sheet_run.h"

#include "answer_key.h"
#include "key_writer.h"
#include "model/circuit_list.h"
#include "pdf_worksheet.h"
#include "png_export.h"
#include "tool_failure.h"

#include <memory>

namespace voltaro::sheet {

namespace {

const char* const kName = "voltaro-sheet: ";

ExitStatus fail(QTextStream& err, const QString& message, ExitStatus status) {
    err << kName << message << '\n';
    if (status == kUsageError)
        err << kTryHelp << '\n';
    return status;
}

// CSV has no place for a circuit that could not be read: its message goes to `err`.
void reportErrorBeside(const CircuitAnswer& c, KeyFormat format, QTextStream& err) {
    if (format == KeyFormat::Csv && c.error)
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

ExitStatus writeKey(QFile& out, const std::string& text, QTextStream& err) {
    if (!writeAll(out, QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))))
        return fail(err, QStringLiteral("cannot write the answer key: ") + out.errorString(),
                    kFileFailed);
    return kAllRead;
}

// Every input opened, or the failure of the first that cannot be, with its status.
Outcome<std::vector<CircuitSet>> openSets(const SheetOptions& options, ExitStatus& status) {
    std::vector<CircuitSet> sets;
    const QStringList inputs =
        options.files.isEmpty() ? QStringList{options.builtin} : options.files;
    for (const QString& input : inputs) {
        SetOpening opening = options.files.isEmpty() ? openBuiltinSet(input) : openFileSet(input);
        if (!opening.set) {
            status = opening.status;
            return opening.set.failure();
        }
        sets.push_back(std::move(*opening.set));
    }
    return sets;
}

// An answer key alone goes out in pieces of about this size, so that it never needs the room of
// the whole key; with pictures it waits until they are all written.
constexpr std::size_t kKeyPiece = 1 << 16;

// The circuits of one set into the key, each board and worksheet page written as it goes.
class SetRun {
public:
    SetRun(const SheetOptions& options, const CircuitSet& set, KeyWriter& key, QFile& out,
           QTextStream& err)
        : m_options(options), m_set(set), m_key(key), m_out(out), m_err(err) {}

    ExitStatus run(bool& allRead) {
        std::unique_ptr<PdfWorksheet> pdf;
        if (!m_options.pdfFile.isEmpty())
            pdf = std::make_unique<PdfWorksheet>(m_options.pdfFile, m_set, m_options.answers);
        const bool pictures = pdf || !m_options.pngFolder.isEmpty();
        CircuitReader reader(m_set);
        m_key.beginSet(m_set);
        for (int number : circuitNumbers(m_options, m_set.list.count)) {
            CircuitPictures board;
            board.wantsDrawing = pdf != nullptr;
            const CircuitAnswer answer = reader.read(number, pictures ? &board : nullptr);
            allRead = allRead && !answer.error;
            if (!m_options.pngFolder.isEmpty() && !answer.error)
                if (const std::optional<Failure> failure =
                        writeBoardPng(m_options.pngFolder, number, board.board))
                    return fail(m_err, words(*failure), kFileFailed);
            if (pdf)
                pdf->addCircuit(answer, board.drawing);
            m_key.addCircuit(answer);
            reportErrorBeside(answer, m_options.format, m_err);
            if (!pictures && m_key.text().size() >= kKeyPiece) {
                if (writeKey(m_out, m_key.text(), m_err) != kAllRead)
                    return kFileFailed;
                m_key.clear();
            }
        }
        m_key.endSet();
        if (pdf)
            if (const std::optional<Failure> failure = pdf->finish())
                return fail(m_err,
                            QStringLiteral("cannot write ") + m_options.pdfFile +
                                QStringLiteral(": ") + words(*failure),
                            kFileFailed);
        return kAllRead;
    }

private:
    const SheetOptions& m_options;
    const CircuitSet& m_set;
    KeyWriter& m_key;
    QFile& m_out;
    QTextStream& m_err;
};

} // namespace

bool writeAll(QFile& out, const QByteArray& bytes) {
    return out.write(bytes) == bytes.size() && out.flush();
}

ExitStatus runSheet(const SheetOptions& options, QFile& out, QTextStream& err) {
    if (options.listBuiltins)
        return writeKey(out, builtinNames().join(QLatin1Char('\n')).toStdString() + '\n', err);
    ExitStatus status = kAllRead;
    const Outcome<std::vector<CircuitSet>> sets = openSets(options, status);
    if (!sets)
        return fail(err, words(sets.failure()), status);
    for (const CircuitSet& set : *sets) {
        if (set.truncated)
            err << kName << set.source << ": " << words({tooManyCircuitsMessage()}) << '\n';
        if (options.circuit && *options.circuit > set.list.count)
            return fail(err,
                        QStringLiteral("--circuit %1: %2 holds %3 circuits")
                            .arg(*options.circuit)
                            .arg(set.source)
                            .arg(set.list.count),
                        kUsageError);
    }
    const std::unique_ptr<KeyWriter> key = makeKeyWriter(options.format, sets->size() > 1);
    bool allRead = true;
    for (const CircuitSet& set : *sets) {
        const ExitStatus written = SetRun(options, set, *key, out, err).run(allRead);
        if (written != kAllRead)
            return written;
        if (set.truncated)
            allRead = false; // circuits beyond the list's room were not read either
        if (&set == &sets->back())
            key->finish();
        if (writeKey(out, key->text(), err) != kAllRead)
            return kFileFailed;
        key->clear();
    }
    return allRead ? kAllRead : kCircuitFailed;
}

} // namespace voltaro::sheet
