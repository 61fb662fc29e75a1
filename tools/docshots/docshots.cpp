// lumora_docshots: the user guide's pictures of Lumora's dialogs and of the QvSettings property
// sheet, taken headless. The real widgets are built, shown without a modal loop, and each is
// saved as a PNG of what it paints.
//
//   lumora_docshots <images folder> <scratch folder> [<Lumora data folder>]
//
// Every picture is taken in English, and three again in German (named "...-de.png": the save
// dialog, the exit question and the Save & Restore page) for the guide's part on languages, with the catalogues of the
// data folder's "translations" (or the build tree's).
//
// The scratch folder holds the working folders the programs would have ("lumora" with the
// shipped pictures and a few drawings, "qvsettings" with an empty QVSettings folder, so the
// sheet shows the library's defaults) and the Qt profile; both working folders are made afresh
// on each run and nothing is written outside the scratch and images folders. The data folder
// (the one holding "Lumora/Images") defaults to the build's own.
//
// Exit code 0 when every picture was written, 1 when one was not, 2 on a wrong command line.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QTabWidget>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "CBRLPropPage.h"
#include "CCalConstPpg.h"
#include "CConfigSettingsPpg.h"
#include "CHardwarePpg.h"
#include "CImageProcPpg.h"
#include "CQvSettingsDlg.h"
#include "GazeShared.h"
#include "GazeTuning.h"
#include "IniDocument.h"
#include "ScriptedSoundPlayer.h"
#include "SettingsLibrary.h"
#include "Translations.h"
#include "app/SettingsCommand.h"
#include "app/SoundPlayer.h"
#include "canvas/CPaintDlg.h"
#include "canvas/CircleShape.h"
#include "canvas/LineShape.h"
#include "canvas/RectangleShape.h"
#include "dialogs/ExitDlg.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "dialogs/SettingsDlg.h"
#include "files/DrawingFile.h"

using namespace lumora;

