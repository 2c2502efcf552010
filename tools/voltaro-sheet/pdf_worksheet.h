#pragma once

#include "answer_key.h"
#include "worksheet_table.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <vector>

namespace voltaro::sheet {

// A printable worksheet in a PDF file, A4, made in memory and written whole when it is complete.
// The pupil's pages: the set's title with a line for the name on each, the explanation once,
// then each circuit on a page of its own ("Circuit 2 of 4", the supply, the board drawn as lines,
// shapes and text, a table to fill in). With answers, the answer key follows as a part of its own,
// with its own title and page numbers: per circuit the totals and the table filled in. A table that
// does not fit under what comes before it moves whole to the next page; only one longer than a page
// is split.
class PdfWorksheet {
public:
    PdfWorksheet(const QString& path, const CircuitSet& set, bool answers);

    void addCircuit(const CircuitAnswer& circuit, const BoardDrawing& board);
    // Ends the document and writes the file, or says why it could not.
    std::optional<Failure> finish();
    // The pages begun so far, in both parts.
    int pageCount() const { return m_pages; }

private:
    enum class Part { Pupil, Key };

    void beginPage(Part part);
    void drawHeading(Part part);
    void drawFooter(Part part);
    bool fits(int height) const { return m_y + height <= m_bottom; }
    int roomOnAFreshPage() const;
    int lineHeight(const QFont& font) const;
    void drawLine(const QString& text, const QFont& font);
    void drawWrapped(const QStringList& lines, const QFont& font, Part part);
    void drawBoard(const BoardDrawing& board);
    int tableHeight(const WorksheetTable& table) const;
    void drawTable(const WorksheetTable& table, Part part, const QString& subtitle);
    void drawRow(const QStringList& cells, const std::vector<double>& shares, bool header);
    void addPupilCircuit(const CircuitAnswer& circuit, const BoardDrawing& board);
    void addKeyCircuit(const CircuitAnswer& circuit);
    int mm(double millimetres) const;

    QString m_path;
    QBuffer m_bytes;
    QPdfWriter m_writer;
    QPainter m_painter;
    const CircuitSet& m_set;
    bool m_answers;
    std::vector<CircuitAnswer> m_keyCircuits; // for the answer key at the end
    int m_circuits = 0;                       // circuits added
    int m_pages = 0;                          // pages begun in the document
    int m_pagesInPart = 0;                    // pages begun in the current part
    int m_y = 0;                              // where the next thing goes on the page
    int m_bottom = 0;                         // the lowest y that the page's content may reach
};

} // namespace voltaro::sheet
