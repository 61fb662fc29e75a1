// MainDlg as the hub of the window messages: gaze events out to the dialogs, the canvas and the
// buttons; button choices in, dispatched by group.
#include <QCoreApplication>
#include <algorithm>

#include "dialogs/AboutDlg.h"
#include "canvas/CPaintDlg.h"
#include "dialogs/ExitDlg.h"
#include "buttons/LumoraButton.h"
#include "app/MainDlg.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "app/SettingsCommand.h"
#include "dialogs/SettingsDlg.h"
#include "app/SoundPlayer.h"

namespace lumora {

void MainDlg::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case WM_GAZE_POINT:
            gazePoint(wParam, lParam);
            break;
        case WM_GAZE_DWELL:
        case WM_GAZE_FIXATION_END:
            if (!m_gazePaused)
                PostLumoraMessage(m_canvas, msg, wParam, lParam);
            break;
        case WM_TRACKER_READY:
            showAboutWindow();
            break;
        case WM_BUTTON_CHOSEN:
            buttonChosen(wParam, static_cast<int>(lParam));
            break;
        case WM_CLOSE:
            close();
            break;
        default:
            break;
    }
}

void MainDlg::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    if (m_gazePaused) {
        // Paused: the Dot button is the only way back.
        PostLumoraMessage(m_dot, WM_GAZE_POINT, wParam, lParam);
        return;
    }
    for (QDialog* d : {static_cast<QDialog*>(m_saveDlg.get()), static_cast<QDialog*>(m_openDlg.get()),
                       static_cast<QDialog*>(m_exitDlg.get()), static_cast<QDialog*>(m_settingsDlg.get()),
                       static_cast<QDialog*>(m_messageDlg.get())})
        if (d && d->isVisible())
            PostLumoraMessage(d, WM_GAZE_POINT, wParam, lParam);
    PostLumoraMessage(m_canvas, WM_GAZE_POINT, wParam, lParam);
    for (LumoraButton* b : m_gazeTargets)
        PostLumoraMessage(b, WM_GAZE_POINT, wParam, lParam);

    const QPoint p = PointFromLParam(lParam);
    m_cursor.erase(m_picture);
    update(m_cursor.rect());
    m_cursor.centerAt(p.x(), p.y());
    m_cursor.draw(m_picture, m_save);
    update(m_cursor.rect());
}

void MainDlg::broadcast(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    for (LumoraButton* b : m_gazeTargets)
        PostLumoraMessage(b, msg, wParam, lParam);
}

void MainDlg::buttonChosen(std::uintptr_t wParam, int group) {
    closeAboutWindow();
    switch (group) {
        case kGroupUndo:
            PostLumoraMessage(m_canvas, WM_UNDO, 0, 0);
            break;
        case kGroupGrid:
            PostLumoraMessage(m_canvas, WM_TOGGLE_GRID, wParam, kGroupGrid);
            SendLumoraMessage(m_grid, WM_BUTTON_TEXT, 0, 0);
            break;
        case kGroupExit:
            if (!dialogRunning())
                confirmExit();
            break;
        case kGroupDot:
            m_gazePaused = !m_gazePaused;
            SendLumoraMessage(m_dot, WM_BUTTON_TEXT, 0, 0);
            break;
        case kGroupStampTool:
            showPalette(kStampPalette);
            PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, wParam, kGroupStampTool);
            broadcast(WM_BUTTON_CHOSEN, wParam, kGroupStampTool);
            break;
        case kGroupShapeTool:
            showPalette(kColorPalette);
            PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, wParam, kGroupShapeTool);
            broadcast(WM_BUTTON_CHOSEN, wParam, kGroupShapeTool);
            break;
        case kGroupStamp:
            PostLumoraMessage(m_canvas, WM_CHANGE_ATTRIBUTE, wParam, kGroupStamp);
            break;
        case kGroupColor:
            PostLumoraMessage(m_canvas, WM_CHANGE_ATTRIBUTE, wParam, kGroupColor);
            broadcast(WM_BUTTON_CHOSEN, wParam, kGroupColor);
            break;
        case kGroupFill:
            PostLumoraMessage(m_canvas, WM_CHANGE_ATTRIBUTE, wParam, kGroupFill);
            break;
        case kGroupRotateRight:
            rotatePalette(false);
            break;
        case kGroupRotateLeft:
            rotatePalette(true);
            break;
        case kGroupOpen:
            if (!dialogRunning())
                runAroundCanvas(*m_openDlg);
            break;
        case kGroupSave:
            if (!dialogRunning())
                runAroundCanvas(*m_saveDlg);
            break;
        case kGroupNew:
            if (!dialogRunning())
                runAroundCanvas(*m_saveDlg, true);
            break;
        case kGroupSettings:
            runSettings();
            break;
        default:
            break;
    }
}