namespace {

// The screen the guide shows Lumora on.
const QSize kScreen(1024, 768);
constexpr int kScreenDpi = 96;

// The scratch folder's parts.
const char* const kLumoraWork = "lumora";
const char* const kQvSettingsWork = "qvsettings";
const char* const kProfileFolder = "profile";
const char* const kScreenConfig = "screen.json";
// The settings library's folder, relative to the editor's working folder.
const char* const kTrackerSettingsFolder = "QVSettings";
// What is taken from the data folder: the pictures and the first-run gaze settings.
const char* const kImagesFolder = "Lumora/Images";

// The pictures' names.
const char* const kSaveShot = "lumora-save.png";
const char* const kOpenShot = "lumora-open.png";
const char* const kSettingsShot = "lumora-settings.png";
const char* const kExitShot = "lumora-exit.png";
const char* const kSaveRestoreShot = "qvsettings-save-restore.png";
const char* const kImageProcShot = "qvsettings-image-proc.png";
const char* const kCalibrationShot = "qvsettings-calibration.png";
const char* const kVideoHardwareShot = "qvsettings-video-hardware.png";
// The other language shown in the guide, and the suffix of its pictures' names.
const char* const kOtherLanguage = "de";

// Fixed moments name the drawings, so that a picture changes only when a widget does.
const QDateTime kSaveMoment(QDate(2026, 5, 4), QTime(10, 30, 0));
// The open dialog's drawings were saved this far apart, the last one before that moment.
constexpr int kDrawingsApartSecs = 60;
// Posted messages (button pictures) reach their widgets within a few rounds.
constexpr int kPumpRounds = 10;
// Flat user interface compresses well: the smallest file is worth the time.
constexpr int kPngBestCompression = 0;

void Pump() {
    for (int i = 0; i < kPumpRounds; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

// ---- The drawings the dialogs show ---------------------------------------------------------

ShapePen Pen(ColorRef color) {
    ShapePen pen;
    pen.color = color;
    return pen;
}

ShapeBrush Fill(ColorRef color) {
    ShapeBrush brush;
    brush.style = ShapeBrush::kStyleSolid;
    brush.color = color;
    return brush;
}

template <class Kind>
std::unique_ptr<Shape> Make(const QPoint& start, const QPoint& end, ColorRef pen, const ShapeBrush& brush = {}) {
    auto shape = std::make_unique<Kind>(Pen(pen), brush);
    shape->setStart(start);
    shape->setEnd(end);
    return shape;
}

// A drawing of the canvas's size, as Lumora's snapshot gives it: white, the shapes over it.
QImage DrawnImage(const std::vector<std::unique_ptr<Shape>>& shapes) {
    QImage image(CanvasGeometry::ForScreen(kScreen).client, QImage::Format_RGB32);
    image.fill(ColorRefToQRgb(kColorWhite));
    QPainter painter(&image);
    for (const auto& shape : shapes)
        shape->draw(painter);
    return image;
}

QImage House() {
    const ColorRef wall = MakeColorRef(200, 60, 50);
    const ColorRef roof = MakeColorRef(90, 60, 40);
    const ColorRef sun = MakeColorRef(250, 200, 20);
    const ColorRef grass = MakeColorRef(40, 150, 60);
    std::vector<std::unique_ptr<Shape>> shapes;
    shapes.push_back(Make<LineShape>({20, 520}, {760, 520}, grass));
    shapes.push_back(Make<RectangleShape>({180, 300}, {460, 520}, kColorBlack, Fill(wall)));
    shapes.push_back(Make<LineShape>({150, 300}, {320, 160}, roof));
    shapes.push_back(Make<LineShape>({320, 160}, {490, 300}, roof));
    shapes.push_back(Make<LineShape>({150, 300}, {490, 300}, roof));
    shapes.push_back(Make<RectangleShape>({290, 410}, {350, 520}, kColorBlack, Fill(roof)));
    shapes.push_back(Make<CircleShape>({580, 60}, {700, 180}, sun, Fill(sun)));
    return DrawnImage(shapes);
}

QImage Flowers() {
    const ColorRef stem = MakeColorRef(40, 150, 60);
    const ColorRef petals[] = {MakeColorRef(230, 60, 140), MakeColorRef(120, 80, 220), MakeColorRef(250, 150, 30)};
    std::vector<std::unique_ptr<Shape>> shapes;
    int x = 150;
    for (ColorRef petal : petals) {
        shapes.push_back(Make<LineShape>({x, 250}, {x, 520}, stem));
        shapes.push_back(Make<CircleShape>({x - 70, 110}, {x + 70, 250}, petal, Fill(petal)));
        x += 220;
    }
    return DrawnImage(shapes);
}

QImage Boat() {
    const ColorRef sea = MakeColorRef(30, 110, 200);
    const ColorRef hull = MakeColorRef(120, 70, 30);
    const ColorRef sail = MakeColorRef(250, 240, 200);
    std::vector<std::unique_ptr<Shape>> shapes;
    shapes.push_back(Make<RectangleShape>({0, 420}, {800, 630}, sea, Fill(sea)));
    shapes.push_back(Make<RectangleShape>({220, 360}, {560, 430}, kColorBlack, Fill(hull)));
    shapes.push_back(Make<LineShape>({390, 120}, {390, 360}, kColorBlack));
    shapes.push_back(Make<RectangleShape>({400, 140}, {520, 330}, kColorBlack, Fill(sail)));
    return DrawnImage(shapes);
}

// ---- The working folders ------------------------------------------------------------------

// A folder of the tool's own, emptied.
bool FreshFolder(const QString& path) {
    QDir folder(path);
    if (folder.exists() && !folder.removeRecursively())
        return false;
    return QDir().mkpath(path);
}

bool CopyTree(const QString& from, const QString& to) {
    if (!QFileInfo(from).isDir()) {
        std::fprintf(stderr, "lumora_docshots: no folder %s\n", qPrintable(from));
        return false;
    }
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target)) {
            std::fprintf(stderr, "lumora_docshots: cannot copy %s\n", qPrintable(source));
            return false;
        }
    }
    return true;
}

