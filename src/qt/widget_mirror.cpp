#include "qt/widget_mirror.h"

#include "qt/picture_widget.h"
#include "qt/qt_colours.h"
#include "qt/translated.h"
#include "qt/zoomed_widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace voltaro {

namespace {

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> linesOf(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    return lines;
}

void fillBackground(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    if (widget->autoFillBackground() && widget->palette().color(role) == toQColor(colour))
        return;
    QPalette pal = widget->palette();
    pal.setColor(role, toQColor(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// A frame drawn as a dotted black rectangle along its edges, with a clear inside: what lies
// under it shows through.
class DottedFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        if (width() <= 0 || height() <= 0)
            return;
        QPainter p(this);
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// An edit box whose Enter is its own: QLineEdit passes Return on to its parent after it has
// reported it, and the parent here is the board panel, where Return would click the marker that
// the box's closing has just given the focus back to.
class BoxEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            event->accept();
    }
};

// Enter or Return on a focused push button clicks it, as Space does: Qt does this only inside
// dialogs, and the panels' buttons live on the main window.
bool pressesFocusedButton(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    button->click();
    return true;
}

// Ctrl+C in a text box copies its selection; without a selection it is left to the window's
// shortcut, which copies the board.
bool decidesCopy(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!key->matches(QKeySequence::Copy))
        return false;
    bool selection = false;
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
        selection = edit->hasSelectedText();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(watched))
        selection = memo->textCursor().hasSelection();
    else
        return false;
    key->setAccepted(selection);
    return true;
}

// Whether the window's keyboard focus lies in the widget or in one of its children.
bool holdsFocus(const QWidget* widget) {
    const QWidget* focused = widget->window()->focusWidget();
    return focused && (focused == widget || widget->isAncestorOf(focused));
}

} // namespace

WidgetMirror::WidgetMirror(QWidget* board, Widgets& state, EventHandler onEvent)
    : QObject(board), m_board(board), m_state(state), m_onEvent(std::move(onEvent)) {
    // Rows come parents first, so a child's parent exists when the child is made.
    for (int i = 0; i < kWidgetCount; ++i) {
        const auto id = static_cast<WidgetId>(i);
        const std::optional<WidgetId> parent = widgetDesign(id).parent;
        m_widgets[index(id)] = create(id, parent ? widget(*parent) : board);
    }
    sync();
}

QWidget* WidgetMirror::create(WidgetId id, QWidget* parent) {
    const WidgetDesign& design = widgetDesign(id);
    const QString caption = translated(designCaption(id));
    QWidget* w = nullptr;
    switch (design.kind) {
    case WidgetKind::GroupBox:
        w = new QGroupBox(caption, parent);
        fillBackground(w, QPalette::Window, Colour::PanelBrown);
        break;
    case WidgetKind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        w = frame;
        break;
    }
    case WidgetKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        w = memo;
        break;
    }
    case WidgetKind::Edit:
        w = new BoxEdit(parent);
        break;
    case WidgetKind::Button:
        w = new QPushButton(caption, parent);
        break;
    case WidgetKind::CheckBox:
        w = new QCheckBox(caption, parent);
        break;
    case WidgetKind::RadioButton: {
        auto* radio = new QRadioButton(caption, parent);
        radio->setAutoExclusive(false);
        w = radio;
        break;
    }
    case WidgetKind::Label:
        w = new QLabel(caption, parent);
        break;
    case WidgetKind::Image:
        w = new PictureWidget(design.width, design.height, parent);
        break;
    case WidgetKind::Frame:
        w = new DottedFrame(parent);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
    }
    w->setObjectName(QString::fromLatin1(design.name));
    w->installEventFilter(this);
    connectInput(id, w);
    return w;
}

void WidgetMirror::connectInput(WidgetId id, QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { m_state[id].text = text.toStdString(); });
        connect(edit, &QLineEdit::returnPressed, this,
                [this, id] { report(id, WidgetEvent::Enter); });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this, id, memo] {
            if (m_syncing)
                return;
            m_state[id].lines = linesOf(memo->toPlainText());
            m_shownLines[index(id)] = m_state[id].lines.changes(); // the memo shows them already
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this, [this, id, button] {
            readCheckMark(id, button);
            report(id, WidgetEvent::Click);
        });
    } else if (auto* picture = qobject_cast<PictureWidget*>(w)) {
        connect(picture, &PictureWidget::clicked, this,
                [this, id] { report(id, WidgetEvent::Click); });
    }
}

void WidgetMirror::readCheckMark(WidgetId id, QAbstractButton* button) {
    if (qobject_cast<QRadioButton*>(button))
        m_state[id].checked = true;
    else if (button->isCheckable())
        m_state[id].checked = button->isChecked();
}

void WidgetMirror::report(WidgetId id, WidgetEvent event) {
    if (!m_syncing)
        m_onEvent(id, event);
}

bool WidgetMirror::eventFilter(QObject* watched, QEvent* event) {
    if (pressesFocusedButton(watched, event) || decidesCopy(watched, event))
        return true;
    if (event->type() == QEvent::FocusIn)
        for (int i = 0; i < kWidgetCount; ++i)
            if (m_widgets[i] == watched &&
                hasWidgetHandler(static_cast<WidgetId>(i), WidgetEvent::FocusIn))
                report(static_cast<WidgetId>(i), WidgetEvent::FocusIn);
    return QObject::eventFilter(watched, event);
}

void WidgetMirror::sync() {
    m_syncing = true;
    for (int i = 0; i < kWidgetCount; ++i)
        syncOne(static_cast<WidgetId>(i));
    m_syncing = false;
}

void WidgetMirror::syncOne(WidgetId id) {
    const Widget& state = m_state[id];
    QWidget* w = widget(id);
    const QRect geometry = toView(m_scale, QRect(state.left, state.top, state.width, state.height));
    if (w->geometry() != geometry)
        w->setGeometry(geometry);
    w->setEnabled(state.enabled);
    const QString caption = translated(state.caption);
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != qtext(state.text))
            edit->setText(qtext(state.text));
        edit->setReadOnly(state.readOnly);
        fillBackground(w, QPalette::Base, state.colour);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        if (m_shownLines[index(id)] != state.lines.changes()) {
            memo->setPlainText(translatedLines(state.lines));
            m_shownLines[index(id)] = state.lines.changes();
        }
        memo->setReadOnly(state.readOnly);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(caption);
        if (button->isCheckable())
            button->setChecked(state.checked);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(caption);
    } else if (auto* picture = qobject_cast<PictureWidget*>(w)) {
        picture->update(); // its canvas may have drawn on it
    } else if (widgetDesign(id).kind == WidgetKind::Panel) {
        fillBackground(w, QPalette::Window, state.colour);
    }
    if (w->isVisibleTo(w->parentWidget()) == state.visible)
        return;
    if (!state.visible && holdsFocus(w))
        m_board->setFocus(Qt::OtherFocusReason);
    w->setVisible(state.visible);
}

void WidgetMirror::focus(WidgetId id) {
    QWidget* w = widget(id);
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

} // namespace voltaro
