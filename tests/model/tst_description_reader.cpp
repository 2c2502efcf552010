#include "lessons/builtin_circuits.h"
#include "model/description_reader.h"
#include "model/numbers.h"
#include "support/descriptions.h"
#include "support/test_runner.h"

#include <cstring>

using namespace voltaro;
using namespace voltaro::test;

namespace {

// The worked example: the "&One light" lesson.
const std::string kOneLight = lessonFor(MenuId::Basic1)->description();

// Per side, the kinds of the elements of each branch in use: "6 | 2;2 2 | 0 | 1".
std::string kindsBySide(const DescriptionReading& r) {
    std::string text;
    for (int side = 1; side <= kSides; ++side) {
        if (side > 1)
            text += " | ";
        bool first = true;
        for (const BranchReading& b : r.branches) {
            if (b.branch.side != side || b.count == 0)
                continue;
            if (!first)
                text += ";";
            first = false;
            for (std::size_t e = 0; e < b.elements.size(); ++e)
                text += (e ? " " : "") + std::to_string(b.elements[e].kind);
        }
    }
    return text;
}

std::string joinedChunks(const CircuitChunks& chunks) {
    std::string text = chunks[1];
    for (int k = 2; k <= kMaxChunks && !chunks[k].empty(); ++k)
        text += " " + chunks[k];
    return text;
}

// Character offsets just after the lane table and after the data of sides 1, 2 and 3.
std::vector<std::size_t> sectionEnds(const std::string& text, const DescriptionReading& r) {
    std::vector<int> tokensPerSection = {
        static_cast<int>(1 + kHandleTokens + 2 + (*r.sourceKind == 1 ? 0 : 2) + 3 + kLaneTokens)};
    for (int side = 1; side <= 3; ++side) {
        int n = 0;
        for (const BranchReading& b : r.branches)
            if (b.branch.side == side)
                n += 1 + 5 * b.count;
        tokensPerSection.push_back(n);
    }
    std::vector<std::size_t> ends;
    std::size_t at = 0;
    for (int count : tokensPerSection) {
        for (int t = 0; t < count; ++t) {
            at = text.find_first_not_of(' ', at);
            at = text.find(' ', at);
        }
        ends.push_back(at);
    }
    return ends;
}

DescriptionReading readChunks(const std::vector<std::string>& parts) {
    CircuitChunks chunks{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        chunks[i + 1] = parts[i];
    return readDescription(chunks);
}

} // namespace

class DescriptionReaderTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheWorkedExample() {
        const DescriptionReading r = readDescription(kOneLight);
        QVERIFY2(r.complete(), r.error ? r.error->reason.english().c_str() : "");
        QCOMPARE(*r.optionsFlag, 1);
        QCOMPARE(r.handles, (std::vector<int>{259, 56, 259, 256}));
        QCOMPARE(*r.sourceKind, 2);
        QCOMPARE(*r.sourceValue, 1.5);
        QCOMPARE(*r.cellsInSeries, 2);
        QCOMPARE(*r.cellsInParallel, 1);
        QCOMPARE(*r.viewFlags, kShowBrightnessBit);
        QCOMPARE(r.laneCounts, (std::vector<int>{1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}));
        QCOMPARE(r.branches.size(), std::size_t(12));
        const ElementReading& openSwitch = r.branches[0].elements.at(0);
        QVERIFY2(openSwitch.switchFlag == 1 && openSwitch.openFlag == 1 && openSwitch.wireFlag == 0,
                 "side 1 holds an open switch");
        QCOMPARE(openSwitch.resistance, 100.0);
        QCOMPARE(QString::fromStdString(kindsBySide(r)), QString("6 | 2 | 0 | 1"));
        const ElementReading& bottomWire = r.branches[9].elements.at(0);
        QVERIFY2(bottomWire.wireFlag == 1 && bottomWire.kind == 1,
                 "the bottom wire keeps the reset kind 1");
    }

