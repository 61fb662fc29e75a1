#include "app/MainDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <array>

#include "dialogs/AboutDlg.h"
#include "canvas/CPaintDlg.h"
#include "files/DrawingFile.h"
#include "dialogs/ExitDlg.h"
#include "app/EyeImageDlg.h"
#include "GazeThread.h"
#include "buttons/LumoraButton.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/OpenDlg.h"
#include "app/QtGazeMessageSink.h"
#include "dialogs/SaveDlg.h"
#include "dialogs/SettingsDlg.h"
#include "app/SoundPlayer.h"
#include "canvas/StampPictures.h"

namespace lumora {
namespace {

// The main window's buttons other than the palettes, in the order they join gazeTargets.
struct CommandButton {
    int id;
    enum Kind { Shape, Utility } kind;
    int groupOrShape;  // the group of a utility button, the shape of a shape button
    // English, as the tests and PlaceAtStart name the buttons; translated only on the button.
    const char* captionA;
    const char* captionB;  // shown at start
    ButtonPlace place;
};

// x = m: the left column; x = W - m - w: the right column; y = H - m - h: the bottom row.
constexpr ButtonPlace LeftColumn(double yh, double ym) {
    return {0, 1, 0, yh, ym, 0};
}
constexpr ButtonPlace RightColumn(double yh, double ym) {
    return {-1, -1, 1, yh, ym, 0};
}
constexpr ButtonPlace BottomRow(double xw, double xm, double xW) {
    return {xw, xm, xW, -1, -1, 1};
}

const std::array<CommandButton, 14> kCommandButtons = {{
    {IDC_LINE, CommandButton::Shape, kShapeLine, "Line", "Line", LeftColumn(1, 2)},
    {IDC_RECTANGLE, CommandButton::Shape, kShapeRectangle, "Rectangle", "Rectangle", LeftColumn(2, 3)},
    {IDC_CIRCLE, CommandButton::Shape, kShapeCircle, "Circle", "Circle", LeftColumn(3, 4)},
    {IDC_STAMPS, CommandButton::Utility, kGroupStampTool, QT_TRANSLATE_NOOP("lumora::MainDlg", "Stamps"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Stamps"), LeftColumn(4, 5)},
    {IDC_GRID, CommandButton::Utility, kGroupGrid, QT_TRANSLATE_NOOP("lumora::MainDlg", "Grid Off"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Grid On"), LeftColumn(5, 6)},
    {IDC_UNDO, CommandButton::Utility, kGroupUndo, QT_TRANSLATE_NOOP("lumora::MainDlg", "Undo"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Undo"), LeftColumn(6, 7)},
    {IDC_SETTINGS, CommandButton::Utility, kGroupSettings, QT_TRANSLATE_NOOP("lumora::MainDlg", "Settings"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Settings"), BottomRow(0, 1, 0)},
    {IDC_SAVE, CommandButton::Utility, kGroupSave, QT_TRANSLATE_NOOP("lumora::MainDlg", "Save"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Save"), RightColumn(2, 4)},
    {IDC_NEW, CommandButton::Utility, kGroupNew, QT_TRANSLATE_NOOP("lumora::MainDlg", "New"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "New"), RightColumn(3, 5)},
    {IDC_OPEN, CommandButton::Utility, kGroupOpen, QT_TRANSLATE_NOOP("lumora::MainDlg", "Open"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Open"), RightColumn(4, 6)},
    {IDC_EXIT, CommandButton::Utility, kGroupExit, QT_TRANSLATE_NOOP("lumora::MainDlg", "Exit"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Exit"), RightColumn(6, 7)},
    {IDC_DOT, CommandButton::Utility, kGroupDot, QT_TRANSLATE_NOOP("lumora::MainDlg", "Dot On"),
     QT_TRANSLATE_NOOP("lumora::MainDlg", "Dot Off"), BottomRow(-1, -1, 1)},
    {IDC_ARROW_LEFT, CommandButton::Utility, kGroupRotateRight, "", "", BottomRow(1, 2, 0)},
    {IDC_ARROW_RIGHT, CommandButton::Utility, kGroupRotateLeft, "", "", BottomRow(8, 9, 0)},
}};

struct ColorEntry {
    int id;
    const char* name;
    ColorRef color;
};

// The colour palette in its order at start.
const std::array<ColorEntry, 10> kColors = {{
    {1017, "Black", MakeColorRef(0, 0, 0)},
    {1014, "Red", MakeColorRef(200, 55, 55)},
    {1021, "Orange", MakeColorRef(245, 102, 0)},
    {1016, "Yellow", MakeColorRef(255, 255, 108)},
    {1013, "Green", MakeColorRef(80, 152, 71)},
    {1015, "Blue", MakeColorRef(65, 65, 139)},
    {1020, "Purple", MakeColorRef(102, 51, 153)},
    {1022, "Peach", MakeColorRef(248, 214, 115)},
    {1023, "Brown", MakeColorRef(102, 51, 0)},
    {1026, "White", MakeColorRef(255, 255, 255)},
}};

struct StampEntry {
    int id;
    const char* name;
    int picture;
};

// The stamp palette in its order at start.
const std::array<StampEntry, 38> kStamps = {{
    {1025, "Flower", 149},   {1042, "Heart", 170},     {1032, "Bulb", 159},       {1044, "Music", 172},
    {1048, "Star", 176},     {1047, "Snowflake", 175}, {1028, "Spider", 150},     {1031, "Bird", 158},
    {1035, "Cat", 163},      {1037, "Dog", 165},       {1034, "Butterfly", 161},  {1040, "Fish", 168},
    {1039, "Eye", 167},      {1036, "Computer", 164},  {1051, "Wheelchair", 179}, {1033, "Bus", 160},
    {1043, "Icecream", 171}, {1041, "Grapes", 169},    {1049, "Strawberry", 177}, {1050, "Watermelon", 178},
    {1029, "Balloon", 151},  {1030, "Bear", 157},      {1053, "Boy1", 182},       {1054, "Boy2", 183},
    {1056, "Girl1", 184},    {1055, "Girl2", 186},     {1057, "0", 203},          {1068, "1", 204},
    {1067, "2", 205},        {1066, "3", 206},         {1065, "4", 207},          {1064, "5", 208},
    {1063, "6", 209},        {1062, "7", 210},         {1061, "8", 211},          {1060, "9", 212},
    {1059, "+", 213},        {1058, "=", 214},
}};

}  // namespace

// ---- Layout --------------------------------------------------------------------------------

MainLayout MainLayout::ForScreen(int width, int height) {
    constexpr double kButtonWidthShare = 0.089;
    constexpr int kMarginDivisor = 100;
    constexpr int kButtonHeightDivisor = 10;
    MainLayout l;
    l.W = width;
    l.H = height;
    l.m = width / kMarginDivisor;
    l.w = width * kButtonWidthShare;
    l.h = height / kButtonHeightDivisor;
    return l;
}

QRect MainLayout::buttonAt(double x, double y) const {
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h));
}

QRect MainLayout::paletteSlot(int i) const {
    return buttonAt((i + 2) * w + (i + 3) * m, H - m - h);
}

QRect MainLayout::canvasRect() const {
    // The canvas's own integer arithmetic: c = W / 100, d = 89 W / 1000 + 2c.
    const int c = W / 100;
    const int d = (89 * W) / 1000 + 2 * c;
    return QRect(d, c, W - 2 * d, H - 2 * c - (3 * (H / 10)) / 2);
}

QRect MainDlg::PlaceAtStart(const MainLayout& layout, const QString& name) {
    for (const CommandButton& entry : kCommandButtons)
        if (name == QLatin1String(entry.captionB))
            return entry.place.in(layout);
    const auto slot = [&layout](std::size_t index) {
        return index < static_cast<std::size_t>(kPaletteSlots) ? layout.paletteSlot(static_cast<int>(index)) : QRect();
    };
    for (std::size_t i = 0; i < kColors.size(); ++i)
        if (name == QLatin1String(kColors[i].name))
            return slot(i);
    for (std::size_t i = 0; i < kStamps.size(); ++i)
        if (name == QLatin1String(kStamps[i].name))
            return slot(i);
    return QRect();
}

// ---- Construction and start-up -------------------------------------------------------------

MainDlg::MainDlg(const QRect& screen, bool startGaze, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_screen(screen),
      m_layout(MainLayout::ForScreen(screen.width(), screen.height())),
      m_startGaze(startGaze),
      m_leftArrowImage(QStringLiteral("Lumora/Images/left_small.bmp")),
      m_rightArrowImage(QStringLiteral("Lumora/Images/right_small.bmp")) {
    setWindowTitle(QStringLiteral("Lumora"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(m_screen);

    const QSize size = m_screen.size();
    m_eyeImage = std::make_unique<EyeImageDlg>(size);
    m_saveDlg = std::make_unique<SaveDlg>(
        size, Sound(), [this] { return m_canvas->snapshot(); }, this);
    m_openDlg = std::make_unique<OpenDlg>(size, Sound(), this);
    m_settingsDlg = std::make_unique<SettingsDlg>(size, Sound(), this);
    m_aboutDlg = std::make_unique<AboutDlg>(size, this);
    m_exitDlg = std::make_unique<ExitDlg>(size, Sound(), this);

    // The gaze cursor and the two off-screen pictures, filled with the background colour.
    m_cursor.create(m_screen.size(), kColorBackground);
    m_cursor.setColor(kColorGazeCursor);
    m_pointer.start();
    m_picture = QImage(m_screen.size(), QImage::Format_RGB32);
    m_picture.fill(ColorRefToQColor(kColorBackground));

    createButtons();

    m_canvas = new CPaintDlg(size, Sound(), this);
    m_canvas->setDrawingWriter(&StoreDrawingFile);
    m_canvas->show();

    readGazeSettings();
    // The colour sequence read from the settings file holds from the first dwell on.
    m_canvas->setYellowStep(m_tuning.Yellow);
    m_gazePaused = false;
    m_save = m_picture;
    if (m_startGaze)
        startGazeThread();
}

MainDlg::~MainDlg() {
    stopGazeThread();
}

void MainDlg::createButtons() {
    for (const CommandButton& entry : kCommandButtons) {
        LumoraButton* b = nullptr;
        if (entry.kind == CommandButton::Shape) {
            b = new LM_ShapeButton(entry.groupOrShape, this);
        } else {
            auto* u = new LM_UtilityButton(entry.groupOrShape, tr(entry.captionA), tr(entry.captionB), this);
            if (entry.id == IDC_GRID)
                m_grid = u;
            if (entry.id == IDC_DOT)
                m_dot = u;
            b = u;
        }
        b->setObjectName(QString::fromUtf8(entry.captionB));
        b->setGeometry(entry.place.in(m_layout));
        m_buttonsById.emplace_back(entry.id, b);
        m_gazeTargets.push_back(b);
    }
    PostLumoraText(button(IDC_ARROW_RIGHT), WM_SET_BUTTON_IMAGE, 0, m_rightArrowImage);
    PostLumoraText(button(IDC_ARROW_LEFT), WM_SET_BUTTON_IMAGE, 0, m_leftArrowImage);

    for (const ColorEntry& c : kColors) {
        auto* b = new LM_ColorButton(c.color, this);
        b->setObjectName(QString::fromUtf8(c.name));
        m_buttonsById.emplace_back(c.id, b);
        m_gazeTargets.push_back(b);
        m_colorPalette.push_back(b);
    }
    for (const StampEntry& s : kStamps) {
        auto* b = new LM_StampButton(s.picture, this);
        b->setObjectName(QString::fromUtf8(s.name));
        m_buttonsById.emplace_back(s.id, b);
        m_gazeTargets.push_back(b);
        m_stampPalette.push_back(b);
    }
    for (auto& [id, b] : m_buttonsById)
        connect(b, &QAbstractButton::clicked, this, [this, id = id] { command(id); });

    m_paletteMode = kColorPalette;
    placePalette(m_stampPalette, false);
    placePalette(m_colorPalette, true);
}

void MainDlg::readGazeSettings() {
    m_tuning = ReadGazeTuning(m_settings);
    // The sample rate is not known before the tracker starts; the gaze thread computes it anew.
    m_shared.minimum_fix_samples.store(MinimumFixSamples(0, m_tuning.fMinFixMs));
}

// A private message from the thread that runs the gaze thread's body: the body has returned.
static constexpr unsigned kGazeThreadEnded = WM_APP + 0x1FF;

void MainDlg::startGazeThread() {
    m_sink = std::make_unique<QtGazeMessageSink>(this, &m_shared.iSamplePerSec);
    m_gaze = std::make_unique<GazeThread>(*m_sink, m_shared, m_tuning, m_screen.width(), m_screen.height());
    m_gaze->setEyeImageSurface(m_eyeImage->surface());
    m_shared.gazeRunning.store(true);
    m_gazeEnded.store(false);
    m_gazeThread = std::thread([this] {
        m_gaze->GazeThreadProc();
        m_gazeEnded.store(true);
        PostLumoraMessage(this, kGazeThreadEnded, 0, 0);
    });
}

void MainDlg::stopGazeThread() {
    m_shared.gazeRunning.store(false);
    if (m_gazeThread.joinable())
        m_gazeThread.join();
}

LumoraButton* MainDlg::button(int id) const {
    for (const auto& [bid, b] : m_buttonsById)
        if (bid == id)
            return b;
    return nullptr;
}

// ---- Window plumbing -----------------------------------------------------------------------

bool MainDlg::event(QEvent* e) {
    return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { message(m); }) || QWidget::event(e);
}

void MainDlg::message(const LumoraMessageEvent& m) {
    if (m.msg() == kGazeThreadEnded)
        onGazeThreadEnded();
    else if (m.msg() == WM_DRAWING_FILE && m.hasText())
        PostLumoraText(m_canvas, WM_DRAWING_FILE, m.wParam(), m.text());
    else
        handleMessage(m.msg(), m.wParam(), m.lParam());
}

void MainDlg::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), m_picture, e->rect());
}

void MainDlg::mouseMoveEvent(QMouseEvent* e) {
    m_pointer.mouseMoved();
    QWidget::mouseMoveEvent(e);
}

void MainDlg::showCoveringScreen() {
    m_coverScreen = true;
    showFullScreen();
}

// A gaze user has no way to bring back a window that has been made small or moved aside, and
// without a window manager nobody else will either.
void MainDlg::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        coverScreenAgain();
}

void MainDlg::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    coverScreenAgain();
}

void MainDlg::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    coverScreenAgain();
}

void MainDlg::coverScreenAgain() {
    const auto displaced = [this] {
        // Covering more than the screen (a platform's full screen larger than the area given) is
        // covering it; insisting on the exact rectangle could fight the platform for ever.
        return m_coverScreen && isVisible() &&
               (windowState() != Qt::WindowFullScreen || !geometry().contains(m_screen));
    };
    if (!displaced())
        return;
    // Not from inside the event: the platform finishes its own change first.
    QTimer::singleShot(0, this, [this, displaced] {
        if (!displaced())
            return;
        setGeometry(m_screen);
        setWindowState(Qt::WindowFullScreen);
    });
}

void MainDlg::closeEvent(QCloseEvent* e) {
    stopGazeThread();
    m_aboutDlg->close();
    e->accept();
    emit closed();
}

void MainDlg::onGazeThreadEnded() {
    if (m_gazeThread.joinable())
        m_gazeThread.join();
    // An exit confirmed after the thread had already stopped gets no WM_CLOSE from it.
    if (m_exitConfirmed)
        close();
}

}  // namespace lumora
