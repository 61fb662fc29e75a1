#pragma once
// The Calibration page's preview of the screen: a cross at every target position of the shown
// calibration resolution, the position being edited in red.

#include <QPoint>
#include <QWidget>
#include <vector>

#include "qvfileio.h"

class CCalConstPpg;

class CScreenWnd : public QWidget {
    Q_OBJECT
public:
    struct Cross {
        QPoint centre;
        bool current;  // drawn with the red pen
    };

    // page (not owned) supplies the shown resolution, position and number of positions.
    explicit CScreenWnd(const CCalConstPpg* page, QWidget* parent);

    void SetBlock(const CalConstSettings* block) { m_pBlock = block; }

    // Centres of the crosses for a client area of size: x = (int)(width x X), y likewise with
    // height, 0 at the left and top edges.
    static std::vector<Cross> Crosses(QSize size, const CalConstSettings& block, int resolution, int shownPosition,
                                      int positions);

    // Half the arm of a cross: a cross is 2 x kCrossArm + 1 pixels wide.
    static constexpr int kCrossArm = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CCalConstPpg* m_pPage;
    const CalConstSettings* m_pBlock = nullptr;
};
