#include "qt/board_panel.h"
#include "qt/tcircuits.h"
#include "support/test_runner.h"
#include "window_driver.h"

#include <QHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>

using namespace voltaro;

namespace {

// A translator with a few entries by context and English, as a loaded .qm file gives them.
class FewWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QString, QString> words = {
            {"Menus|&File", "&Fichier"},
            {"Edit|Number in &Series (%1)", "Nombre en &s\u00e9rie (%1)"},
            {"Lessons|This is a simple circuit.", "Ceci est un circuit simple."},
            {"Bench|Circuits: %1", "Circuits : %1"},
            {"Lessons|Bulb and switch", "Lampe et interrupteur"},
        };
        return words.value(QString::fromUtf8(context) + '|' + QString::fromUtf8(source));
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensAsTheBoardWindow() {
        TCircuits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Voltaro"));
        QCOMPARE(window.size(), QSize(800, 600));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(254, 253, 199));
        BoardPanel* panel = window.findChild<BoardPanel*>(QStringLiteral("Panel1"));
        QVERIFY2(panel, "the board panel is called Panel1");
        QCOMPARE(panel->picture().size(), QSize(770, 528));
        const QImage shot = panel->grab().toImage();
        QCOMPARE(QColor(shot.pixel(BoardPanel::kPictureLeft, BoardPanel::kPictureTop)),
                 QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(5, shot.height() / 2)), QColor(169, 150, 109));
    }

    // Captions, filled-in templates, lesson texts and the title go through the translator; the
    // workbench keeps its English.
    void showsItsTextsThroughTheInstalledTranslator() {
        FewWords french;
        QCoreApplication::installTranslator(&french);
        test::WindowDriver w;
        w.choose("Basic1");
        QCOMPARE(w.action("File1")->text(), QStringLiteral("&Fichier"));
        const auto* memo = w.window.findChild<QPlainTextEdit*>(QStringLiteral("expmem"));
        QCOMPARE(memo->toPlainText().section('\n', 0, 0),
                 QStringLiteral("Ceci est un circuit simple."));
        w.window.findChild<QPushButton*>(QStringLiteral("okdokeybt"))->click();
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Circuits : Lampe et interrupteur"));
        QCOMPARE(w.action("Numser1")->text(), QString::fromUtf8("Nombre en &s\u00e9rie (2)"));
        QCoreApplication::removeTranslator(&french);
        QCOMPARE(QString::fromStdString(w.bench().menu(MenuId::File1).caption.english()),
                 QStringLiteral("&File"));
    }
};

VOLTARO_TEST_CLASS(WindowTest)
#include "tst_window.moc"
