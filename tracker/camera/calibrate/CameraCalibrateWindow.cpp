#include "CameraCalibrateWindow.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPainter>
#include <iostream>

#include "CalibrationFile.h"
#include "CaptureFeed.h"
#include "Clock.h"

namespace qvtrack {

namespace {

constexpr int kWatchMs = 200;
const QColor kTargetColour(255, 255, 255);
const QColor kHoldColour(60, 220, 60);
const QColor kFoundColour(60, 220, 60);
const QColor kLostColour(255, 170, 0);
// Sizes in shares of the screen's height: a target a sixth of it across, so a user with poor
// sight sees it from the far side of a wheelchair's tray.
constexpr double kTargetShare = 1.0 / 6;
constexpr double kLineShare = 1.0 / 28;
constexpr double kResultShare = 1.0 / 22;

QString WriteProblem(support::WriteStatus status) {
    switch (status) {
        case support::WriteStatus::NoSpace:
            return QStringLiteral("the disk is full");
        case support::WriteStatus::CannotOpen:
            return QStringLiteral("the folder cannot be written");
        default:
            return QStringLiteral("writing failed");
    }
}

}  // namespace

CameraCalibrateWindow::CameraCalibrateWindow(Setup setup, QWidget* parent)
    : QWidget(parent), m_setup(std::move(setup)) {
    setWindowTitle(QStringLiteral("Lumora: camera calibration"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    m_cameraName = QString::fromStdString(m_setup.camera);
    m_watch.setInterval(kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &CameraCalibrateWindow::checkPicture);
    m_sinceFrame.start();
    startCamera();
}

CameraCalibrateWindow::~CameraCalibrateWindow() {
    m_loop.stop();  // no more frames posted to a window going away
}

void CameraCalibrateWindow::startCamera() {
    if (m_setup.camera.empty()) {
        m_watch.start();
        return;
    }
    const bool camera = CaptureFeed::NamesCamera(m_setup.camera);
    static SteadyClock clock;
    auto feed = std::make_unique<CaptureFeed>(camera ? CaptureFeed::Kind::Camera : CaptureFeed::Kind::Video,
                                              m_setup.camera, 0, camera ? 1.0 : m_setup.speed, clock);
    m_cameraName = QString::fromStdString(feed->name());
    std::string why;
    bool opened = false;
    if (!camera) {
        opened = feed->open(why);
        if (!opened) {
            fail(QStringLiteral("Cannot play the video %1: %2.").arg(m_cameraName, QString::fromStdString(why)));
            return;
        }
    }
    auto finder = std::make_unique<FaceFinder>();
    if (!finder->load(m_setup.cascade, why)) {
        fail(QStringLiteral("Cannot look for faces: %1.").arg(QString::fromStdString(why)));
        return;
    }
    m_reader = std::make_unique<CameraReader>(std::move(feed), std::move(finder), std::cerr, opened);
    m_watch.start();
    m_loop.start([this] {
        m_reader->run(m_loop, [this](const FaceObservation& face) {
            QMetaObject::invokeMethod(this, [this, face] { addObservation(face); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(this, [this] { videoEnded(); }, Qt::QueuedConnection);
    });
}

void CameraCalibrateWindow::addObservation(const FaceObservation& face) {
    if (m_state != State::Running) {
        return;
    }
    m_framesCame = true;
    m_sinceFrame.restart();
    m_session.add(face);
    if (m_session.phase() == CalibrationSession::Phase::Done) {
        finish();
    }
    update();
}

void CameraCalibrateWindow::videoEnded() {
    if (m_state == State::Running && !m_loop.stopping()) {
        fail(QStringLiteral("The video %1 ended before the last target.").arg(m_cameraName));
    }
}

void CameraCalibrateWindow::cancel() {
    if (m_state == State::Running) {
        end(State::Cancelled, QStringLiteral("Calibration cancelled. The earlier calibration is kept."));
    }
}

void CameraCalibrateWindow::checkPicture() {
    if (m_state == State::Running && m_sinceFrame.elapsed() > m_setup.noPictureMs) {
        fail(QStringLiteral("No picture from the camera %1.").arg(m_cameraName));
    }
}

void CameraCalibrateWindow::finish() {
    std::string error;
    const auto map = m_session.fit(error);
    if (!map) {
        fail(QStringLiteral("Calibration failed: %1.").arg(QString::fromStdString(error)));
        return;
    }
    CalibrationFile::Contents contents;
    contents.map = *map;
    contents.targets = static_cast<int>(m_session.points().size());
    const support::WriteStatus written = CalibrationFile::Write(m_setup.calibration, contents);
    if (written != support::WriteStatus::Ok) {
        fail(QStringLiteral("The calibration cannot be saved to %1: %2.")
                 .arg(QString::fromStdString(m_setup.calibration), WriteProblem(written)));
        return;
    }
    end(State::Saved, QStringLiteral("Calibration saved: the face was seen at %1 of %2 targets.")
                          .arg(contents.targets)
                          .arg(CalibrationSession::kTargetCount));
}

void CameraCalibrateWindow::fail(const QString& why) {
    end(State::Failed, why + QStringLiteral(" The earlier calibration is kept."));
}

void CameraCalibrateWindow::end(State state, const QString& result) {
    m_state = state;
    m_result = result;
    m_watch.stop();
    m_loop.stop();
    std::cout << "CameraCalibrate: " << m_result.toStdString() << std::endl;
    QTimer::singleShot(m_setup.resultMs, this, &QWidget::close);
    update();
}

QString CameraCalibrateWindow::instruction() const {
    if (m_state != State::Running) {
        return {};
    }
    if (m_session.phase() == CalibrationSession::Phase::Intro) {
        return QStringLiteral("Turn your head to point at each target as it shows, and hold still until its count ends.");
    }
    return m_session.holding() ? QStringLiteral("Hold still") : QStringLiteral("Turn your head to the target");
}

QString CameraCalibrateWindow::faceStatus() const {
    if (m_state != State::Running) {
        return {};
    }
    if (!m_framesCame) {
        return QStringLiteral("Waiting for the camera %1").arg(m_cameraName);
    }
    return m_session.faceFound() ? QStringLiteral("Face found") : QStringLiteral("No face in view: look at the camera");
}

QRect CameraCalibrateWindow::targetRect() const {
    if (m_state != State::Running || m_session.phase() != CalibrationSession::Phase::Target) {
        return {};
    }
    const auto& target = CalibrationSession::Targets()[static_cast<std::size_t>(m_session.target())];
    const int size = static_cast<int>(height() * kTargetShare);
    const QPoint centre(static_cast<int>(target.x * width()), static_cast<int>(target.y * height()));
    return QRect(centre.x() - size / 2, centre.y() - size / 2, size, size);
}

QString CameraCalibrateWindow::countdownText() const {
    return targetRect().isEmpty() ? QString() : QString::number(m_session.countdown());
}

void CameraCalibrateWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);
    QFont font = painter.font();
    font.setPixelSize(std::max(12, static_cast<int>(height() * kLineShare)));
    painter.setFont(font);
    const int margin = height() / 40;
    if (m_state != State::Running) {
        font.setPixelSize(std::max(12, static_cast<int>(height() * kResultShare)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(margin * 4, margin, -margin * 4, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                         m_result);
        return;
    }
    // The texts stand between the rows of targets (at a tenth, a half and nine tenths of the
    // height), so no target ever covers them.
    const int line = font.pixelSize() * 3;
    const QRect upper(margin, height() * 3 / 10 - line / 2, width() - 2 * margin, line);
    const QRect lower(margin, height() * 7 / 10 - line / 2, width() - 2 * margin, line);
    painter.setPen(Qt::white);
    painter.drawText(upper, Qt::AlignCenter | Qt::TextWordWrap, instruction());
    painter.setPen(m_session.faceFound() ? kFoundColour : kLostColour);
    painter.drawText(lower, Qt::AlignCenter, faceStatus());
    const QRect target = targetRect();
    if (!target.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_session.holding() ? kHoldColour : kTargetColour);
        painter.drawEllipse(target);
        painter.setPen(Qt::black);
        font.setPixelSize(target.height() / 2);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(target, Qt::AlignCenter, countdownText());
    }
}

void CameraCalibrateWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace qvtrack
