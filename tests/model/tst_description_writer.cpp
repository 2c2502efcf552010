#include "model/description_writer.h"
#include "model/reset.h"
#include "support/circuits.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

Model defaultModel() {
    Model m;
    m.tables.record(kCornerLinkSlot).makeClosedConductor();
    resetTables(m.tables, m.markers);
    return m;
}

QStringList linesOf(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split("\r\n");
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

const QString kWireBranch = "1 1 0 1 100.00 1";

enum Change {
    Bulb,
    EmptyBranch,
    Variable3,
    Variable125,
    BoxText,
    BadBoxText,
    EmptyBox,
    Locked,
    AllViews,
    BigCount,
    HugeSupply,
    HugeResistance,
    LongBoxText
};

} // namespace

class DescriptionWriterTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheDefaultCircuitLineByLine() {
        const std::string text = describeCircuit(defaultModel(), true);
        QVERIFY2(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n",
                 "the last line ends in CR LF too");
        QVERIFY2(QString::fromStdString(text).count("\n") ==
                     QString::fromStdString(text).count("\r\n"),
                 "every line ends in CR LF");
        const QStringList expected = {"1",
                                      "560 112 560 464",
                                      "2",
                                      "1.5 2 1",
                                      "4 0 0",
                                      "1 0 0 1 0 0 1 0 0 1 0 0",
                                      kWireBranch,
                                      "0",
                                      "0", // top
                                      kWireBranch,
                                      "0",
                                      "0", // right
                                      "1 1 0 0   0.00 0",
                                      "0",
                                      "0", // hidden: the corner link
                                      kWireBranch,
                                      "0",
                                      "0", // bottom
                                      " *"};
        QCOMPARE(linesOf(text), expected);
    }

    void writesTheItemsInTheirFixedForms_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("change");
        QTest::newRow("one bulb #1") << 10 << "1 0 0 0   5.00 2" << int(Bulb);
        QTest::newRow("empty branch") << 11 << "0" << int(EmptyBranch);
        QTest::newRow("variable supply of 3 V") << 4 << "3.00" << int(Variable3);
        QTest::newRow("variable supply of 12.5 V") << 4 << "12.50" << int(Variable125);
        QTest::newRow("cell box text as left") << 4 << "   1.5 3 2" << int(BoxText);
        QTest::newRow("cell box text not a number") << 4 << "1.5 2 1" << int(BadBoxText);
        QTest::newRow("empty cell box") << 4 << "1.5 2 1" << int(EmptyBox);
        QTest::newRow("locked") << 1 << "0" << int(Locked);
        QTest::newRow("every view flag") << 5 << "7 0 0" << int(AllViews);
        QTest::newRow("count beyond the tables")
            << 7 << "3 1 0 1 100.00 1 1 0 1 100.00 1 1 0 1 100.00 1" << int(BigCount);
        // Numbers whose fixed form would make a line too long to load again.
        QTest::newRow("huge supply") << 4 << "1e+200" << int(HugeSupply);
        QTest::newRow("huge resistance") << 10 << "1 0 0 0 -1e+200 1" << int(HugeResistance);
        QTest::newRow("long cell box text") << 4 << "1.5 2 1" << int(LongBoxText);
    }
    void writesTheItemsInTheirFixedForms() {
        QFETCH(int, line);
        QFETCH(QString, expected);
        QFETCH(int, change);
        Model m = defaultModel();
        bool optionsFlag = true;
        switch (change) {
        case Bulb:
            setBranch(m.tables, kRightSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
            break;
        case EmptyBranch:
            m.tables.elementCount(kRightSide, 1, 1, 2) = 0;
            break;
        case Variable3:
        case Variable125:
            m.menus[MenuId::Source1].tag = int(SourceKind::Variable);
            m.source.supplyVoltage = change == Variable3 ? 3.0 : 12.5;
            break;
        case BoxText:
            m.widgets[WidgetId::batteb].text = "   1.5";
            m.menus[MenuId::Numser1].tag = 3;
            m.menus[MenuId::NumPar1].tag = 2;
            break;
        case BadBoxText:
            m.widgets[WidgetId::batteb].text = "1,5";
            break;
        case EmptyBox:
            m.widgets[WidgetId::batteb].text = "";
            break;
        case Locked:
            optionsFlag = false;
            break;
        case AllViews:
            m.menus[MenuId::ShowResistance1].checked = true;
            m.menus[MenuId::Labelloads1].checked = true;
            break;
        case BigCount:
            m.tables.elementCount(kTopSide, 1, 1, 1) = 7;
            break;
        case HugeSupply:
            m.menus[MenuId::Source1].tag = int(SourceKind::Variable);
            m.source.supplyVoltage = 1e200;
            break;
        case HugeResistance:
            setBranch(m.tables, kRightSide, 1, 1, 1, {resistor(-1e200)});
            break;
        case LongBoxText:
            m.widgets[WidgetId::batteb].text = std::string(30, '0') + "1.5";
            break;
        }
        const QStringList lines = linesOf(describeCircuit(m, optionsFlag));
        QCOMPARE(lines.at(line - 1), expected);
    }
};

VOLTARO_TEST_CLASS(DescriptionWriterTest)
#include "tst_description_writer.moc"
