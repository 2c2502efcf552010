#include "bench/printed_page.h"
#include "qt/qt_canvas.h"
#include "qt/qt_platform.h"
#include "qt/twhoami.h"
#include "support/test_runner.h"
#include "window_driver.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace voltaro;
using voltaro::test::sendMouse;
using voltaro::test::WindowDriver;

namespace {

// The number of pixels of `rect` of `image` that differ from `expected` placed at rect's corner.
int differingPixels(const QImage& image, const QRect& rect, const QImage& expected) {
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((image.pixel(rect.left() + x, rect.top() + y) & 0xffffff) !=
                (expected.pixel(x, y) & 0xffffff))
                ++differing;
    return differing;
}

// Runs a poppler tool; its standard output, or nothing when it is not installed or fails.
std::optional<QByteArray> runTool(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace

class PrintCopyTest : public QObject {
    Q_OBJECT

private slots:
    void canvasReadsBackItsPixels() {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QtCanvas canvas(picture);
        canvas.setPenColour(Colour::Red);
        canvas.line({0, 5}, {40, 5});
        canvas.setBrushColour(Colour::Green);
        canvas.rectangle(10, 10, 20, 20);
        const Picture copied = canvas.copyRect(-2, 3, 30, 30); // partly off the picture
        for (int y = 0; y < copied.height; ++y)
            for (int x = 0; x < copied.width; ++x) {
                const QPoint at(x - 2, y + 3);
                const QRgb expected =
                    picture.rect().contains(at) ? picture.pixel(at) : qRgb(255, 255, 255);
                const Rgb c = copied.at(x, y);
                QVERIFY2(
                    qRgb(c.r, c.g, c.b) == expected,
                    qPrintable(QStringLiteral("pixel (%1, %2) as the picture's").arg(x).arg(y)));
            }
    }

    void selectionFrameIsDottedAndClear() {
        WindowDriver w;
        w.choose("CopySelect1");
        const QRect frame(7 + 100, 7 + 60, 200, 120);
        const QImage before = w.panel()->grab().toImage();
        sendMouse(w.panel(), QEvent::MouseButtonPress, frame.bottomRight() + QPoint(1, 1),
                  Qt::LeftButton);
        sendMouse(w.panel(), QEvent::MouseMove, frame.topLeft(), Qt::LeftButton);
        const QImage during = w.panel()->grab().toImage();
        int black = 0, other = 0;
        for (int x = frame.left(); x <= frame.right(); ++x)
            (QColor(during.pixel(x, frame.top())) == Qt::black ? black : other) += 1;
        QVERIFY2(black > 50 && other > 50, "the top edge alternates black and the board");
        const QRect inside = frame.adjusted(1, 1, -1, -1);
        QCOMPARE(differingPixels(during, inside, before.copy(inside)), 0);

        sendMouse(w.panel(), QEvent::MouseButtonRelease, frame.topLeft(), Qt::NoButton);
        QCOMPARE(w.platform.clipboard.size(), std::size_t(1));
        QCOMPARE(QSize(w.platform.clipboard[0].width, w.platform.clipboard[0].height),
                 frame.size());
        const QImage after = w.panel()->grab().toImage();
        QCOMPARE(differingPixels(after, frame, before.copy(frame)), 0);
    }

    // The real print path into a PDF file: the name dialog answered by typing and Enter, the
    // print dialog replaced by a printer set up for a file, the page read back.
    void printsThePageIntoAPdfFile() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("board.pdf"));
        QtPlatform platform(nullptr);
        platform.setPrinterSetup([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setFullPage(true);
            return true;
        });
        TCircuits window(&platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        bool offered = false;
        QTimer::singleShot(0, [&] {
            TWhoami* dialog = platform.nameDialog();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("Iam"));
            offered = dialog->isVisible() && dialog->focusWidget() == name;
            QTest::keyClicks(name, QStringLiteral("Ann"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        window.findChild<QAction*>(QStringLiteral("print1"))->trigger();
        QVERIFY2(offered, "the name dialog is shown with the focus in its edit");
        QFile file(pdf);
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-", "a PDF was written");

        const auto info = runTool(QStringLiteral("pdfinfo"), {pdf});
        if (!info)
            QSKIP("poppler-utils are not installed (scripts/install-deps)");
        QVERIFY2(info->contains("Title:           Voltaro"), "the caption names the document");
        QVERIFY2(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                     ->contains("Printed for Ann"),
                 "the name line is on the page");
        const auto images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(images && images->count('\n') == 2, "the board is drawn, not pasted as a picture");

        // Placed at (0, 300) and scaled 12 times (A4 at 1200 dpi is 9921 pixels wide): at 1200
        // dpi the battery's left edge (x 30 on the board, 1 pixel wide) is a red band of 12
        // pixels, sharp, with white beside it.
        const QRect strip(26, 300, 8, 1); // in board pixels, below the cells
        const QString png = dir.filePath(QStringLiteral("strip"));
        QVERIFY(
            runTool(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QStringLiteral("1200"), QStringLiteral("-x"),
                     QString::number(12 * strip.x()), QStringLiteral("-y"),
                     QString::number(300 + 12 * strip.y()), QStringLiteral("-W"),
                     QString::number(12 * strip.width()), QStringLiteral("-H"), QStringLiteral("1"),
                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png}));
        const QImage rendered(png + QStringLiteral(".png"));
        QCOMPARE(rendered.size(), QSize(12 * strip.width(), 1));
        QString row;
        for (int x = 0; x < rendered.width(); x += 6)
            row += QColor(rendered.pixel(x, 0)) == QColor(Qt::red) ? 'R' : '.';
        QCOMPARE(row, QStringLiteral("........RR......"));
    }

    // A file that cannot be written is a failure with the reason, not a page that seemed to print.
    void printToAFileThatCannotBeWritten() {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        QtPlatform platform(nullptr);
        platform.setPrinterSetup([](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/dev/full"));
            return true;
        });
        QVERIFY(platform.choosePrinter());
        const std::optional<Failure> failure = platform.printPage(PrintedPage{});
        QVERIFY2(failure, "the failure is reported");
        QCOMPARE(failure->reason.english(),
                 std::string("Cannot print to file \"/dev/full\": No space left on device"));
    }
};

VOLTARO_TEST_CLASS(PrintCopyTest)
#include "tst_print_copy.moc"
