#pragma once

#include "answer_key.h"

#include <memory>
#include <string>
#include <string_view>

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

    // A writer that carries on the set in progress, after at least one circuit of it, into a
    // text of its own: another thread writes a later block of circuits with it, and its text
    // goes out when this writer has come to that block.
    virtual std::unique_ptr<KeyWriter> continued() const = 0;
    // Text such a writer wrote, put in its place in this one's.
    void append(std::string_view text) { m_out += text; }
    void reserve(std::size_t bytes) { m_out.reserve(bytes); }

protected:
    // A copy takes the state of the set, never the text.
    KeyWriter(const KeyWriter& other) : m_severalSets(other.m_severalSets) {}

    const bool m_severalSets;
    std::string m_out;
};

std::unique_ptr<KeyWriter> makeKeyWriter(KeyFormat format, bool severalSets);

} // namespace voltaro::sheet
