/*
 * qvfileio: the settings file library's C interface (libqvfileio.so).
 *
 * Conventions
 * - Ownership: the caller owns every record and block; the library fills or writes them in
 *   place and keeps nothing (no allocation, no pointer) once a call has returned.
 * - Texts and paths are zero-terminated UTF-16 (char16_t). Paths are relative to the process's
 *   current directory and may use '\' as the folder separator; the library creates no folders.
 * - Results are 32-bit integers. Block readers return the version used for that block:
 *   0 = found nowhere (the block holds its defaults), 1 = read from its older per-block file,
 *   2 and above = the settings file's format version. Writers return 0 when the file cannot be
 *   created, otherwise the result of completing it (0 on success, non-zero on failure).
 *   No call reports anything else: no messages, no exceptions, no logs.
 * - Threads: the library holds process-wide state (the file being read, the conversion flags)
 *   and is for one thread at a time; callers serialise their calls.
 * - Records are plain structures of 32-bit ints, 32-bit floats, 16-bit unsigned ints and fixed
 *   char16_t arrays, in the order below; their layout is part of the interface.
 */
#ifndef QVFILEIO_H
#define QVFILEIO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#else
#include <uchar.h>
#endif

#if defined(__GNUC__)
#define QVFILEIO_EXPORT __attribute__((visibility("default")))
#else
#define QVFILEIO_EXPORT
#endif

/* ---------------------------------------------------------------------------------------------
 * Sizes
 * ------------------------------------------------------------------------------------------- */

#define QV_NUM_LANGUAGES 20      /* language indexes 0..19 */
#define QV_FILE_FORMAT_VERSION 7 /* the version every writer puts in the first line */
#define QV_NUM_CAL_RES 3         /* calibration resolutions: 0 normal, 1 low, 2 high */
#define QV_MAX_CAL_POINTS 14     /* number of calibration points, the first one included */
#define QV_MAX_CAL_TARGETS 13    /* target positions: number of calibration points - 1 */
#define QV_MAX_PATH 260          /* characters of a built file name, terminator included */

/* File kinds of the calibration and image-processing blocks. */
#define QV_FILE_KIND_COMMUNICATION 0
#define QV_FILE_KIND_TRACKER 1

/* Block numbers of vWriteQvBlock. */
#define QV_BLOCK_HARDWARE 0
#define QV_BLOCK_IMAGEPROC 1
#define QV_BLOCK_CALCONST 2

/* ---------------------------------------------------------------------------------------------
 * Tracker settings records (section names in the file: "Calibration", "Video_Hardware",
 * "ImageProc")
 * ------------------------------------------------------------------------------------------- */

/* The constants of one calibration resolution. Only the first (iNumCalPoints - 1) entries of
 * fX and fY are used; X and Y are fractions of the screen width and height, 0 = left/top. */
typedef struct CalResSettings {
    int32_t iNumCalPoints;        /* "Num Cal Points", at most QV_MAX_CAL_POINTS */
    int32_t iFixationTimeCounts;  /* "Fixation Time Counts", camera fields */
    float fMaxEyeMotion;          /* "Max Eye Motion" */
    float fMaxPointError;         /* "Max Point Error" */
    float fMaxRmsError;           /* "Max RMS Error" */
    int32_t iCursorDiameter;      /* "Cursor Diameter" */
    float fDiGlPuMaxCamera;       /* "DiGlPu Max Camera" */
    float fDjGlPuMaxCamera;       /* "DjGlPu Max Camera" */
    float fPrevCalAvoid;          /* "Prev Cal Avoid" */
    int32_t iMaxRetries;          /* "Max Retries" */
    int32_t iPointPauseCount;     /* "Point Pause Count" */
    int32_t iDisplayTimeCounts;   /* "Display Time Counts" */
    float fX[QV_MAX_CAL_TARGETS]; /* "X" */
    float fY[QV_MAX_CAL_TARGETS]; /* "Y" */
    int32_t bDisplayAccuracy;     /* "Flag to display the accuracy data" */
    int32_t iMaxBadTracks;        /* "Max number of bad QV tracks to allow" */
} CalResSettings;

/* Colours are 0x00BBGGRR (red in the low byte). */
typedef struct CalConstSettings {
    int32_t iCurCalRes;                    /* "Current Cal Res": index into calRes, 0..2 */
    int32_t bMsgsOff;                      /* "flag, Msgs Off" */
    int32_t bBypassAcceptance;             /* "flag - Bypass Acceptance" */
    int32_t bBrightBackgrounds;            /* "flag - Bright backgrounds" */
    int32_t crPass1Foreground;             /* "1st Pass Foreground" */
    int32_t crPass1Background;             /* "1st Pass Background" */
    int32_t crPass2Foreground;             /* "2nd Pass Foreground" */
    int32_t crPass2Background;             /* "2nd Pass Background" */
    CalResSettings calRes[QV_NUM_CAL_RES]; /* normal, low, high resolution */
} CalConstSettings;

