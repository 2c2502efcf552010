#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace voltaro {

// A page of text in a box of its own: the text read-only, for reading, selecting and copying,
// with the keyboard focus in it, and a Close button (Escape closes too).
class TextPage : public QDialog {
    Q_OBJECT

public:
    TextPage(QWidget* parent, const QString& title, const QString& text);

    QPlainTextEdit* textBox() const { return m_text; }

private:
    QPlainTextEdit* m_text;
};

} // namespace voltaro
