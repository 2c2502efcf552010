#pragma once

#include "key_writer.h"

#include <string>
#include <string_view>

namespace voltaro::sheet {

// The answer key as JSON: per set an object with the source, the explanation lines and the
// circuits, each with its totals and elements (one a line), or with the error its description
// gave; several sets make an array of such objects. Numbers are written in their shortest form
// that reads back to the same double; a value that is not a finite number is null.
class JsonKeyWriter : public KeyWriter {
public:
    using KeyWriter::KeyWriter;

    void beginSet(const CircuitSet& set) override;
    void addCircuit(const CircuitAnswer& circuit) override;
    void endSet() override;
    void finish() override;
    std::unique_ptr<KeyWriter> continued() const override;

private:
    bool m_firstSet = true;
    bool m_firstCircuit = true;
};

// A text as a JSON string, in quotes, with the characters that need it escaped.
void appendJsonString(std::string& out, std::string_view text);

} // namespace voltaro::sheet
