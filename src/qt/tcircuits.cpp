#include "qt/tcircuits.h"

#include "app/operations.h"
#include "qt/board_panel.h"
#include "qt/qt_colours.h"

#include <QPalette>

namespace voltaro {

TCircuits::TCircuits(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Circuits"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(Colour::WindowBackground));
    setPalette(pal);
    setAutoFillBackground(true);

    m_panel = new BoardPanel(this);
    setCentralWidget(m_panel);
    resize(800, 600);

    m_bench.canvas = &m_panel->canvas();
    m_panel->showMarkers(&m_bench.model.markers);
    startUp(m_bench);
    mirror();
}

TCircuits::~TCircuits() = default;

void TCircuits::mirror() {
    setWindowTitle(QString::fromStdString(m_bench.ui.caption));
    m_panel->update();
}

} // namespace voltaro
