#include "model/description_reader.h"

#include "model/model_texts.h"
#include "model/numbers.h"
#include "model/source_settings.h"
#include "model/tokens.h"

namespace voltaro {

namespace {

constexpr std::size_t kRefillBelow = 100; // a buffer shorter than this takes the next chunk
constexpr int kLastRefilledChunk = 5;     // one refill before each of the four sides

class Reader {
public:
    Reader(const CircuitChunks& chunks, DescriptionReading& out)
        : m_chunks(chunks), m_out(out), m_buffer(chunks[1]) {}

    void read() {
        if (!readHeader())
            return;
        for (int side = 1; side <= kSides; ++side) {
            refill();
            if (!readSide(side))
                return;
        }
    }

private:
    bool fail(const std::string& token, Text reason) {
        m_out.error = Failure{std::move(reason)};
        m_out.failedToken = token;
        return false;
    }

    // The next token of the buffer's rest, which then starts after it.
    std::string_view nextToken() {
        std::string_view rest = std::string_view(m_buffer).substr(m_at);
        const std::string_view token = takeToken(rest);
        m_at = m_buffer.size() - rest.size();
        return token;
    }

    std::optional<int> integer() {
        const std::string_view text = nextToken();
        const std::optional<int> value = parseInteger(text);
        if (!value)
            fail(std::string(text), invalidIntegerMessage(text));
        return value;
    }

    std::optional<double> real() {
        const std::string_view text = nextToken();
        const std::optional<double> value = parseReal(text);
        if (!value)
            fail(std::string(text), invalidRealMessage(text));
        return value;
    }

    std::optional<int> count() {
        const std::string_view text = nextToken();
        const std::optional<int> value = parseInteger(text);
        if (!value) {
            fail(std::string(text), invalidIntegerMessage(text));
        } else if (*value < 0 || *value > kElementsPerBranch) {
            fail(std::string(text), invalidCountMessage(text));
            return std::nullopt;
        }
        return value;
    }

    bool readHeader() {
        if (!(m_out.optionsFlag = integer()))
            return false;
        for (int i = 0; i < kHandleTokens; ++i) {
            const std::optional<int> v = integer();
            if (!v)
                return false;
            m_out.handles.push_back(*v);
        }
        return readSource() && readViewFlags() && readLaneCounts();
    }

    bool readSource() {
        if (!(m_out.sourceKind = integer()))
            return false;
        if (!(m_out.sourceValue = real()))
            return false;
        if (sourceKindOfCode(*m_out.sourceKind) == SourceKind::Variable)
            return true;
        return (m_out.cellsInSeries = integer()) && (m_out.cellsInParallel = integer());
    }

    bool readViewFlags() {
        if (!(m_out.viewFlags = integer()))
            return false;
        return integer() && integer(); // two numbers kept for older readers, dropped
    }

    bool readLaneCounts() {
        for (int i = 0; i < kLaneTokens; ++i) {
            const std::optional<int> n = count();
            if (!n)
                return false;
            m_out.laneCounts.push_back(*n);
        }
        int blocks = 0;
        for (int n : m_out.laneCounts)
            blocks += n;
        m_out.branches.reserve(static_cast<std::size_t>(blocks * kBranches));
        return true;
    }

    void refill() {
        const std::size_t left = m_buffer.size() - m_at;
        if (left >= kRefillBelow || (left > 0 && m_buffer[m_at] == '*'))
            return;
        if (m_out.chunksUsed >= kLastRefilledChunk)
            return;
        ++m_out.chunksUsed;
        m_buffer += ' ';
        m_buffer += m_chunks[m_out.chunksUsed];
    }

    bool readSide(int side) {
        for (int lane = 1; lane <= kLanes; ++lane) {
            const int blocks = m_out.laneCounts[(side - 1) * kLanes + (lane - 1)];
            for (int block = 1; block <= blocks; ++block)
                for (int branch = 1; branch <= kBranches; ++branch)
                    if (!readBranch(SlotAddress{side, lane, block, branch, 1}))
                        return false;
        }
        return true;
    }

    bool readBranch(const SlotAddress& at) {
        const std::optional<int> n = count();
        if (!n)
            return false;
        m_out.branches.push_back(BranchReading{at, *n, {}});
        std::vector<ElementReading>& elements = m_out.branches.back().elements;
        elements.reserve(static_cast<std::size_t>(*n));
        for (int e = 1; e <= *n; ++e) {
            elements.emplace_back();
            if (!readElement(elements.back()))
                return false;
        }
        return true;
    }

    // A flag stores 1 when its token reads 1, else 0.
    bool flag(std::uint8_t& into, ElementReading& element) {
        const std::optional<int> v = integer();
        if (!v)
            return false;
        into = *v == 1 ? 1 : 0;
        ++element.fieldsRead;
        return true;
    }

    bool readElement(ElementReading& element) {
        if (!flag(element.switchFlag, element) || !flag(element.openFlag, element) ||
            !flag(element.wireFlag, element))
            return false;
        const std::optional<double> resistance = real();
        if (!resistance)
            return false;
        element.resistance = *resistance;
        ++element.fieldsRead;
        const std::optional<int> kind = integer();
        if (!kind)
            return false;
        element.kind = *kind;
        ++element.fieldsRead;
        return true;
    }

    const CircuitChunks& m_chunks;
    DescriptionReading& m_out;
    std::string m_buffer; // what the chunks gave so far
    std::size_t m_at = 0; // the buffer's unread rest starts here
};

} // namespace

DescriptionReading readDescription(const CircuitChunks& chunks) {
    DescriptionReading reading;
    Reader(chunks, reading).read();
    return reading;
}

DescriptionReading readDescription(std::string_view description) {
    CircuitChunks chunks{};
    chunks[1] = std::string(description);
    return readDescription(chunks);
}

Text invalidCountMessage(std::string_view text) {
    return Text(kInvalidCountMessage).arg(quoteInMessage(text));
}

} // namespace voltaro
