#pragma once

#include <QDialog>

class QLineEdit;

namespace voltaro {

// The name dialog "I am ....": the pupil's name in `Iam`, printed at the top of the page. A
// small fixed window centred on the screen; Enter in `Iam` acts as "Ok", and the text stays
// from one use to the next.
class TWhoami : public QDialog {
    Q_OBJECT

public:
    explicit TWhoami(QWidget* parent = nullptr);

    QString name() const;
    void setName(const QString& name);
    // Shows the dialog modally, centred on the screen: true for "Ok".
    bool ask();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_name = nullptr;
};

} // namespace voltaro
