#include "qt/twhoami.h"

#include "model/colour.h"
#include "qt/qt_colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace voltaro {

namespace {

// The dialog's font: "System" where there is one, else a plain bold sans, 13 pixels high.
QFont dialogFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("System"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

void setBackground(QWidget* widget, Rgb colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

// A title bar without buttons; Escape still closes the dialog without printing.
TWhoami::TWhoami(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Whoami"));
    setWindowTitle(tr("I am ...."));
    setFixedSize(204, 143);
    setFont(dialogFont());
    setBackground(this, Colour::WindowBackground);

    auto* box = new QGroupBox(tr("Name"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(10, 12, 180, 63);
    setBackground(box, Colour::PanelBrown);

    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("Iam"));
    m_name->setGeometry(23, 23, 121, 24);

    auto* label = new QLabel(tr("Name will appear on printout"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(8, 80, 186, 16);

    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(51, 101, 89, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_name, &QLineEdit::returnPressed, this, &QDialog::accept);
}

QString TWhoami::name() const {
    return m_name->text();
}

void TWhoami::setName(const QString& name) {
    m_name->setText(name);
}

bool TWhoami::ask() {
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return exec() == QDialog::Accepted;
}

void TWhoami::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
    m_name->setFocus(Qt::ActiveWindowFocusReason);
    m_name->selectAll();
}

} // namespace voltaro