// Lumora's working folder: the shipped pictures and first-run settings, and three drawings
// saved a minute apart for the open dialog's book.
bool PrepareLumoraFolder(const QString& work, const QString& data) {
    const QString settings = QString::fromLatin1(kGazeSettingsPath.data(), qsizetype(kGazeSettingsPath.size()));
    const QString images = QString::fromLatin1(kImagesFolder);
    if (!FreshFolder(work) || !CopyTree(data + QLatin1Char('/') + images, work + QLatin1Char('/') + images) ||
        !QFile::copy(data + QLatin1Char('/') + settings, work + QLatin1Char('/') + settings) ||
        !QDir(work).mkpath(QString::fromLatin1(SaveDlg::kDrawingsFolder)))
        return false;
    QDir::setCurrent(work);
    const QImage drawings[] = {Boat(), Flowers(), House()};
    int stepsBefore = static_cast<int>(std::size(drawings));
    for (const QImage& drawing : drawings) {
        if (!WriteDrawingFile(SaveDlg::NewFileName(kSaveMoment.addSecs(-kDrawingsApartSecs * stepsBefore--)), drawing))
            return false;
    }
    return true;
}

// ---- Taking the pictures ------------------------------------------------------------------

class Shots {
public:
    explicit Shots(QString folder) : m_folder(std::move(folder)) {}

    // Shows the widget as the user would see it and saves its picture.
    void take(QWidget& widget, const QString& name) {
        widget.show();
        widget.activateWindow();
        Pump();
        save(widget, name);
    }
    void save(QWidget& widget, const QString& name) {
        if (!m_only.isEmpty() && !m_only.contains(name))
            return;
        const QString path = m_folder + QLatin1Char('/') + name;
        if (widget.grab().save(path, "PNG", kPngBestCompression)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "lumora_docshots: cannot write %s\n", qPrintable(path));
            m_failed = true;
        }
    }
    void fail(const char* what) {
        std::fprintf(stderr, "lumora_docshots: %s\n", what);
        m_failed = true;
    }
    bool failed() const { return m_failed; }
    // From now on only these pictures are saved (all when empty).
    void limitTo(QStringList names) { m_only = std::move(names); }

private:
    QString m_folder;
    QStringList m_only;
    bool m_failed = false;
};

// A picture's name in a language: "lumora-save.png", "lumora-save-de.png".
QString ShotName(const char* name, const QString& language) {
    QString shot = QString::fromLatin1(name);
    if (language != QLatin1String("en"))
        shot.insert(shot.lastIndexOf(QLatin1Char('.')), QLatin1Char('-') + language);
    return shot;
}

void LumoraDialogs(Shots& shots, const QString& work, const QString& data, const QString& language) {
    if (!PrepareLumoraFolder(work, data)) {
        shots.fail("cannot prepare Lumora's working folder");
        return;
    }
    SoundPlayer& sound = Sound();

    SaveDlg save(
        kScreen, sound, [] { return House(); }, nullptr);
    save.setClock([] { return kSaveMoment; });
    shots.take(save, ShotName(kSaveShot, language));
    save.hide();

    OpenDlg open(kScreen, sound, nullptr);
    shots.take(open, ShotName(kOpenShot, language));
    open.hide();

    // The first-run values, handed in as the settings command does.
    SettingsDlg settings(kScreen, sound, nullptr);
    IniDocument ini;
    GazeTuning tuning = ReadGazeTuning(ini);
    GazeShared shared;
    SettingsCommand(settings, tuning, ini, shared, nullptr).handValuesToDialog();
    shots.take(settings, ShotName(kSettingsShot, language));
    settings.hide();

    ExitDlg exitQuestion(kScreen, sound, nullptr);
    shots.take(exitQuestion, ShotName(kExitShot, language));
    exitQuestion.hide();
}

