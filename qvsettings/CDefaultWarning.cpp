#include "CDefaultWarning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDefaultWarning::CDefaultWarning(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Are you sure?"));
    auto* layout = new QVBoxLayout(this);
    for (const char* text :
         {QT_TRANSLATE_NOOP(
              "CDefaultWarning",
              "The set defaults button will set all values on the active page to the default values.  Values on other "
              "pages will not be affected"),
          QT_TRANSLATE_NOOP(
              "CDefaultWarning",
              "It's a good idea to occasionally save a complete settings file.  This can be done from the save/restore "
              "page."),
          QT_TRANSLATE_NOOP(
              "CDefaultWarning",
              "Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the "
              "operation.")}) {
        auto* label = new QLabel(tr(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}
