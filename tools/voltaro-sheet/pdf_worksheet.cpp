#include "pdf_worksheet.h"

#include "bench/bench_texts.h"
#include "qt/file_io.h"
#include "qt/vector_canvas.h"
#include "shown_values.h"
#include "solver/value_format.h"
#include "tool_failure.h"
#include "view/point.h"

#include <QPageLayout>
#include <QPageSize>

#include <cmath>

namespace voltaro::sheet {

namespace {

constexpr int kResolution = 300;        // dots per inch of the page's coordinates
constexpr double kMarginMm = 15.0;      // on every side of the page
constexpr double kFooterMm = 8.0;       // kept at the bottom for the page number
constexpr double kRowMm = 8.0;          // a table row, room to write in by hand
constexpr double kGapMm = 4.0;          // between the parts of a page
constexpr double kBoardWidthMm = 150.0; // the board, centred; its height follows

QFont pageFont(double points, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString circuitSubtitle(const CircuitAnswer& c, const CircuitSet& set) {
    return QStringLiteral("Circuit %1 of %2").arg(c.number).arg(set.list.count);
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString totalsText(const CircuitAnswer& c) {
    return QStringLiteral("Total resistance %1      Total current %2")
        .arg(fromStd(totalResistanceText(c)),
             fromStd(formatWithPrefix(shownTotalCurrent(c), Unit::Ampere)));
}

QString unreadableText(const CircuitAnswer& c) {
    return QStringLiteral("This circuit could not be read: ") + words(*c.error);
}

} // namespace

PdfWorksheet::PdfWorksheet(const QString& path, const CircuitSet& set, bool answers)
    : m_path(path), m_writer(&m_bytes), m_set(set), m_answers(answers) {
    m_bytes.open(QIODevice::WriteOnly);
    m_writer.setResolution(kResolution);
    m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                       QPageLayout::Millimeter));
    m_writer.setTitle(fromStd(Text(kSetCaption).arg(set.title.toStdString()).english()));
    m_writer.setCreator(QStringLiteral("voltaro-sheet"));
    m_painter.begin(&m_writer);
}

int PdfWorksheet::mm(double millimetres) const {
    return static_cast<int>(std::lround(millimetres * kResolution / 25.4));
}

int PdfWorksheet::lineHeight(const QFont& font) const {
    return QFontMetrics(font, &m_writer).lineSpacing();
}

int PdfWorksheet::roomOnAFreshPage() const {
    const int heading =
        lineHeight(pageFont(16, true)) + mm(2) + lineHeight(pageFont(12)) + mm(kGapMm);
    return m_writer.height() - mm(kFooterMm) - heading;
}

void PdfWorksheet::beginPage(Part part) {
    if (m_pages > 0)
        m_writer.newPage();
    ++m_pages;
    ++m_pagesInPart;
    m_y = 0;
    m_bottom = m_writer.height() - mm(kFooterMm);
    drawFooter(part);
    drawHeading(part);
}

// The pupil's pages: the set's title on the left, "Name:" with a line to write on at the right.
// The answer key's: "Answer key" over the set's title.
void PdfWorksheet::drawHeading(Part part) {
    const int width = m_writer.width();
    const QFont title = pageFont(16, true);
    const int titleHeight = lineHeight(title);
    m_painter.setPen(Qt::black);
    m_painter.setFont(title);
    m_painter.drawText(QRect(0, 0, width * 2 / 3, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       part == Part::Key ? QStringLiteral("Answer key") : m_set.title);
    m_y = titleHeight + mm(2);
    if (part == Part::Key) {
        drawLine(m_set.title, pageFont(12));
    } else {
        m_painter.setFont(pageFont(11));
        const QRect name(width * 2 / 3, 0, width / 3, titleHeight);
        m_painter.drawText(name, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Name:"));
        m_painter.setPen(QPen(Qt::black, mm(0.3)));
        m_painter.drawLine(name.left() + mm(14), name.bottom(), name.right(), name.bottom());
        m_y += lineHeight(pageFont(12));
    }
    m_y += mm(kGapMm);
}

void PdfWorksheet::drawFooter(Part part) {
    const QFont font = pageFont(9);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QString number =
        (part == Part::Key ? QStringLiteral("Answer key, page %1") : QStringLiteral("Page %1"))
            .arg(m_pagesInPart);
    m_painter.drawText(
        QRect(0, m_writer.height() - lineHeight(font), m_writer.width(), lineHeight(font)),
        Qt::AlignRight | Qt::AlignBottom, number);
}

void PdfWorksheet::drawLine(const QString& text, const QFont& font) {
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const int height = lineHeight(font);
    m_painter.drawText(QRect(0, m_y, m_writer.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
    m_y += height;
}

// The lines word-wrapped in the page's width, going on over the next pages as they need.
void PdfWorksheet::drawWrapped(const QStringList& lines, const QFont& font, Part part) {
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    for (const QString& text : lines) {
        const QString line = text.isEmpty() ? QStringLiteral(" ") : text;
        QRect box = m_painter.boundingRect(QRect(0, m_y, m_writer.width(), 0), flags, line);
        if (!fits(box.height())) {
            beginPage(part);
            m_painter.setFont(font);
            m_painter.setPen(Qt::black);
            box.moveTop(m_y);
        }
        m_painter.drawText(box, flags, line);
        m_y = box.bottom() + 1;
    }
    m_y += mm(kGapMm);
}

// The board centred, drawn again through the paint's own primitives, in a thin frame.
void PdfWorksheet::drawBoard(const BoardDrawing& board) {
    const int width = mm(kBoardWidthMm);
    const QRect target((m_writer.width() - width) / 2, m_y, width,
                       width * kBoardHeight / kBoardWidth);
    drawBoardVectors(m_painter, target, board);
    m_painter.save();
    m_painter.setPen(QPen(Qt::black, mm(0.3)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(target);
    m_painter.restore();
    m_y = target.bottom() + mm(kGapMm);
}

int PdfWorksheet::tableHeight(const WorksheetTable& table) const {
    return static_cast<int>(table.rows.size() + 1) * mm(kRowMm);
}

void PdfWorksheet::drawRow(const QStringList& cells, const std::vector<double>& shares,
                           bool header) {
    const int width = m_writer.width();
    const int height = mm(kRowMm);
    m_painter.setFont(pageFont(10, header));
    int x = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int cellWidth = i + 1 == cells.size()
                                  ? width - x
                                  : static_cast<int>(width * shares[static_cast<std::size_t>(i)]);
        const QRect cell(x, m_y, cellWidth, height);
        m_painter.setPen(QPen(Qt::black, mm(0.2)));
        m_painter.setBrush(header ? QColor(225, 225, 225) : QColor(Qt::white));
        m_painter.drawRect(cell);
        m_painter.drawText(cell.adjusted(mm(1), 0, -mm(1), 0), Qt::AlignCenter, cells[i]);
        x += cellWidth;
    }
    m_y += height;
}

// The table whole where it fits, else whole on the next page under the circuit's subtitle; one
// longer than a page goes on over the next pages, its header again on each.
void PdfWorksheet::drawTable(const WorksheetTable& table, Part part, const QString& subtitle) {
    const QString continued = subtitle + QStringLiteral(" (continued)");
    const int rowHeight = mm(kRowMm);
    const int height = tableHeight(table);
    const bool movesWhole =
        !fits(height) && height <= roomOnAFreshPage() - lineHeight(pageFont(12, true));
    if (movesWhole || !fits(2 * rowHeight)) {
        beginPage(part);
        drawLine(continued, pageFont(12, true));
    }
    drawRow(table.header, table.columnShares, true);
    for (const QStringList& row : table.rows) {
        if (!fits(rowHeight)) {
            beginPage(part);
            drawLine(continued, pageFont(12, true));
            drawRow(table.header, table.columnShares, true);
        }
        drawRow(row, table.columnShares, false);
    }
    m_y += mm(kGapMm);
}

void PdfWorksheet::addPupilCircuit(const CircuitAnswer& circuit, const BoardDrawing& board) {
    const QString subtitle = circuitSubtitle(circuit, m_set);
    const QFont subtitleFont = pageFont(12, true);
    const bool first = m_circuits++ == 0;
    if (first) {
        beginPage(Part::Pupil);
        drawWrapped(m_set.explanation, pageFont(10), Part::Pupil);
    }
    // Each circuit on a page of its own; the first under the explanation when it fits there.
    const int boardHeight = mm(kBoardWidthMm) * kBoardHeight / kBoardWidth;
    const int blockHeight = 2 * lineHeight(subtitleFont) + boardHeight + 2 * mm(kGapMm);
    if (!first || !fits(blockHeight))
        beginPage(Part::Pupil);
    drawLine(subtitle, subtitleFont);
    if (circuit.error) {
        drawWrapped({unreadableText(circuit)}, pageFont(10), Part::Pupil);
        return;
    }
    drawLine(QStringLiteral("Supply: ") + fromStd(supplyText(circuit)), pageFont(11));
    m_y += mm(kGapMm) / 2;
    drawBoard(board);
    drawTable(pupilTable(circuit), Part::Pupil, subtitle);
}

void PdfWorksheet::addKeyCircuit(const CircuitAnswer& circuit) {
    const QString subtitle = circuitSubtitle(circuit, m_set);
    const QFont subtitleFont = pageFont(12, true);
    const QFont textFont = pageFont(10);
    if (circuit.error) {
        if (!fits(3 * lineHeight(textFont)))
            beginPage(Part::Key);
        drawLine(subtitle, subtitleFont);
        drawWrapped({unreadableText(circuit)}, textFont, Part::Key);
        return;
    }
    const WorksheetTable table = answerTable(circuit);
    const int noteHeight = circuit.open ? lineHeight(textFont) : 0;
    const int blockHeight = lineHeight(subtitleFont) + 2 * lineHeight(textFont) +
                            tableHeight(table) + noteHeight + mm(kGapMm);
    if (!fits(blockHeight) && blockHeight <= roomOnAFreshPage())
        beginPage(Part::Key);
    drawLine(subtitle, subtitleFont);
    drawLine(QStringLiteral("Supply: ") + fromStd(supplyText(circuit)), textFont);
    drawLine(totalsText(circuit), textFont);
    drawTable(table, Part::Key, subtitle);
    if (circuit.open) {
        m_y -= mm(kGapMm);
        drawLine(QString::fromLatin1(kOpenCircuitNote), pageFont(10, false, true));
        m_y += mm(kGapMm);
    }
}

void PdfWorksheet::addCircuit(const CircuitAnswer& circuit, const BoardDrawing& board) {
    addPupilCircuit(circuit, board);
    if (m_answers)
        m_keyCircuits.push_back(circuit);
}

std::optional<Failure> PdfWorksheet::finish() {
    if (!m_keyCircuits.empty()) {
        m_pagesInPart = 0;
        beginPage(Part::Key);
        for (const CircuitAnswer& circuit : m_keyCircuits)
            addKeyCircuit(circuit);
    }
    if (!m_painter.end())
        return failureOf(QStringLiteral("the document could not be finished"));
    return replaceFileContents(m_path, m_bytes.data());
}

} // namespace voltaro::sheet
