#include "lessons/builtin_circuits.h"
#include "support/test_runner.h"

#include <sstream>

using namespace voltaro;

namespace {

int tokenCount(const std::string& text) {
    std::istringstream in(text);
    int n = 0;
    for (std::string token; in >> token;)
        ++n;
    return n;
}

bool hangsUnder(MenuId entry, MenuId menu) {
    for (auto at = menuDesign(entry).parent; at; at = menuDesign(*at).parent)
        if (*at == menu)
            return true;
    return false;
}

} // namespace

// The built-in circuits are data; these checks catch a lost chunk, a mangled end mark or an
// entry bound to the wrong menu. What the circuits build is checked once they can be read.
class BuiltinDataTest : public QObject {
    Q_OBJECT

private slots:
    void lessonsAreCompleteSingleCircuits() {
        QCOMPARE(builtinLessons().size(), std::size_t(8));
        for (const Lesson& lesson : builtinLessons()) {
            const std::string d = lesson.description();
            QVERIFY2(d.back() == '*', lesson.setName);
            QVERIFY2(!lesson.lines.empty(), lesson.setName);
            QVERIFY2(hangsUnder(lesson.entry, MenuId::Circuits1), lesson.setName);
            QVERIFY(lessonFor(lesson.entry) == &lesson);
            QVERIFY2(tokenCount(lesson.firstPart) >= 21,
                     "the first part holds the header and the lane table");
        }
    }

    void worksheetsHoldTheirCountOfCircuits_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("count");
        const std::pair<MenuId, int> rows[] = {
            {MenuId::Series11, 4},        {MenuId::Parallel11, 4},
            {MenuId::Combo11, 4},         {MenuId::SimpleSeries1, 2},
            {MenuId::SimpleParallel1, 2}, {MenuId::Seriesthenparallel1, 3},
            {MenuId::ParallelSeries1, 3}, {MenuId::ComboCircuit11, 5},
            {MenuId::Circuit11, 6},
        };
        for (const auto& [entry, count] : rows)
            QTest::newRow(menuName(entry)) << static_cast<int>(entry) << count;
    }
    void worksheetsHoldTheirCountOfCircuits() {
        QFETCH(int, entry);
        QFETCH(int, count);
        const Worksheet* sheet = worksheetFor(static_cast<MenuId>(entry));
        QVERIFY(sheet);
        QCOMPARE(static_cast<int>(sheet->circuits.size()), count);
        QVERIFY(hangsUnder(sheet->entry, MenuId::WorkSheets1));
        QCOMPARE(QString(sheet->caption), QString(menuDesign(sheet->entry).caption));
        for (const auto& chunks : sheet->circuits) {
            QVERIFY2(!chunks.empty() && chunks.size() <= 3, sheet->setName);
            const std::string last = chunks.back();
            QVERIFY2(last.find('*') == last.find_last_not_of(' '),
                     "each circuit ends with its end mark");
            QVERIFY2(tokenCount(chunks.front()) >= 21,
                     "chunk 1 holds the header and the lane table");
        }
    }
};

VOLTARO_TEST_CLASS(BuiltinDataTest)
#include "tst_builtin_data.moc"
