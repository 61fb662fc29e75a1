#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
constexpr int kIconSizes[] = {16, 32, 48};
const QColor kIrisBlue(65, 65, 139);
}  // namespace

QIcon CAboutDlg::ProgramIcon() {
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF eye(size * 0.05, size * 0.25, size * 0.9, size * 0.5);
        painter.setPen(QPen(Qt::black, std::max(1.0, size / 16.0)));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye);
        painter.setBrush(kIrisBlue);
        painter.drawEllipse(eye.center(), size * 0.2, size * 0.2);
        painter.setBrush(Qt::black);
        painter.drawEllipse(eye.center(), size * 0.08, size * 0.08);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About QvSettings"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    row->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(tr("Quorvane Settings Version 1.0"), this));
    texts->addWidget(new QLabel(tr("Copyright (C) Brelnic, Inc.  All rights reserved."), this));
    row->addLayout(texts);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