void MainDlg::command(int id) {
    switch (id) {
        case IDC_ARROW_LEFT:
            rotatePalette(false);
            break;
        case IDC_ARROW_RIGHT:
            rotatePalette(true);
            break;
        case IDC_SETTINGS:
            runSettings();
            break;
        default:
            if (LumoraButton* b = button(id))
                b->activate();
            break;
    }
}

bool MainDlg::dialogRunning() const {
    // Buttons outside a running dialog cannot be chosen, so a choice arriving now was made
    // before the dialog opened (a flood of queued gaze, a button that fired twice): opening
    // another dialog from inside this one, or the same one again, would only tangle them.
    for (const QDialog* d : {static_cast<const QDialog*>(m_saveDlg.get()), static_cast<const QDialog*>(m_openDlg.get()),
                             static_cast<const QDialog*>(m_exitDlg.get()),
                             static_cast<const QDialog*>(m_settingsDlg.get()),
                             static_cast<const QDialog*>(m_messageDlg.get())})
        if (d && d->isVisible())
            return true;
    return false;
}

int MainDlg::runAroundCanvas(QDialog& dialog, bool newDrawing) {
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    const int result = dialog.exec();
    bool drawingKept = false;
    if (&dialog == m_saveDlg.get() && m_saveDlg->saveChosen()) {
        // The save is still on its way through this window to the canvas. It must be written
        // before anything else happens to the drawing, and a failed one must keep the drawing
        // and be told, before a New may clear it.
        QCoreApplication::sendPostedEvents(this, LumoraMessageEvent::eventType());
        QCoreApplication::sendPostedEvents(m_canvas, LumoraMessageEvent::eventType());
        const QString failure = MessageDlg::NotSavedText("drawing", m_canvas->lastSaveStatus());
        if (!failure.isEmpty()) {
            drawingKept = true;
            tellUser(failure);
        }
    }
    if (newDrawing && result == GazeDialog::kOk && !drawingKept)
        PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupNew);
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    return result;
}

void MainDlg::tellUser(const QString& text) {
    if (m_messageDlg && m_messageDlg->isVisible())
        return;  // one message at a time; the one showing is read first
    m_messageDlg = std::make_unique<MessageDlg>(m_screen.size(), Sound(), this, text);
    m_messageDlg->exec();
}

void MainDlg::runSettings() {
    if (dialogRunning())
        return;
    // The command suspends and resumes the canvas itself.
    CPaintDlg* canvas = m_canvas;
    SettingsCommand command(*m_settingsDlg, m_tuning, m_settings, m_shared, canvas,
                            [canvas](bool yellow) { canvas->setYellowStep(yellow); });
    command.setTeller([this](const QString& text) { tellUser(text); });
    command.run();
}

void MainDlg::confirmExit() {
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    const bool confirmed = m_exitDlg->exec() == ExitDlg::kConfirmed;
    if (confirmed) {
        m_exitConfirmed = true;
        m_shared.gazeRunning.store(false);
    }
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    // The gaze thread closes the window once it has shut the tracker down; when it is no longer
    // running (the tracker failed, or no thread was started) nothing else would ever close it.
    if (confirmed && m_gazeEnded.load())
        close();
}

void MainDlg::rotatePalette(bool left) {
    Sound().playAsync(QString::fromLatin1(kClickSound));
    std::vector<LumoraButton*>& items = m_paletteMode == kStampPalette ? m_stampPalette : m_colorPalette;
    if (RotatePalette(items, left))
        placePalette(items, true);
}

void MainDlg::showPalette(int mode) {
    m_paletteMode = mode;
    const bool stamps = mode == kStampPalette;
    placePalette(stamps ? m_colorPalette : m_stampPalette, false);
    placePalette(stamps ? m_stampPalette : m_colorPalette, true);
}

void MainDlg::placePalette(const std::vector<LumoraButton*>& items, bool shown) {
    for (std::size_t k = 0; k < items.size(); ++k) {
        items[k]->setGeometry(m_layout.paletteSlot(static_cast<int>(k)));
        items[k]->setVisible(shown && k < static_cast<std::size_t>(kPaletteSlots));
    }
}

void MainDlg::showAboutWindow() {
    if (!m_aboutDlg->isVisible())
        m_aboutDlg->showGreeting();
}

void MainDlg::closeAboutWindow() {
    if (m_aboutDlg->isVisible())
        m_aboutDlg->close();
}

}  // namespace lumora
