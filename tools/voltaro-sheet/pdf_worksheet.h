#pragma once

#include "answer_key.h"
#include "worksheet_table.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <vector>

namespace voltaro::sheet {

// A printable worksheet in a PDF file, A4: per circuit a page with the set's title, the
// explanation or intro lines, the board and a table to fill in; with answers, a page after it
// with the totals and the table filled in. A table too long for its page goes on over the next.
class PdfWorksheet {
public:
    PdfWorksheet(const QString& path, const CircuitSet& set, bool answers);

    void addCircuit(const CircuitAnswer& circuit, const QImage& board);
    // Ends the document and writes the file, or says why it could not.
    std::optional<Failure> finish();

private:
    void beginPage();
    int drawHeading(const QString& subtitle);
    int drawExplanation(int y);
    int drawBoard(int y, const QImage& board);
    int drawLines(int y, const QStringList& lines);
    void drawUnreadable(int y, const CircuitAnswer& circuit);
    void drawTable(int y, const std::vector<WorksheetRow>& rows, const QString& subtitle);
    void drawRow(int y, const QStringList& cells, bool header);
    void addAnswerPage(const CircuitAnswer& circuit);
    int mm(double millimetres) const;

    QString m_path;
    QBuffer m_bytes; // the document is made in memory and written whole when it is complete
    QPdfWriter m_writer;
    QPainter m_painter;
    const CircuitSet& m_set;
    bool m_answers;
    bool m_firstPage = true;
};

} // namespace voltaro::sheet
