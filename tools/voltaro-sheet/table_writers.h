#pragma once

#include "key_writer.h"

namespace voltaro::sheet {

// The answer key as CSV: a header row, then one row per element with the circuit number and the
// element's fields, its values as people read them (shownValues, resistanceText). With several
// sets a first column names each row's source. A circuit that could not be read has no rows.
class CsvKeyWriter : public KeyWriter {
public:
    using KeyWriter::KeyWriter;

    void beginSet(const CircuitSet& set) override;
    void addCircuit(const CircuitAnswer& circuit) override;
    std::unique_ptr<KeyWriter> continued() const override {
        return std::make_unique<CsvKeyWriter>(*this);
    }

private:
    bool m_headerWritten = false;
    std::string m_source; // the source column's cell, quoted as it needs
};

// The answer key as aligned text: per circuit a line with the supply, the total resistance and
// the total current (or the error), then its elements as a table with a header line, and the
// note of an open circuit. With several sets each begins with a line naming its source.
class TextKeyWriter : public KeyWriter {
public:
    using KeyWriter::KeyWriter;

    void beginSet(const CircuitSet& set) override;
    void addCircuit(const CircuitAnswer& circuit) override;
    std::unique_ptr<KeyWriter> continued() const override {
        return std::make_unique<TextKeyWriter>(*this);
    }

private:
    const CircuitSet* m_set = nullptr;
};

} // namespace voltaro::sheet