    void readsWhatTheLessonsBuild_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("handles");
        QTest::addColumn<QString>("kinds");
        const QString oneLight = "6 | 2 | 0 | 1";
        const QString combo = "2 | 2;2 2 | 0 | 6";
        const struct {
            MenuId entry;
            const char* handles;
            QString kinds;
        } rows[] = {
            {MenuId::Basic1, "259 56 259 256", oneLight},
            {MenuId::Firststeps1, "259 56 259 256", oneLight},
            {MenuId::Largercircuits1, "259 56 259 256", oneLight},
            {MenuId::Series1, "259 56 259 256", "2 | 2 | 0 | 6"},
            {MenuId::Parallel2, "274 121 274 355", "0 | 2;2 | 0 | 6"},
            {MenuId::combo1, "270 121 270 427", combo},
            {MenuId::Meters1, "270 121 270 427", combo},
            {MenuId::Shortcircuit1, "259 56 259 256", "2 | 6;2 | 0 | 1"},
        };
        for (const auto& row : rows)
            QTest::newRow(menuName(row.entry))
                << static_cast<int>(row.entry) << QString(row.handles) << row.kinds;
    }
    void readsWhatTheLessonsBuild() {
        QFETCH(int, entry);
        QFETCH(QString, handles);
        QFETCH(QString, kinds);
        const DescriptionReading r =
            readDescription(lessonFor(static_cast<MenuId>(entry))->description());
        QVERIFY2(r.complete(), r.error ? r.error->reason.english().c_str() : "");
        QString read;
        for (int v : r.handles)
            read += (read.isEmpty() ? "" : " ") + QString::number(v);
        QCOMPARE(read, handles);
        QCOMPARE(QString::fromStdString(kindsBySide(r)), kinds);
        QCOMPARE(*r.viewFlags, kShowBrightnessBit);
    }

    void readsEveryBuiltinCircuit() {
        for (const NamedCircuit& c : builtinCircuits()) {
            const DescriptionReading r = readDescription(c.chunks);
            QVERIFY2(r.complete(),
                     (c.name + ": " + (r.error ? r.error->reason.english() : "")).c_str());
            QVERIFY2(readingDifference(r, readDescription(joinedChunks(c.chunks))).empty(),
                     (c.name + " reads as its joined chunks").c_str());
        }
    }

    // Cuts at the section ends in every combination: each refill brings the next side whole.
    void readsChunksCutAtSectionEnds() {
        for (const NamedCircuit& c : builtinCircuits()) {
            const std::string text = joinedChunks(c.chunks);
            const DescriptionReading whole = readDescription(text);
            const std::vector<std::size_t> ends = sectionEnds(text, whole);
            for (unsigned mask = 1; mask < (1u << ends.size()); ++mask) {
                std::vector<std::size_t> cuts;
                for (std::size_t i = 0; i < ends.size(); ++i)
                    if (mask & (1u << i))
                        cuts.push_back(ends[i]);
                const std::string d =
                    readingDifference(readDescription(chunksCutAt(text, cuts)), whole);
                QVERIFY2(d.empty(), (c.name + " cut " + std::to_string(mask) + ": " + d).c_str());
            }
        }
    }

    // Two chunks cut at any space after the lane table read as the whole.
    void readsTwoChunksCutAtAnySpace() {
        for (const NamedCircuit& c : builtinCircuits()) {
            const std::string text = joinedChunks(c.chunks);
            const DescriptionReading whole = readDescription(text);
            for (std::size_t at = sectionEnds(text, whole)[0]; at < text.size(); ++at) {
                if (text[at] != ' ')
                    continue;
                const std::string d =
                    readingDifference(readDescription(chunksCutAt(text, {at})), whole);
                QVERIFY2(d.empty(), (c.name + " cut at " + std::to_string(at) + ": " + d).c_str());
            }
        }
    }

    void refillsOncePerSideAtMost() {
        const std::string header = "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0";
        const DescriptionReading whole = readChunks({header, "0 0 0", "0 0 0", "0 0 0", "0 0 0"});
        QVERIFY2(whole.complete(), "one chunk for each side");
        QCOMPARE(whole.chunksUsed, 5);
        const DescriptionReading r = readChunks({header, "0 0 0", "0 0 0", "0 0 0", "", "0 0 0"});
        QVERIFY2(r.error.has_value(), "chunk 6 is never read");
        QCOMPARE(r.chunksUsed, 5);
        QCOMPARE(static_cast<int>(r.branches.size()), 9);
    }

    void aLongBufferIsNotRefilled() {
        const std::string text = kOneLight + std::string(120, ' ');
        const DescriptionReading r = readChunks({text, "garbage"});
        QVERIFY2(r.complete(), "the description is whole in chunk 1");
        QCOMPARE(r.chunksUsed, 1);
    }

    void stopsAtAMalformedToken_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lanesRead");
        QTest::addColumn<int>("branchesRead");
        const std::string d = kOneLight;
        const auto replaced = [&d](const char* from, const char* to) {
            std::string s = d;
            s.replace(s.find(from), std::strlen(from), to);
            return QString::fromStdString(s);
        };
        const auto integerError = [](const char* t) {
            return QString::fromStdString(invalidIntegerMessage(t).english());
        };
        const auto realError = [](const char* t) {
            return QString::fromStdString(invalidRealMessage(t).english());
        };
        const auto countError = [](const char* t) {
            return QString::fromStdString(invalidCountMessage(t).english());
        };
        QTest::newRow("empty") << ""
                               << "" << integerError("") << 0 << 0;
        QTest::newRow("options flag")
            << replaced("1 259", "x 259") << "x" << integerError("x") << 0 << 0;
        QTest::newRow("cell value with a comma")
            << replaced("1.5", "1,5") << "1,5" << realError("1,5") << 0 << 0;
        QTest::newRow("skipped pair")
            << replaced("4 0 1", "4 0 a") << "a" << integerError("a") << 0 << 0;
        QTest::newRow("lane count 5")
            << replaced("4 0 1 1 0 0", "4 0 1 1 5 0") << "5" << countError("5") << 1 << 0;
        QTest::newRow("negative lane count")
            << replaced("4 0 1 1 0 0", "4 0 1 -1 0 0") << "-1" << countError("-1") << 0 << 0;
        QTest::newRow("element count 4")
            << replaced("0 0 1 0 1 0", "0 0 4 0 1 0") << "4" << countError("4") << 12 << 3;
        QTest::newRow("negative element count")
            << replaced("0 0 1 0 1 0", "0 0 -2 0 1 0") << "-2" << countError("-2") << 12 << 3;
        QTest::newRow("nan resistance")
            << replaced("5.00", "nan") << "nan" << realError("nan") << 12 << 4;
        QTest::newRow("inf resistance")
            << replaced("5.00", "inf") << "inf" << realError("inf") << 12 << 4;
        QTest::newRow("real where a kind belongs")
            << replaced("5.00 2", "5.00 2.0") << "2.0" << integerError("2.0") << 12 << 4;
        QTest::newRow("end mark where a count belongs")
            << QString::fromStdString(d.substr(0, d.find(" 1 0 1 0   5.00")) + " *") << "*"
            << integerError("*") << 12 << 3;
        QTest::newRow("cut short")
            << QString::fromStdString(d.substr(0, d.find(" 1 1 0 1 100.00 1"))) << ""
            << integerError("") << 12 << 9;
    }
    void stopsAtAMalformedToken() {
        QFETCH(QString, description);
        QFETCH(QString, token);
        QFETCH(QString, message);
        QFETCH(int, lanesRead);
        QFETCH(int, branchesRead);
        const DescriptionReading r = readDescription(description.toStdString());
        QVERIFY2(r.error.has_value(), "the reading stops with an error");
        QCOMPARE(QString::fromStdString(r.failedToken), token);
        QCOMPARE(QString::fromStdString(r.error->reason.english()), message);
        QCOMPARE(static_cast<int>(r.laneCounts.size()), lanesRead);
        QCOMPARE(static_cast<int>(r.branches.size()), branchesRead);
    }

    void flagsOtherThanOneReadAsZero() {
        const DescriptionReading r =
            readDescription("1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 "
                            "1 2 -1 1 7.00 1 0 0 0 0 0 0 0 0 0 0 0 *");
        QVERIFY2(r.complete(), r.error ? r.error->reason.english().c_str() : "");
        const ElementReading& e = r.branches[0].elements.at(0);
        QVERIFY2(e.switchFlag == 0 && e.openFlag == 0 && e.wireFlag == 1,
                 "2 and -1 read as 0, 1 as 1");
    }
};

VOLTARO_TEST_CLASS(DescriptionReaderTest)
#include "tst_description_reader.moc"
