/*
 * qvtrack: the tracker run-time library's C interface.
 *
 * Conventions
 * - The caller owns every record; the library fills them in place. QvInit makes
 *   TrackerControl.sample point at a GazeSample owned by the library, valid until QvExit.
 * - Coordinates are screen pixels of the host screen given in TrackerControl before QvInit.
 * - Results are 0 on success; the gaze thread ignores them.
 * - Threads: QvInit, QvEyeImageInit, QvGetData, QvEyeImageDisplay and QvExit are called from
 *   one thread (the gaze thread). QvFeedPointer may be called from any thread at any time.
 * - Byte offsets documented below are those of a 32-bit build (4-byte pointers); a 32-bit
 *   build asserts them. A 64-bit build keeps the same field order with an 8-byte pointer.
 *
 * The gaze source is chosen by the environment when QvInit runs:
 *   QVTRACK_SOURCE  pointer (default) | replay:PATH | opengaze[:HOST[:PORT]] (port 4242)
 *                   | pupil[:HOST[:PORT]] (port 50020) | udp:PORT | udp:ADDRESS:PORT
 *                   | camera[:DEVICE_OR_FILE]
 *                   (HOST defaults to 127.0.0.1; udp:PORT listens on 127.0.0.1 only; camera: a
 *                   webcam as a head pointer, /dev/video0 by default, a number N meaning
 *                   /dev/videoN, a video file playing as a camera; calibrated per user by the
 *                   calibration program)
 *   QVTRACK_RATE    samples per second (default 60; for opengaze the server's rate when it
 *                   reports one, unless QVTRACK_RATE is set); for replay the rate the file
 *                   was recorded at
 *   QVTRACK_SPEED   pacing multiplier of pointer, replay and a camera's video file (default 1;
 *                   0 = no pacing until a replay or video has ended, then 1)
 *   QVTRACK_SURFACE pupil: the name of the screen surface (default "screen")
 * A bad value, or a source that cannot be used (a replay file that is missing, unreadable or
 * not a regular file; a camera video that cannot be played), writes one line to standard error
 * and the pointer source is used instead. A camera that is away is reported in one line and
 * opened again in the background, like a network source.
 * Network sources connect and reconnect in the background (Open Gaze also after 3 s without a
 * record); while no sample arrives, QvGetData returns after one sample period with the last
 * position and found 0.
 *
 * Rate: QvGetData hands out at most 120 samples a second, and no more than QVTRACK_RATE when
 * that is set lower; iSamplePerSec reports that delivered rate. A tracker that delivers faster
 * (a 250 Hz UDP bridge, Pupil at 200 Hz, a 150 Hz Open Gaze server) is decimated in the library:
 * each sample handed out is the average of the samples that came in since the previous one
 * (over those with the eye found, rounded to the nearest pixel; found 0 only when none had it).
 * A slower tracker has each sample handed out as it comes. A camera faster than that has only
 * every second, third, ... frame followed, and iSamplePerSec is the rate that leaves (a 200
 * frames a second camera: 100). A replay recorded faster than that
 * is decimated the same way in recorded time (each sample the average of the lines of one
 * delivered period), so a file replays alike at any speed.
 */
#ifndef QVTRACK_H
#define QVTRACK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QVTRACK_EXPORT __attribute__((visibility("default")))
#else
#define QVTRACK_EXPORT
#endif

/* One gaze sample, filled by the library. */
typedef struct GazeSample {
    int32_t found; /* offset 0: 1 when the eye was found (the sample is valid only when exactly 1) */
    int32_t x;     /* offset 4: gaze x in screen pixels */
    int32_t y;     /* offset 8: gaze y in screen pixels */
} GazeSample;

/* One instance for the whole run, owned by the program. */
typedef struct TrackerControl {
    GazeSample* sample;    /* offset 0: library; the latest sample, valid after QvInit */
    int32_t requestedRate; /* offset 4: program; 60 before QvInit */
    int32_t started;       /* offset 8: program; 1 once QvInit and QvEyeImageInit have returned */
    int32_t screenWidth;   /* offset 12: program; screen width in pixels */
    int32_t screenHeight;  /* offset 16: program; screen height in pixels */
    int32_t option20;      /* offset 20: program; 0 */
    int32_t option24;      /* offset 24: program; 1 */
    int32_t option28;      /* offset 28: program; 0 */
    int32_t reserved[4];   /* offsets 32..47: library */
    int32_t iSamplePerSec; /* offset 48: library; samples per second, filled by QvInit */
    int32_t reserved2[4];  /* library */
} TrackerControl;

/* Filled by QvEyeImageInit; the program reads only the image size. */
typedef struct EyeImageInfo {
    int32_t reserved[12]; /* offsets 0..47: library */
    int32_t width;        /* offset 48: eye image width in pixels */
    int32_t height;       /* offset 52: eye image height in pixels */
} EyeImageInfo;

#if defined(__cplusplus) && (UINTPTR_MAX == 0xFFFFFFFFu)
static_assert(sizeof(void*) == 4 && __builtin_offsetof(TrackerControl, iSamplePerSec) == 48, "TrackerControl layout");
static_assert(__builtin_offsetof(TrackerControl, screenWidth) == 12, "TrackerControl layout");
#endif
#if defined(__cplusplus)
static_assert(sizeof(EyeImageInfo) == 56 && __builtin_offsetof(EyeImageInfo, width) == 48, "EyeImageInfo layout");
static_assert(__builtin_offsetof(GazeSample, y) == 8, "GazeSample layout");
#endif

/* Starts the gaze source chosen by the environment; fills control->sample and iSamplePerSec. */
QVTRACK_EXPORT int QvInit(TrackerControl* control);
/* Fills the eye image size; `mode` is 4 in Lumora. No camera image exists here: 0 x 0. */
QVTRACK_EXPORT int QvEyeImageInit(EyeImageInfo* info, int mode);
/* Waits for the next sample (at most one sample period) and leaves it in *control->sample. */
QVTRACK_EXPORT int QvGetData(TrackerControl* control);
/* Draws the eye image into the given screen rectangle of `surface`; draws nothing here. */
QVTRACK_EXPORT int QvEyeImageDisplay(int image, int left, int top, int width, int height, void* surface);
/* Ends the tracker connection. */
QVTRACK_EXPORT int QvExit(TrackerControl* control);

/* The pointer source: the host reports the pointer position in screen pixels. */
QVTRACK_EXPORT void QvFeedPointer(int x, int y);

/* Counts since the last QvInit, for showing that a tracker delivers. "Received" counts what
 * the source took in (tracker records, file lines, pointer reads), "delivered" what QvGetData
 * handed out, including the found-0 samples it gives while nothing arrives. */
typedef struct QvTrackStats {
    uint64_t samplesReceived;
    uint64_t validReceived; /* of those, found 1 */
    uint64_t samplesDelivered;
    uint64_t validDelivered; /* of those, found 1 */
    int32_t connected;       /* 1 while the source has its tracker (network: connected) */
    int32_t reserved;
} QvTrackStats;

/* Fills *stats; callable from any thread at any time, also before QvInit and after QvExit. */
QVTRACK_EXPORT int QvGetStats(QvTrackStats* stats);

#ifdef __cplusplus
}
#endif

#endif /* QVTRACK_H */
