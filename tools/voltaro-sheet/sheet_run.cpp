#include "sheet_run.h"

#include "answer_key.h"
#include "key_writer.h"
#include "model/circuit_list.h"
#include "pdf_worksheet.h"
#include "png_export.h"
#include "tool_failure.h"

#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <system_error>

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

// Without pictures the circuits are read in two threads: the first half here, the second half
// by a helper into a text of its own that follows it into the key. A set holds at most 100
// circuits, so the helper's text stays below about 1 MB. What the helper gives back:
struct HelperBlock {
    std::unique_ptr<KeyWriter> key; // carries on the set; holds the block's text
    std::vector<CircuitAnswer> failed;
};

// The circuits of one set into the key, each board and worksheet page written as it goes.
class SetRun {
public:
    SetRun(const SheetOptions& options, const CircuitSet& set, KeyWriter& key, QFile& out,
           QTextStream& err)
        : m_options(options), m_set(set), m_key(key), m_out(out), m_err(err) {}

    ExitStatus run(bool& allRead) {
        m_key.beginSet(m_set);
        const ExitStatus status = m_options.pdfFile.isEmpty() && m_options.pngFolder.isEmpty()
                                      ? runKeyAlone(allRead)
                                      : runWithPictures(allRead);
        if (status == kAllRead)
            m_key.endSet();
        return status;
    }

private:
    using Numbers = std::vector<int>;

    // Each circuit painted as it is read, one after another.
    ExitStatus runWithPictures(bool& allRead) {
        std::unique_ptr<PdfWorksheet> pdf;
        if (!m_options.pdfFile.isEmpty())
            pdf = std::make_unique<PdfWorksheet>(m_options.pdfFile, m_set, m_options.answers);
        CircuitReader reader(m_set);
        for (int number : circuitNumbers(m_options, m_set.list.count)) {
            CircuitPictures board;
            board.wantsDrawing = pdf != nullptr;
            const CircuitAnswer answer = reader.read(number, &board);
            allRead = allRead && !answer.error;
            if (!m_options.pngFolder.isEmpty() && !answer.error)
                if (const std::optional<Failure> failure =
                        writeBoardPng(m_options.pngFolder, number, board.board))
                    return fail(m_err, words(*failure), kFileFailed);
            if (pdf)
                pdf->addCircuit(answer, board.drawing);
            m_key.addCircuit(answer);
            reportErrorBeside(answer, m_options.format, m_err);
        }
        if (pdf)
            if (const std::optional<Failure> failure = pdf->finish())
                return fail(m_err,
                            QStringLiteral("cannot write ") + m_options.pdfFile +
                                QStringLiteral(": ") + words(*failure),
                            kFileFailed);
        return kAllRead;
    }

    // This thread and a helper each reading half of the circuits.
    ExitStatus runKeyAlone(bool& allRead) {
        const Numbers numbers = circuitNumbers(m_options, m_set.list.count);
        const auto middle = numbers.begin() + static_cast<std::ptrdiff_t>((numbers.size() + 1) / 2);
        const Numbers mine(numbers.begin(), middle);
        const Numbers theirs(middle, numbers.end());
        CircuitReader reader(m_set);
        // The helper's copy is made here, before this thread reads: copying the start-up state is
        // cheaper than running it again.
        std::optional<CircuitReader> helperReader;
        if (!theirs.empty())
            helperReader.emplace(reader);
        std::future<HelperBlock> helper = startHelper(theirs, helperReader);
        if (const ExitStatus status = addCircuits(reader, mine, allRead); status != kAllRead)
            return status; // a helper still reading is waited for as it goes
        return helper.valid() ? takeHelper(helper.get(), allRead)
                              : addCircuits(reader, theirs, allRead);
    }

    // A helper thread reading `numbers`, or none when there are none or no thread can be made
    // (this thread reads them then).
    std::future<HelperBlock> startHelper(const Numbers& numbers,
                                         std::optional<CircuitReader>& reader) {
        if (numbers.empty() || !reader)
            return {};
        try {
            return std::async(std::launch::async, [&, writer = m_key.continued()]() mutable {
                return readBlock(*reader, numbers, std::move(writer));
            });
        } catch (const std::system_error&) {
            return {};
        }
    }

    // The helper's text goes out after what this thread wrote, without being copied into it.
    ExitStatus takeHelper(const HelperBlock& block, bool& allRead) {
        for (const CircuitAnswer& answer : block.failed) {
            allRead = false;
            reportErrorBeside(answer, m_options.format, m_err);
        }
        if (writeKey(m_out, m_key.text(), m_err) != kAllRead ||
            writeKey(m_out, block.key->text(), m_err) != kAllRead)
            return kFileFailed;
        m_key.clear();
        return kAllRead;
    }

    // The circuits read into the key, which goes out piece by piece as it grows.
    ExitStatus addCircuits(CircuitReader& reader, const Numbers& numbers, bool& allRead) {
        for (int number : numbers) {
            const CircuitAnswer answer = reader.read(number, nullptr);
            allRead = allRead && !answer.error;
            m_key.addCircuit(answer);
            reportErrorBeside(answer, m_options.format, m_err);
            if (sendPiece() != kAllRead)
                return kFileFailed;
        }
        return kAllRead;
    }

    // The helper's work: its circuits read into a writer that carries on the set.
    static HelperBlock readBlock(CircuitReader& reader, const Numbers& numbers,
                                 std::unique_ptr<KeyWriter> writer) {
        HelperBlock block{std::move(writer), {}};
        for (int number : numbers) {
            CircuitAnswer answer = reader.read(number, nullptr);
            block.key->addCircuit(answer);
            if (answer.error)
                block.failed.push_back(std::move(answer));
        }
        return block;
    }

    ExitStatus sendPiece() {
        if (m_key.text().size() < kKeyPiece)
            return kAllRead;
        if (writeKey(m_out, m_key.text(), m_err) != kAllRead)
            return kFileFailed;
        m_key.clear();
        return kAllRead;
    }

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