/* Lengths in millimetres. */
typedef struct HardwareSettings {
    float fMonitorWidth;            /* "Monitor Width, millimeters" */
    float fMonitorHeight;           /* "Monitor Height, millimeters" */
    float fHorizDepth;              /* "Horiz Depth, millimeters" */
    float fVertDepth;               /* "Vert Depth, millimeters" */
    int32_t iReserved;              /* neither written nor read nor set */
    int32_t iVideoGain;             /* "Video Gain" */
    int32_t iVideoOffset;           /* "Video Offset" */
    int32_t bProgressive;           /* "Progressive, 0/1" */
    int32_t iCameraHorizPixels;     /* "Camera horiz size, pixels" */
    int32_t iCameraVertPixels;      /* "Camera vert size, pixels" */
    float fCameraHorizSensor;       /* "Camera horiz sensor size, mm" */
    float fCameraVertSensor;        /* "Camera vert sensor size, mm" */
    int32_t iCameraFieldRate;       /* "Camera field rate, Hz" */
    float fLensFocalLength;         /* "Camera lens focla lenth, mm" */
    float fLensNodalSeparation;     /* "Camera lens nodal separation, mm" */
    float fFixedLensExtension;      /* "Fixed lens extension, mm" */
    float fLensExtensionTravel;     /* "Lens extension travel, mm" */
    float fLensApertureDiameter;    /* "Lens aperture diameter, mm" */
    float fIrFilterThickness;       /* "IR Filter thickness, mm" */
    float fIrFilterRefractiveIndex; /* "IR Filter Refractive Index" */
    int32_t iNumVisionSystems;      /* "Number of vision systems" */
    int32_t iNumEyesToCalibrate;    /* "Number of eyes to calibrate" */
} HardwareSettings;

typedef struct ImageProcSettings {
    int32_t bDroopyEyelidComp; /* "flag, Droopy eyelid compensation" */
    int32_t bRangeComp;        /* "flag, Range compensation" */
    int32_t bPupilComp;        /* "flag, Pupil size/center offset compensation" */
} ImageProcSettings;

/* The whole tracker settings file "QVSettings\Settings_<code>.qv". */
typedef struct QvSettingsRecord {
    int32_t result;   /* 7 after the defaults; after a read, the ImageProc reader's version */
    int32_t language; /* 0..19; any other value means the current language */
    CalConstSettings calibration;
    HardwareSettings hardware;
    ImageProcSettings imageProc;
} QvSettingsRecord;

/* ---------------------------------------------------------------------------------------------
 * Version
 * ------------------------------------------------------------------------------------------- */

/* The library's own version (1.5), not the file format version. */
QVFILEIO_EXPORT void GetQVFileIOVersion(int32_t* major, int32_t* minor);

/* ---------------------------------------------------------------------------------------------
 * Tracker settings file
 * ------------------------------------------------------------------------------------------- */

/* result = 7; calibration defaults of the tracker kind; only the monitor geometry of the
 * hardware block; image-processing defaults; language unchanged. */
QVFILEIO_EXPORT void vSetDefaultQvSettings(QvSettingsRecord* record);
/* Resolves record->language and reads that language's file; blocks found nowhere keep their
 * defaults. Returns and stores in record->result the version of the last block read. */
QVFILEIO_EXPORT int32_t vReadQvSettings(QvSettingsRecord* record);
/* The same from an explicit path (a backup). */
QVFILEIO_EXPORT int32_t vReadQvSettingsHelper(QvSettingsRecord* record, const char16_t* path);
/* Writes the whole file of record->language (resolved first). */
QVFILEIO_EXPORT int32_t vWriteQvSettings(QvSettingsRecord* record);
/* Writes the whole file to an explicit path; record->language picks the language line. */
QVFILEIO_EXPORT int32_t vWriteQvSettingsHelper(QvSettingsRecord* record, const char16_t* path);
/* Reads the language's file, replaces one block (QV_BLOCK_...) by a copy of data and writes
 * the file back. Any other block number rewrites the file unchanged. */
QVFILEIO_EXPORT int32_t vWriteQvBlock(int32_t block, const void* data, int32_t language);

/* ---------------------------------------------------------------------------------------------
 * Tracker blocks: default setters and readers
 * ------------------------------------------------------------------------------------------- */

/* fileKind: QV_FILE_KIND_TRACKER or QV_FILE_KIND_COMMUNICATION (different target positions). */
QVFILEIO_EXPORT void vSetCalConstDefaults(CalConstSettings* block, int32_t fileKind);
/* Section "Calibration" of the tracker (kind 1) or communication (kind 0) file. */
QVFILEIO_EXPORT int32_t vReadCalConstSettings(CalConstSettings* block, int32_t language, int32_t fileKind);
/* full = 1: every field; full = 0: only the four monitor-geometry fields. */
QVFILEIO_EXPORT void vSetHardwareDefaults(HardwareSettings* block, int32_t full);
/* Section "Video_Hardware", always from the tracker file. */
QVFILEIO_EXPORT int32_t vReadHardwareSettings(HardwareSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetImageProcDefaults(ImageProcSettings* block);
/* Section "ImageProc" of the tracker (kind 1) or communication (kind 0) file. */
QVFILEIO_EXPORT int32_t vReadImageProcSettings(ImageProcSettings* block, int32_t language, int32_t fileKind);

/* ---------------------------------------------------------------------------------------------
 * Languages (index 0..19, two-letter code such as "US")
 * ------------------------------------------------------------------------------------------- */

/* Formats pattern (one %s) with the code of language into out, which holds QV_MAX_PATH
 * characters; the result is cut to fit. An index outside 0..19 means the current language
 * (0 if none is recorded). Returns the number of characters stored. */
QVFILEIO_EXPORT int32_t CreateLanguageFileName(char16_t* out, const char16_t* pattern, int32_t language);
/* Compares the first two characters of text (case-sensitively) with the codes; on a match
 * stores the index in *language, otherwise leaves it. Returns *language. */
QVFILEIO_EXPORT int32_t LanguageFromDichar(const char16_t* text, int32_t* language);
/* Reads "CurrentLanguage.qvx" into *language; an index still outside 0..19 becomes 0.
 * Returns language. */
QVFILEIO_EXPORT int32_t* ReadLanguage(int32_t* language);
/* Records the current language (outside 0..19: 0) in "CurrentLanguage.qvx". */
QVFILEIO_EXPORT int32_t WriteLanguage(int32_t language);

#ifdef __cplusplus
}
#endif

#endif /* QVFILEIO_H */
