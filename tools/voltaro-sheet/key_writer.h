#pragma once

#include "answer_key.h"

#include <memory>
#include <string>

namespace voltaro::sheet {

enum class KeyFormat { Json, Csv, Text };

// An answer key written set by set and circuit by circuit, as each is read, into a text that the
// run sends out after each set. With several sets each is marked with its source.
class KeyWriter {
public:
    explicit KeyWriter(bool severalSets) : m_severalSets(severalSets) {}
    virtual ~KeyWriter() = default;

    virtual void beginSet(const CircuitSet& set) = 0;
    virtual void addCircuit(const CircuitAnswer& circuit) = 0;
    virtual void endSet() {}
    // What is written after the last set.
    virtual void finish() {}

    // The text written since the last clear(); clearing keeps the room it took.
    const std::string& text() const { return m_out; }
    void clear() { m_out.clear(); }

protected:
    const bool m_severalSets;
    std::string m_out;
};

std::unique_ptr<KeyWriter> makeKeyWriter(KeyFormat format, bool severalSets);

} // namespace voltaro::sheet
