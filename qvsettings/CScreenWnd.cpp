#include "CScreenWnd.h"

#include <QPainter>
#include <algorithm>

#include "CCalConstPpg.h"

CScreenWnd::CScreenWnd(const CCalConstPpg* page, QWidget* parent) : QWidget(parent), m_pPage(page) {
    setWindowTitle(tr("Screen"));
}

std::vector<CScreenWnd::Cross> CScreenWnd::Crosses(QSize size, const CalConstSettings& block, int resolution,
                                                   int shownPosition, int positions) {
    std::vector<Cross> crosses;
    if (resolution < 0 || resolution >= QV_NUM_CAL_RES) {
        return crosses;
    }
    const CalResSettings& set = block.calRes[resolution];
    positions = std::clamp(positions, 0, QV_MAX_CAL_TARGETS);
    for (int p = 0; p < positions; ++p) {
        const int x = static_cast<int>(static_cast<float>(size.width()) * set.fX[p]);
        const int y = static_cast<int>(static_cast<float>(size.height()) * set.fY[p]);
        crosses.push_back({QPoint(x, y), p == shownPosition});
    }
    return crosses;
}

void CScreenWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_pBlock || !m_pPage) {
        return;
    }
    const QPen redPen(QColor(255, 0, 0), 1);
    const QPen blackPen(Qt::black, 1);
    for (const Cross& cross :
         Crosses(size(), *m_pBlock, m_pPage->Resolution(), m_pPage->ShownPosition(), m_pPage->PositionCount())) {
        painter.setPen(cross.current ? redPen : blackPen);
        const QPoint c = cross.centre;
        painter.drawLine(c.x() - kCrossArm, c.y(), c.x() + kCrossArm, c.y());
        painter.drawLine(c.x(), c.y() - kCrossArm, c.x(), c.y() + kCrossArm);
    }
}
