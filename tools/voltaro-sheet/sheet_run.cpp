#include "sheet_run.h"

#include "answer_key.h"
#include "key_writer.h"
#include "model/circuit_list.h"
#include "pdf_worksheet.h"
#include "png_export.h"
#include "tool_failure.h"

#include <atomic>
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

// Without pictures the circuits are shared out between this thread, which takes them from the
// front, and a helper thread, which takes them from the back: each claim takes one circuit, so
// the two never meet and neither waits while circuits are left. The first circuit is this
// thread's from the start, so that the key begins with it.
class Claims {
public:
    explicit Claims(std::size_t count) : m_count(count) {}
    bool claim() { return m_claimed.fetch_add(1) < m_count; }

private:
    const std::size_t m_count;
    std::atomic<std::size_t> m_claimed{1};
};

// What the helper gives back: the texts of the circuits it read, one after another, the last
// circuit first, and those it could not read. This thread makes the block, its reader's room
// and its text's before the helper starts: memory a short-lived thread takes for itself is
// handed back to the system when it is freed, and each new helper would fault it in again.
struct HelperBlock {
    std::unique_ptr<KeyWriter> key;
    std::vector<std::size_t> ends; // where each circuit's text ends in the key's
    std::vector<CircuitAnswer> failed;
    std::optional<CircuitReader> reader; // started by the helper itself
};

// Room for the text of one circuit of the key; a fuller circuit makes the helper take more.
constexpr std::size_t kRoomPerCircuit = 24 << 10;

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

    // This thread and a helper sharing the circuits out as they go.
    ExitStatus runKeyAlone(bool& allRead) {
        const Numbers numbers = circuitNumbers(m_options, m_set.list.count);
        Claims claims(numbers.size());
        std::future<std::unique_ptr<HelperBlock>> helper = startHelper(numbers, claims);
        CircuitReader reader(m_set);
        for (std::size_t i = 0; i < numbers.size() && (i == 0 || claims.claim()); ++i)
            if (const ExitStatus status = addCircuit(reader, numbers[i], allRead);
                status != kAllRead)
                return status; // a helper still reading is waited for as it goes
        return helper.valid() ? takeHelper(*helper.get(), allRead) : kAllRead;
    }

    // A helper thread reading circuits from the back, or none when there is no second circuit
    // or no thread can be made (this thread claims them all then). It runs the start-up on its
    // own: a copy of this thread's would share the texts, and their shared counts would go back
    // and forth between the two processors.
    std::future<std::unique_ptr<HelperBlock>> startHelper(const Numbers& numbers, Claims& claims) {
        if (numbers.size() < 2)
            return {};
        auto block = std::make_unique<HelperBlock>();
        block->key = m_key.continued();
        block->key->reserve(numbers.size() / 2 * kRoomPerCircuit);
        block->ends.reserve(numbers.size());
        try {
            return std::async(std::launch::async, [&, block = std::move(block)]() mutable {
                block->reader.emplace(m_set);
                readFromTheBack(*block, numbers, claims);
                return std::move(block);
            });
        } catch (const std::system_error&) {
            return {};
        }
    }

    // The helper's work: circuits claimed from the back.
    static void readFromTheBack(HelperBlock& block, const Numbers& numbers, Claims& claims) {
        for (std::size_t i = numbers.size(); claims.claim();) {
            CircuitAnswer answer = block.reader->read(numbers[--i], nullptr);
            block.key->addCircuit(answer);
            block.ends.push_back(block.key->text().size());
            if (answer.error)
                block.failed.push_back(std::move(answer));
        }
    }

    // The helper's circuits go out after this thread's, in their order.
    ExitStatus takeHelper(const HelperBlock& block, bool& allRead) {
        for (auto failed = block.failed.rbegin(); failed != block.failed.rend(); ++failed) {
            allRead = false;
            reportErrorBeside(*failed, m_options.format, m_err);
        }
        const std::string_view texts = block.key->text();
        for (std::size_t i = block.ends.size(); i-- > 0;) {
            const std::size_t begin = i == 0 ? 0 : block.ends[i - 1];
            m_key.append(texts.substr(begin, block.ends[i] - begin));
            if (sendPiece() != kAllRead)
                return kFileFailed;
        }
        return kAllRead;
    }

    // One circuit read into the key, which goes out piece by piece as it grows.
    ExitStatus addCircuit(CircuitReader& reader, int number, bool& allRead) {
        const CircuitAnswer answer = reader.read(number, nullptr);
        allRead = allRead && !answer.error;
        m_key.addCircuit(answer);
        reportErrorBeside(answer, m_options.format, m_err);
        return sendPiece();
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
