#include "qt/text_page.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace voltaro {

TextPage::TextPage(QWidget* parent, const QString& title, const QString& text)
    : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("textpage"));
    setWindowTitle(title);
    m_text->setObjectName(QStringLiteral("pagetext"));
    m_text->setPlainText(text);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setAccessibleName(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(540, 320);
    m_text->setFocus(Qt::OtherFocusReason);
}

} // namespace voltaro