void QvSettingsSheet(Shots& shots, const QString& work, const QString& language) {
    if (!FreshFolder(work) || !QDir(work).mkpath(QString::fromLatin1(kTrackerSettingsFolder))) {
        shots.fail("cannot prepare QvSettings' working folder");
        return;
    }
    QDir::setCurrent(work);
    QvFileIoLibrary library;
    CQvSettingsDlg sheet(library, work);
    g_bPagesReady = false;
    struct Page {
        QWidget* page;
        const char* name;
    };
    const Page pages[] = {{sheet.ConfigPage(), kSaveRestoreShot},
                          {sheet.ImageProcPage(), kImageProcShot},
                          {sheet.CalConstPage(), kCalibrationShot},
                          {sheet.HardwarePage(), kVideoHardwareShot}};
    shots.take(sheet, ShotName(pages[0].name, language));
    for (const Page& p : pages) {
        if (p.page == pages[0].page)
            continue;
        sheet.Tabs()->setCurrentWidget(p.page);
        Pump();
        shots.save(sheet, ShotName(p.name, language));
    }
    sheet.hide();
}

// The offscreen platform with a screen of the guide's size, so that the dialogs fit on it.
bool UseOffscreenScreen(const QString& scratch) {
    const QString config = scratch + QLatin1Char('/') + QString::fromLatin1(kScreenConfig);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral(R"({"screens":[{"name":"docshots","x":0,"y":0,"width":%1,"height":%2,)"
                              R"("logicalDpi":%3,"logicalBaseDpi":%3,"dpr":1}]})")
                   .arg(kScreen.width())
                   .arg(kScreen.height())
                   .arg(kScreenDpi)
                   .toUtf8());
    file.close();
    return qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: lumora_docshots <images folder> <scratch folder> [<Lumora data folder>]\n");
        return 2;
    }
    const QString images = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString scratch = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const QString data = QDir(QString::fromLocal8Bit(argc == 4 ? argv[3] : LUMORA_DOCSHOTS_DATA_DIR)).absolutePath();
    if (!QDir().mkpath(images) || !QDir().mkpath(scratch) || !UseOffscreenScreen(scratch)) {
        std::fprintf(stderr, "lumora_docshots: cannot use %s or %s\n", argv[1], argv[2]);
        return 1;
    }

    QApplication app(argc, argv);
    // Whatever the widgets remember goes into the scratch folder, never the user's profile.
    const QString profile = scratch + QLatin1Char('/') + QString::fromLatin1(kProfileFolder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, profile);
    SetSoundPlayer(std::make_unique<ScriptedSoundPlayer>());

    Shots shots(images);
    const QString lumoraWork = scratch + QLatin1Char('/') + QString::fromLatin1(kLumoraWork);
    const QString qvSettingsWork = scratch + QLatin1Char('/') + QString::fromLatin1(kQvSettingsWork);
    const QString english = QStringLiteral("en");
    LumoraDialogs(shots, lumoraWork, data, english);
    QvSettingsSheet(shots, qvSettingsWork, english);
    {
        const QString other = QString::fromLatin1(kOtherLanguage);
        const QStringList catalogues = QStringList{data + QStringLiteral("/translations")} +
                                       languages::CatalogueFolders(QCoreApplication::applicationDirPath());
        languages::Translations lumoraTexts;
        languages::Translations qvSettingsTexts;
        if (!lumoraTexts.install(QStringLiteral("lumora"), other, catalogues) ||
            !qvSettingsTexts.install(QStringLiteral("qvsettings"), other, catalogues)) {
            shots.fail("no German catalogues");
        } else {
            // The ones the guide shows.
            shots.limitTo({ShotName(kSaveShot, other), ShotName(kExitShot, other), ShotName(kSaveRestoreShot, other)});
            LumoraDialogs(shots, lumoraWork, data, other);
            QvSettingsSheet(shots, qvSettingsWork, other);
        }
    }
    SetSoundPlayer(nullptr);
    return shots.failed() ? 1 : 0;
}
