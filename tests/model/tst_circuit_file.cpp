#include "model/circuit_file.h"
#include "model/circuit_list.h"
#include "model/text_lines.h"
#include "support/test_runner.h"

using namespace voltaro;

namespace {

std::vector<std::string> toLines(const QStringList& list) {
    std::vector<std::string> lines;
    for (const QString& s : list)
        lines.push_back(s.toStdString());
    return lines;
}

LineViews views(const std::vector<std::string>& lines) {
    return LineViews(lines.begin(), lines.end());
}

template <typename Lines> QStringList fromLines(const Lines& lines) {
    QStringList list;
    for (const std::string_view s : lines)
        list << QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    return list;
}

// A line that does not close its circuit, of the given length.
std::string longLine(std::size_t length) {
    std::string line;
    while (line.size() < length)
        line += "0 ";
    return line.substr(0, length);
}

} // namespace

class CircuitFileTest : public QObject {
    Q_OBJECT

private slots:
    void decodesTheBytesOfAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("START CIRCUIT DATA") << "START CIRCUIT DATA";
        QTest::newRow("utf-8") << QByteArray("R\xC3\xA9sistance")
                               << QString::fromUtf8("Résistance");
        QTest::newRow("utf-8 with a byte order mark") << QByteArray("\xEF\xBB\xBFLine") << "Line";
        QTest::newRow("windows-1252 accent")
            << QByteArray("R\xE9sistance") << QString::fromUtf8("Résistance");
        QTest::newRow("windows-1252 quotes and euro") << QByteArray("\x93"
                                                                    "5 \x80\x94"
                                                                    "\x94")
                                                      << QString::fromUtf8("“5 €””");
        QTest::newRow("windows-1252 unassigned byte")
            << QByteArray("a\x81z") << QString::fromUtf8("a\xC2\x81z");
        QTest::newRow("overlong utf-8 is not utf-8")
            << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
        QTest::newRow("cut utf-8 sequence")
            << QByteArray("ab\xE2\x82") << QString::fromUtf8("abâ‚");
        QTest::newRow("windows-1252 after eight ascii bytes")
            << QByteArray("abcdefgh\xE9") << QString::fromUtf8("abcdefghé");
        QTest::newRow("utf-8 across an eight-byte word")
            << QByteArray("abcdef\xC3\xA9gh\xC3\xA9") << QString::fromUtf8("abcdeféghé");
        QTest::newRow("cut utf-8 sequence after a word")
            << QByteArray("abcdefgh\xE2\x82") << QString::fromUtf8("abcdefghâ‚");
        QTest::newRow("utf-16 surrogate is not utf-8")
            << QByteArray("\xED\xA0\x80") << QString::fromUtf8("í\u00A0€");
    }
    void decodesTheBytesOfAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(decodeFileText(bytes.toStdString())), text);
    }

    void splitsLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("cr lf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("no last line end") << QByteArray("a\r\n *") << QStringList{"a", " *"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("carriage return at the very end")
            << QByteArray("a\r\n *\r") << QStringList{"a", " *"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void splitsLines() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        QCOMPARE(fromLines(splitLines(text.toStdString())), lines);
    }

    void readsTheExplanation_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("proper");
        QTest::addColumn<QStringList>("explanation");
        QTest::newRow("two lines") << QStringList{"First", "Second", kCircuitDataMarker, "1", " *"}
                                   << true << QStringList{"First", "Second"};
        QTest::newRow("no explanation")
            << QStringList{kCircuitDataMarker, "1", " *"} << true << QStringList{};
        QTest::newRow("no marker")
            << QStringList{"Just text", "1", " *"} << false << QStringList{"Just text", "1", " *"};
        QTest::newRow("marker last")
            << QStringList{"x", kCircuitDataMarker} << false << QStringList{"x"};
        QTest::newRow("no circuit after the marker")
            << QStringList{"x", kCircuitDataMarker, "", "1 2 3"} << false << QStringList{"x"};
        QTest::newRow("marker with trailing space is text")
            << QStringList{"START CIRCUIT DATA ", " *"} << false
            << QStringList{"START CIRCUIT DATA ", " *"};
    }
    void readsTheExplanation() {
        QFETCH(QStringList, file);
        QFETCH(bool, proper);
        QFETCH(QStringList, explanation);
        const std::vector<std::string> lines = toLines(file);
        const FileExplanation e = readExplanation(views(lines));
        QCOMPARE(e.proper, proper);
        QCOMPARE(fromLines(e.lines), explanation);
    }

    // A huge explanation is shown in part: whole lines up to the limit, a line counting the
    // rest, every line cut to its own limit.
    void showsAnExplanationInPart_data() {
        QTest::addColumn<int>("lineLength");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("shownLines");
        QTest::addColumn<QString>("last");
        QTest::newRow("short") << 10 << 3 << 3 << QString(10, 'x');
        QTest::newRow("many lines") << 99 << 20000 << 10486 << "\u2026 (9515 more lines not shown)";
        QTest::newRow("a line too long") << 20000 << 1 << 1 << QString(10000, 'x') + "\u2026";
    }
    void showsAnExplanationInPart() {
        QFETCH(int, lineLength);
        QFETCH(int, lineCount);
        QFETCH(int, shownLines);
        QFETCH(QString, last);
        const std::vector<std::string> lines(
            static_cast<std::size_t>(lineCount),
            std::string(static_cast<std::size_t>(lineLength), 'x'));
        const std::vector<Text> shown = shownExplanation(views(lines));
        QCOMPARE(int(shown.size()), shownLines);
        QCOMPARE(QString::fromStdString(shown.back().english()), last);
    }

    void composesTheFileTexts() {
        const std::string description = "1\r\n *\r\n";
        QCOMPARE(QString::fromStdString(newFileText({"One", "Two"}, description)),
                 QString("One\r\nTwo\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n"));
        QCOMPARE(QString::fromStdString(newFileText({}, description)),
                 QString("\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n"));
        QCOMPARE(QString::fromStdString(newFileText({kCircuitDataMarker}, description)),
                 QString("START CIRCUIT DATA \r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n"));
        QCOMPARE(QString::fromStdString(addedCircuitText(description)), QString("\r\n1\r\n *\r\n"));
    }

    void loadsCircuitsIntoChunks_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("circuit");
        QTest::addColumn<QStringList>("chunks");
        const QString longText = QString::fromStdString(longLine(201));
        const QString limitText = QString::fromStdString(longLine(200));
        const QString longEnd = QString::fromStdString(longLine(240)) + " *";
        QTest::newRow("one circuit")
            << QStringList{"1", "2 3", " *"} << 1 << 1 << QStringList{" 1 2 3  *", ""};
        QTest::newRow("second after an empty line")
            << QStringList{"1", " *", "", "2", " *"} << 2 << 2 << QStringList{"  2  *", ""};
        QTest::newRow("a long line ends its chunk") << QStringList{longText, "4", " *"} << 1 << 1
                                                    << QStringList{" " + longText, " 4  *", ""};
        QTest::newRow("200 characters stay in the chunk")
            << QStringList{limitText, " *"} << 1 << 1 << QStringList{" " + limitText + "  *", ""};
        QTest::newRow("a long closing line keeps the next circuit in chunk 1")
            << QStringList{longEnd, "", "7", " *"} << 2 << 2 << QStringList{"  7  *", ""};
        QTest::newRow("text after the last circuit is not counted")
            << QStringList{"1", " *", "", "9"} << 1 << 2 << QStringList{"  9", ""};
        QTest::newRow("nothing closed")
            << QStringList{"1", "2"} << 0 << 1 << QStringList{" 1 2", ""};
    }
    void loadsCircuitsIntoChunks() {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QFETCH(int, circuit);
        QFETCH(QStringList, chunks);
        CircuitList list;
        list.current = 3;
        list.setName = Text::verbatim("Kept");
        const std::vector<std::string> owned = toLines(lines);
        const CircuitLoad load = loadCircuits(list, views(owned), 0);
        QCOMPARE(load.count, count);
        QCOMPARE(list.count, count);
        QVERIFY(!load.truncated);
        QCOMPARE(list.current, 1);
        QCOMPARE(QString::fromStdString(list.setName.english()), QString("Kept"));
        for (int k = 0; k < chunks.size(); ++k)
            QCOMPARE(QString::fromStdString(list.chunk(circuit, k + 1)), chunks[k]);
    }

    void startsAtTheGivenLine() {
        CircuitList list;
        loadCircuits(list, {"explanation", kCircuitDataMarker, "5", " *"}, 2);
        QCOMPARE(QString::fromStdString(list.chunk(1, 1)), QString(" 5  *"));
    }

    void emptiesEveryChunkOfACircuitItFills() {
        CircuitList list;
        for (int k = 1; k <= kMaxChunks; ++k)
            list.chunk(1, k) = "stale";
        loadCircuits(list, {"1", " *"}, 0);
        for (int k = 2; k <= kMaxChunks; ++k)
            QVERIFY2(list.chunk(1, k).empty(), "nothing of an earlier file stays in circuit 1");
    }

    void keepsFurtherLinesInTheLastChunk() {
        std::vector<std::string> lines(kMaxChunks + 5, longLine(250));
        lines.push_back(" *");
        CircuitList list;
        const CircuitLoad load = loadCircuits(list, views(lines), 0);
        QCOMPARE(load.count, 1);
        for (int k = 1; k < kMaxChunks; ++k)
            QCOMPARE(list.chunk(1, k).size(), std::size_t(251));
        QCOMPARE(list.chunk(1, kMaxChunks).size(), std::size_t(6 * 251 + 3));
    }

    void loadsTheFirstHundredCircuits_data() {
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("99") << 99 << 99 << false;
        QTest::newRow("100") << 100 << 100 << false;
        QTest::newRow("100 and trailing text") << -100 << 100 << false;
        QTest::newRow("101") << 101 << 100 << true;
        QTest::newRow("150") << 150 << 100 << true;
    }
    void loadsTheFirstHundredCircuits() {
        QFETCH(int, inFile);
        QFETCH(int, count);
        QFETCH(bool, truncated);
        std::vector<std::string> lines;
        for (int c = 1; c <= std::abs(inFile); ++c) {
            lines.push_back(std::to_string(c));
            lines.push_back(" *");
            lines.push_back("");
        }
        if (inFile < 0)
            lines.push_back("trailing");
        CircuitList list;
        const CircuitLoad load = loadCircuits(list, views(lines), 0);
        QCOMPARE(load.count, count);
        QCOMPARE(load.truncated, truncated);
        QCOMPARE(QString::fromStdString(list.chunk(count, 1)),
                 "  " + QString::number(count) + "  *"); // after the empty separating line
    }
};

VOLTARO_TEST_CLASS(CircuitFileTest)
#include "tst_circuit_file.moc"
