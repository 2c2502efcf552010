// voltaro_board_picture: the board as the program paints it at start-up, for checks of what
// leaves the program (the clipboard, the printer).
//
//   voltaro_board_picture FILE.png            writes the board picture
//   voltaro_board_picture --compare FILE.png  compares an image with it pixel for pixel; exit
//                                             status 0 when they are equal, 1 when they differ
#include "qt/board_panel.h"
#include "qt/tcircuits.h"
#include "view/canvas.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>

namespace {

QImage startUpBoard() {
    voltaro::TCircuits window;
    voltaro::BoardPanel* panel = window.boardPanel();
    panel->canvas().finish();
    return panel->picture().convertToFormat(QImage::Format_RGB32);
}

int compare(const QImage& board, const QString& path) {
    QTextStream out(stdout);
    QImage other(path);
    if (other.isNull()) {
        out << "cannot read " << path << "\n";
        return 1;
    }
    other = other.convertToFormat(QImage::Format_RGB32);
    if (other.size() != board.size()) {
        out << path << " is " << other.width() << " x " << other.height() << ", the board "
            << board.width() << " x " << board.height() << "\n";
        return 1;
    }
    long differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if ((board.pixel(x, y) & 0xffffff) != (other.pixel(x, y) & 0xffffff)) {
                if (differing++ == 0)
                    first = QPoint(x, y);
            }
    if (differing == 0) {
        out << path << ": " << board.width() << " x " << board.height()
            << ", every pixel equal to the board\n";
        return 0;
    }
    out << path << ": " << differing << " pixels differ from the board, the first at (" << first.x()
        << ", " << first.y() << ")\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const QImage board = startUpBoard();
    if (args.size() == 2 && args[0] == QStringLiteral("--compare"))
        return compare(board, args[1]);
    if (args.size() == 1 && !args[0].startsWith(QStringLiteral("--")))
        return board.save(args[0]) ? 0 : 1;
    QTextStream(stderr) << "usage: voltaro_board_picture FILE.png | --compare FILE.png\n";
    return 2;
}
