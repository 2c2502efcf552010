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
    // print dialog replaced by a printer set up for a file, the page rendered back.
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

        if (const auto text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
            QVERIFY2(text->contains("Printed for Ann"), "the name line is on the page");
        window.boardPanel()->canvas().finish();
        const QImage board = window.boardPanel()->picture().copy();
        // The picture in the file is the board, pixel for pixel (no lossy compression).
        const QString extracted = dir.filePath(QStringLiteral("image"));
        if (!runTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, extracted}))
            QSKIP("poppler-utils are not installed (scripts/install-deps)");
        const QImage inFile(extracted + QStringLiteral("-000.png"));
        QCOMPARE(inFile.size(), board.size());
        QCOMPARE(differingPixels(inFile, inFile.rect(), board), 0);

        // Placed at (0, 300) and scaled 12 times (A4 at 1200 dpi is 9921 pixels wide): at
        // 1200 dpi a corner of the page around the battery shows every board pixel as a block of
        // 12 x 12 pixels of its colour.
        const QRect corner(0, 270, 60, 60); // in board pixels
        const QString png = dir.filePath(QStringLiteral("corner"));
        QVERIFY(runTool(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), QStringLiteral("1200"), QStringLiteral("-x"),
                         QString::number(12 * corner.x()), QStringLiteral("-y"),
                         QString::number(300 + 12 * corner.y()), QStringLiteral("-W"),
                         QString::number(12 * corner.width()), QStringLiteral("-H"),
                         QString::number(12 * corner.height()), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdf, png}));
        const QImage rendered(png + QStringLiteral(".png"));
        QCOMPARE(rendered.size(), 12 * corner.size());
        const QImage expected = board.copy(corner).scaled(rendered.size(), Qt::IgnoreAspectRatio,
                                                          Qt::FastTransformation);
        QCOMPARE(differingPixels(rendered, rendered.rect(), expected), 0);
    }
};

VOLTARO_TEST_CLASS(PrintCopyTest)
#include "tst_print_copy.moc"
