#include "pdf_worksheet.h"

#include "qt/file_io.h"
#include "tool_failure.h"
#include "view/point.h"

#include <QPageLayout>
#include <QPageSize>

#include <cmath>

namespace voltaro::sheet {

namespace {

constexpr int kResolution = 300;           // dots per inch of the page's coordinates
constexpr double kMarginMm = 15.0;         // on every side of the page
constexpr double kRowMm = 9.0;             // a table row, room to write in by hand
constexpr double kGapMm = 5.0;             // between the parts of a page
constexpr double kExplanationMaxMm = 65.0; // the explanation is cut off below this
const double kColumnShares[] = {0.12, 0.28, 0.20, 0.20, 0.20}; // of the table's width

QFont pageFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString circuitSubtitle(const CircuitAnswer& c, const CircuitSet& set) {
    return QStringLiteral("Circuit %1 of %2").arg(c.number).arg(set.list.count);
}

QString totalsText(const CircuitAnswer& c) {
    return QStringLiteral("Supply %1 V      Total resistance %2 ohm      Total current %3 A")
        .arg(readableNumber(c.supplyVoltage), readableNumber(c.totalResistance),
             readableNumber(c.totalCurrent));
}

} // namespace

PdfWorksheet::PdfWorksheet(const QString& path, const CircuitSet& set, bool answers)
    : m_path(path), m_writer(&m_bytes), m_set(set), m_answers(answers) {
    m_bytes.open(QIODevice::WriteOnly);
    m_writer.setResolution(kResolution);
    m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                       QPageLayout::Millimeter));
    m_writer.setTitle(set.title);
    m_writer.setCreator(QStringLiteral("voltaro-sheet"));
    m_painter.begin(&m_writer);
}

int PdfWorksheet::mm(double millimetres) const {
    return static_cast<int>(std::lround(millimetres * kResolution / 25.4));
}

void PdfWorksheet::beginPage() {
    if (!m_firstPage)
        m_writer.newPage();
    m_firstPage = false;
}

// The set's title on the left, "Name:" with a line to write on at the right, the subtitle
// under them; the y below.
int PdfWorksheet::drawHeading(const QString& subtitle) {
    const int width = m_writer.width();
    m_painter.setPen(Qt::black);
    m_painter.setFont(pageFont(16, true));
    const int titleHeight = m_painter.fontMetrics().height();
    m_painter.drawText(QRect(0, 0, width * 2 / 3, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       m_set.title);
    m_painter.setFont(pageFont(11));
    const QRect name(width * 2 / 3, 0, width / 3, titleHeight);
    m_painter.drawText(name, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Name:"));
    m_painter.setPen(QPen(Qt::black, mm(0.3)));
    m_painter.drawLine(name.left() + mm(14), name.bottom(), name.right(), name.bottom());
    m_painter.setPen(Qt::black);
    m_painter.setFont(pageFont(12));
    const int subtitleTop = titleHeight + mm(2);
    const int subtitleHeight = m_painter.fontMetrics().height();
    m_painter.drawText(QRect(0, subtitleTop, width, subtitleHeight), Qt::AlignLeft, subtitle);
    return subtitleTop + subtitleHeight + mm(kGapMm);
}

// The lines word-wrapped in the page's width, as many whole lines as fit in the explanation's
// height; "..." stands for those left out. The y below.
int PdfWorksheet::drawLines(int y, const QStringList& lines) {
    if (lines.isEmpty())
        return y;
    m_painter.setFont(pageFont(10));
    const int width = m_writer.width();
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const int lineHeight = m_painter.fontMetrics().lineSpacing();
    const int bottom = y + mm(kExplanationMaxMm) - lineHeight; // room kept for "..."
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].isEmpty() ? QStringLiteral(" ") : lines[i];
        const QRect box = m_painter.boundingRect(QRect(0, y, width, 0), flags, line);
        if (box.bottom() > bottom && i + 1 < lines.size()) {
            m_painter.drawText(QRect(0, y, width, lineHeight), flags, QStringLiteral("..."));
            return y + lineHeight + mm(kGapMm);
        }
        m_painter.drawText(box, flags, line);
        y = box.bottom() + 1;
    }
    return y + mm(kGapMm);
}

void PdfWorksheet::drawUnreadable(int y, const CircuitAnswer& circuit) {
    drawLines(y, {QStringLiteral("This circuit could not be read: ") + words(*circuit.error)});
}

int PdfWorksheet::drawExplanation(int y) {
    return drawLines(y, m_set.explanation);
}

// The board across the page's width, every pixel a sharp block, in a thin frame.
int PdfWorksheet::drawBoard(int y, const QImage& board) {
    const int width = m_writer.width();
    const QRect target(0, y, width, width * kBoardHeight / kBoardWidth);
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.drawImage(target, board);
    m_painter.setPen(QPen(Qt::black, mm(0.3)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(target);
    m_painter.restore();
    return target.bottom() + mm(kGapMm);
}

void PdfWorksheet::drawRow(int y, const QStringList& cells, bool header) {
    const int width = m_writer.width();
    const int height = mm(kRowMm);
    m_painter.setFont(pageFont(11, header));
    int x = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int cellWidth = i + 1 == cells.size()
                                  ? width - x
                                  : static_cast<int>(width * kColumnShares[static_cast<int>(i)]);
        const QRect cell(x, y, cellWidth, height);
        m_painter.setPen(QPen(Qt::black, mm(0.2)));
        m_painter.setBrush(header ? QColor(225, 225, 225) : QColor(Qt::white));
        m_painter.drawRect(cell);
        m_painter.drawText(cell.adjusted(mm(2), 0, -mm(2), 0), Qt::AlignCenter, cells[i]);
        x += cellWidth;
    }
}

// The header and the rows from `y` on; rows that do not fit go on over the next pages, under
// the heading again.
void PdfWorksheet::drawTable(int y, const std::vector<WorksheetRow>& rows,
                             const QString& subtitle) {
    const int rowHeight = mm(kRowMm);
    drawRow(y, worksheetHeader(), true);
    y += rowHeight;
    for (const WorksheetRow& row : rows) {
        if (y + rowHeight > m_writer.height()) {
            beginPage();
            y = drawHeading(subtitle + QStringLiteral(" (continued)"));
            drawRow(y, worksheetHeader(), true);
            y += rowHeight;
        }
        drawRow(y, {row.label, row.kind, row.voltage, row.current, row.brightness}, false);
        y += rowHeight;
    }
}

void PdfWorksheet::addAnswerPage(const CircuitAnswer& circuit) {
    beginPage();
    const QString subtitle = QStringLiteral("Answers: ") + circuitSubtitle(circuit, m_set);
    int y = drawHeading(subtitle);
    if (circuit.error) {
        drawUnreadable(y, circuit);
        return;
    }
    y = drawLines(y, {totalsText(circuit)});
    drawTable(y, worksheetRows(circuit, true), subtitle);
}

void PdfWorksheet::addCircuit(const CircuitAnswer& circuit, const QImage& board) {
    beginPage();
    const QString subtitle = circuitSubtitle(circuit, m_set);
    int y = drawExplanation(drawHeading(subtitle));
    if (circuit.error) {
        drawUnreadable(y, circuit);
    } else {
        y = drawBoard(y, board);
        drawTable(y, worksheetRows(circuit, false), subtitle);
    }
    if (m_answers)
        addAnswerPage(circuit);
}

std::optional<Failure> PdfWorksheet::finish() {
    if (!m_painter.end())
        return toolFailure(QStringLiteral("the document could not be finished"));
    return replaceFileContents(m_path, m_bytes.data());
}

} // namespace voltaro::sheet
