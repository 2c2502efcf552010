#include "table_writers.h"

#include "model/numbers.h"
#include "tool_failure.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace voltaro::sheet {

namespace {

const QStringList kElementColumns =
    QStringLiteral("slot side lane block branch position code switch open wire label resistance "
                   "voltage current power brightness")
        .split(QLatin1Char(' '));

// A number in its shortest form that reads back to the same double; `missing` when it is not
// a finite number.
QString numberText(double value, const QString& missing) {
    return std::isfinite(value) ? QString::fromStdString(formatShortest(value)) : missing;
}

QString flagText(std::uint8_t flag) {
    return flag != 0 ? QStringLiteral("true") : QStringLiteral("false");
}

QStringList elementCells(const ElementAnswer& e, const QString& missing) {
    const ElementRecord& r = e.record;
    return {QString::number(e.slot),
            QString::number(e.at.side),
            QString::number(e.at.lane),
            QString::number(e.at.block),
            QString::number(e.at.branch),
            QString::number(e.at.position),
            QString::number(r.kind),
            flagText(r.switchFlag),
            flagText(r.openFlag),
            flagText(r.wireFlag),
            QString::fromStdString(e.label),
            numberText(r.resistance, missing),
            numberText(r.voltage, missing),
            numberText(r.current, missing),
            numberText(e.power(), missing),
            QString::number(e.brightness)};
}

// The rows padded to the widest cell of each column: text left-aligned, numbers right-aligned.
QString alignedRows(const std::vector<QStringList>& rows) {
    std::vector<qsizetype> widths(static_cast<std::size_t>(kElementColumns.size()), 0);
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], row[i].size());
    const qsizetype labelColumn = kElementColumns.indexOf(QStringLiteral("label"));
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const int width = static_cast<int>(widths[static_cast<std::size_t>(i)]);
            cells << (i == labelColumn ? row[i].leftJustified(width)
                                       : row[i].rightJustified(width));
        }
        text += QStringLiteral("  ") + cells.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return text;
}

QString totalsLine(const CircuitAnswer& c) {
    const QString missing = QStringLiteral("n/a");
    return QStringLiteral("Circuit %1: supply %2 V, total resistance %3 ohm, total current %4 A\n")
        .arg(c.number)
        .arg(numberText(c.supplyVoltage, missing), numberText(c.totalResistance, missing),
             numberText(c.totalCurrent, missing));
}

} // namespace

QString answerKeyCsv(const AnswerKey& key) {
    QString csv = QStringLiteral("circuit,") + kElementColumns.join(QLatin1Char(',')) + u'\n';
    for (const CircuitAnswer& c : key.circuits)
        for (const ElementAnswer& e : c.elements)
            csv += QString::number(c.number) + QLatin1Char(',') +
                   elementCells(e, QString()).join(QLatin1Char(',')) + QLatin1Char('\n');
    return csv;
}

QString answerKeyText(const AnswerKey& key) {
    QString text;
    for (const CircuitAnswer& c : key.circuits) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        if (c.error) {
            text += QStringLiteral("Circuit %1: error: %2\n").arg(c.number).arg(words(*c.error));
            continue;
        }
        text += totalsLine(c);
        std::vector<QStringList> rows = {kElementColumns};
        for (const ElementAnswer& e : c.elements)
            rows.push_back(elementCells(e, QStringLiteral("n/a")));
        text += alignedRows(rows);
    }
    return text;
}

} // namespace voltaro::sheet
