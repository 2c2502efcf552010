#include "qt/tcircuits.h"

#include <QApplication>
#include <QScreen>

// Cir: the program entry. Sets the application title, creates the main window, centres it on
// the screen and runs the event loop until the window closes.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voltaro"));
    // Ties the window to the installed desktop entry, and so to its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.voltaro.Voltaro"));

    voltaro::TCircuits window;
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return app.exec();
}
