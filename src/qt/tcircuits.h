#pragma once

#include "app/workbench.h"

#include <QMainWindow>

namespace voltaro {

class BoardPanel;

// The main window. It holds the one workbench, forwards every event to its handler and then
// mirrors the workbench back onto its widgets; it makes no decisions of its own.
class TCircuits : public QMainWindow {
    Q_OBJECT

public:
    explicit TCircuits(QWidget* parent = nullptr);
    ~TCircuits() override;

    Workbench& bench() { return m_bench; }
    BoardPanel* boardPanel() const { return m_panel; }

    // Shows the workbench's state on the widgets.
    void mirror();

private:
    Workbench m_bench;
    BoardPanel* m_panel = nullptr;
};

} // namespace voltaro
