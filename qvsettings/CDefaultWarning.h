#pragma once
// The confirmation shown before a page resets its values to the defaults. The caller only looks
// at whether it closed with OK (Accepted).

#include <QDialog>

class QPushButton;

class CDefaultWarning : public QDialog {
    Q_OBJECT
public:
    explicit CDefaultWarning(QWidget* parent);

    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
