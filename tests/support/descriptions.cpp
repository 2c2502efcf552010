#include "support/descriptions.h"

#include "lessons/builtin_circuits.h"

namespace voltaro::test {

std::vector<NamedCircuit> builtinCircuits() {
    std::vector<NamedCircuit> circuits;
    for (const Lesson& lesson : builtinLessons()) {
        NamedCircuit c{std::string("lesson ") + menuName(lesson.entry), {}};
        c.chunks[1] = lesson.description();
        circuits.push_back(c);
    }
    for (const Worksheet& sheet : builtinWorksheets())
        for (std::size_t i = 0; i < sheet.circuits.size(); ++i) {
            NamedCircuit c{std::string(menuName(sheet.entry)) + " #" + std::to_string(i + 1), {}};
            for (std::size_t k = 0; k < sheet.circuits[i].size(); ++k)
                c.chunks[k + 1] = sheet.circuits[i][k];
            circuits.push_back(c);
        }
    return circuits;
}

CircuitChunks chunksCutAt(const std::string& description, const std::vector<std::size_t>& cuts) {
    CircuitChunks chunks{};
    std::size_t from = 0;
    int index = 1;
    for (std::size_t cut : cuts) {
        chunks[index++] = description.substr(from, cut - from);
        from = cut;
    }
    chunks[index] = description.substr(from);
    return chunks;
}

namespace {

template <typename T> std::string describe(const std::optional<T>& v) {
    return v ? std::to_string(*v) : std::string("(not read)");
}

template <typename T>
std::string differ(const char* what, const std::optional<T>& a, const std::optional<T>& b) {
    if (a == b)
        return "";
    return std::string(what) + ": " + describe(a) + " against " + describe(b);
}

std::string elementDifference(const ElementReading& a, const ElementReading& b) {
    if (a.fieldsRead != b.fieldsRead)
        return "fields read " + std::to_string(a.fieldsRead) + " against " +
               std::to_string(b.fieldsRead);
    if (a.switchFlag != b.switchFlag || a.openFlag != b.openFlag || a.wireFlag != b.wireFlag)
        return "flags differ";
    if (a.resistance != b.resistance)
        return "resistance " + std::to_string(a.resistance) + " against " +
               std::to_string(b.resistance);
    if (a.kind != b.kind)
        return "kind " + std::to_string(a.kind) + " against " + std::to_string(b.kind);
    return "";
}

std::string branchDifference(const BranchReading& a, const BranchReading& b) {
    if (!(a.branch == b.branch))
        return "a different branch";
    if (a.count != b.count || a.elements.size() != b.elements.size())
        return "element count " + std::to_string(a.count) + " against " + std::to_string(b.count);
    for (std::size_t e = 0; e < a.elements.size(); ++e)
        if (std::string d = elementDifference(a.elements[e], b.elements[e]); !d.empty())
            return "element " + std::to_string(e + 1) + ": " + d;
    return "";
}

} // namespace

std::string readingDifference(const DescriptionReading& a, const DescriptionReading& b) {
    for (const std::string& d : {differ("options flag", a.optionsFlag, b.optionsFlag),
                                 differ("source kind", a.sourceKind, b.sourceKind),
                                 differ("source value", a.sourceValue, b.sourceValue),
                                 differ("cells in series", a.cellsInSeries, b.cellsInSeries),
                                 differ("cells in parallel", a.cellsInParallel, b.cellsInParallel),
                                 differ("view flags", a.viewFlags, b.viewFlags)})
        if (!d.empty())
            return d;
    if (a.handles != b.handles)
        return "handles differ";
    if (a.laneCounts != b.laneCounts)
        return "lane counts differ";
    if (a.branches.size() != b.branches.size())
        return std::to_string(a.branches.size()) + " branches against " +
               std::to_string(b.branches.size());
    for (std::size_t i = 0; i < a.branches.size(); ++i)
        if (std::string d = branchDifference(a.branches[i], b.branches[i]); !d.empty())
            return "branch " + std::to_string(i + 1) + ": " + d;
    if (a.error.has_value() != b.error.has_value())
        return a.error ? "only the first failed: " + a.error->reason.english()
                       : "only the second failed: " + b.error->reason.english();
    return "";
}

} // namespace voltaro::test
