#pragma once

#include "app/dispatch.h"
#include "model/circuit_list.h"
#include "view/canvas.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace voltaro {

struct Workbench;

namespace fuzz {

// Stops the run with a message; libFuzzer keeps the input that caused it.
[[noreturn]] void fail(const std::string& what);

// The farthest a drawn coordinate may lie outside the board picture: twice the pointer's reach,
// as far as a marker can be dragged and the paint can reach from it. Lines are cut to the
// picture before any canvas sees them.
constexpr int kFarOutside = 2 * kPointerReach;

// A canvas that keeps nothing and fails the run when a primitive lies at absurd coordinates.
class BoundedCanvas : public Canvas {
public:
    int width() const override { return kBoardWidth; }
    int height() const override { return kBoardHeight; }
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    Picture copyRect(int left, int top, int width, int height) override;
    long primitives = 0;

protected:
    void drawLine(Point from, Point to) override;
};

// The invariants that hold after every handler: every count of the tables within 0..3, every
// shown slot marker on a node of a branch in use, the meter display in one of its forms.
void checkInvariants(const Workbench& bench);

// Fuzz bytes as the chunks of one description: split at line ends, the last chunk keeps the
// rest.
CircuitChunks chunksFromBytes(std::string_view bytes);

// Reads fuzz bytes from the front; past the end every read gives 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_at >= m_size; }
    std::uint8_t byte();
    std::uint16_t u16();
    std::int32_t i32();
    std::string text(std::size_t maxLength);

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace fuzz
} // namespace voltaro
