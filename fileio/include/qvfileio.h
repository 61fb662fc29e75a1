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
 * - Reading: only a regular file (or a link to one) of at most 4 MiB (4,194,304 bytes) is read.
 *   A folder, FIFO, device, socket, dangling or looping link, or a larger file where a file is
 *   expected counts as a missing file, with everything a missing file brings: the older
 *   per-block files, the defaults, the same results. No read waits on a FIFO or device. A file
 *   is read whole into memory (about three times its size at the most, so 12 MiB at worst).
 * - Writing: a whole file is written to a temporary "<name>.tmp<process id>" beside it, synced
 *   and renamed over it, so a crash or a full disk never leaves it half written. That changes
 *   nothing of what the write means:
 *     a symbolic link is written through (the link stays, its target gets the contents);
 *     an existing file keeps its permission bits (and owner, where the process may set it);
 *     a file without any write permission bit, a folder or any other non-regular file at the
 *     path, or a missing folder, cannot be created: result 0, nothing written, even for root;
 *     in a folder that takes no new files, a writable file is rewritten in place and synced;
 *     a write that fails part way (full disk, I/O error) keeps the old file and is non-zero;
 *     temporaries of that file left by writers that were killed are removed by the next
 *     write of that file that succeeds.
 * - "Current Cal Res" selects one of the three calibration sets: a value outside 0..2 in a file
 *   (settings file or "calconst.key") is refused and the field keeps its default 0. The writer
 *   stores whatever the caller's record holds.
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
 * Communication settings records ("QVXSettings\Settings_<code>.qvx"). Text fields are fixed
 * char16_t arrays; the reader stores at most the documented number of characters.
 * ------------------------------------------------------------------------------------------- */

#define QVX_PORT_NAME_SLOT 262 /* port names: at most 259 characters read */
#define QVX_NUM_FONTS 4
#define QVX_FONT_NAME_SLOT 100
#define QVX_NUM_DEVICES 8
#define QVX_DEVICE_LABEL_SLOT 16 /* at most 14 characters read */
#define QVX_NUM_MOUSE_STEPS 6
#define QVX_GREETING_SLOT 812 /* at most 810 characters */
#define QVX_MAX_PHONE_ENTRIES 14
#define QVX_PHONE_NAME_SLOT 41    /* at most 39 characters read */
#define QVX_PHONE_NUMBER_SLOT 121 /* at most 119 characters read */
#define QVX_PHRASE_TITLE_SLOT 40
#define QVX_MAX_PHRASE_CATEGORIES 9
#define QVX_PHRASES_PER_CATEGORY 14
#define QVX_PHRASE_LABEL_SLOT 20
#define QVX_PHRASE_TEXT_SLOT 79
#define QVX_VOICE_NAME_SLOT 200 /* at most 197 characters read */
#define QVX_NUM_TEACH_GROUPS 5
#define QVX_MAX_TEACH_BUTTONS 9
#define QVX_TEACH_LABEL_SLOT 21 /* at most 19 characters read */
#define QVX_TEACH_TEXT_SLOT 121 /* at most 119 characters read */
#define QVX_MAX_TV_CHANNELS 125

/* Block numbers of vWriteQVXBlock (the order of the sections in the file). */
#define QVX_BLOCK_CALCONST 0
#define QVX_BLOCK_FONTS 1
#define QVX_BLOCK_GAZECTRL 2
#define QVX_BLOCK_IMAGEPROC 3
#define QVX_BLOCK_KEYBOARD 4
#define QVX_BLOCK_LIGHTAPPL 5
#define QVX_BLOCK_PADDLE 6
#define QVX_BLOCK_PCACCESS 7
#define QVX_BLOCK_PHONE 8
#define QVX_BLOCK_PHRASES 9
#define QVX_BLOCK_SCANKBD 10
#define QVX_BLOCK_SPEECH 11
#define QVX_BLOCK_TEACH 12
#define QVX_BLOCK_TV 13
#define QVX_BLOCK_2STROKEKBD 14

typedef struct FontEntry {
    char16_t szFaceName[QVX_FONT_NAME_SLOT]; /* text line */
    int32_t iHeight;                         /* "Font height" */
    uint16_t wFlags;                         /* "Font Flags" */
} FontEntry;

typedef struct FontsSettings {
    FontEntry fonts[QVX_NUM_FONTS];
} FontsSettings;

typedef struct GazeCtrlSettings {
    float fGazeDuration;         /* seconds; "Gaze duration * 100" */
    float fDoubleKeyDelay;       /* seconds; "Double key press delay" */
    int32_t bMenuKeysCentered;   /* "flag, Menu keys centered" */
    int32_t iLocatorDotMode;     /* 1 always, 2 in key, 3 never */
    int32_t iLocatorDotSize;     /* "Locator dot size" */
    int32_t crLocatorDotColor;   /* 0x00BBGGRR */
    int32_t iLocatorDotResponse; /* "Locator dot response time" */
} GazeCtrlSettings;

typedef struct KeyboardSettings {
    int32_t iRegDefault;    /* "Reg Keybrd, default" */
    float fRegGazeDuration; /* seconds; "Reg Keybrd, Gaze Dur * 100" */
    int32_t iRegSpeechMode; /* "Reg Keybrd, speech mode" */
    int32_t iPcDefault;     /* "PC Access Keybrd, default" */
    float fPcGazeDuration;  /* seconds; "PC Access Keybrd, Gaze Dur * 100" */
    int32_t iPcSpeechMode;  /* "PC Access Keybrd, speech mode" */
} KeyboardSettings;

typedef struct LightApplDevice {
    char16_t szTopLabel[QVX_DEVICE_LABEL_SLOT];
    char16_t szBottomLabel[QVX_DEVICE_LABEL_SLOT];
    int32_t iSwitchType; /* "Style": 0 on/off, 1 momentary */
} LightApplDevice;

typedef struct LightApplSettings {
    int32_t iInterfaceType; /* 1 X10, 2 switch box, 3 X10 CM11a, 4 X10 Firecracker */
    int32_t iPortSpeed;     /* "Port speed" */
    char16_t szPortName[QVX_PORT_NAME_SLOT];
    LightApplDevice devices[QVX_NUM_DEVICES];
} LightApplSettings;

typedef struct PaddleSettings {
    int32_t iPaddleWidth;         /* "Paddle Width, in pixels" */
    int32_t iActivationThreshold; /* "Activation Threshold, in fields" */
} PaddleSettings;

typedef struct PCAccessSettings {
    int32_t iDeviceType; /* 1 TTAM, 2 TTAPC */
    int32_t iPortSpeed;  /* "Port speed" */
    char16_t szPortName[QVX_PORT_NAME_SLOT];
    int32_t iMouseSteps[QVX_NUM_MOUSE_STEPS]; /* "Mouse step size" */
} PCAccessSettings;

typedef struct PhoneBookEntry {
    char16_t szName[QVX_PHONE_NAME_SLOT];
    char16_t szNumber[QVX_PHONE_NUMBER_SLOT];
} PhoneBookEntry;

typedef struct PhoneSettings {
    char16_t szGreeting[QVX_GREETING_SLOT]; /* lines separated by CR LF */
    int32_t iDialingMode;                   /* "dialing mode" */
    int32_t iNumEntries;                    /* 0..14 */
    PhoneBookEntry entries[QVX_MAX_PHONE_ENTRIES];
    int32_t iModemType;      /* 0 none, 1 Hayes, 2 voice, 3 ModemBlaster */
    int32_t iModemPortSpeed; /* "Modem Port speed" */
    char16_t szModemPortName[QVX_PORT_NAME_SLOT];
} PhoneSettings;

typedef struct PhraseEntry {
    char16_t szLabel[QVX_PHRASE_LABEL_SLOT]; /* button label */
    char16_t szText[QVX_PHRASE_TEXT_SLOT];   /* spoken text */
} PhraseEntry;

typedef struct PhraseCategory {
    char16_t szName[QVX_PHRASE_TITLE_SLOT];
    PhraseEntry phrases[QVX_PHRASES_PER_CATEGORY];
} PhraseCategory;

typedef struct PhrasesSettings {
    char16_t szTitle[QVX_PHRASE_TITLE_SLOT];
    int32_t iNumCategories; /* 0..9 */
    PhraseCategory categories[QVX_MAX_PHRASE_CATEGORIES];
} PhrasesSettings;

typedef struct ScanKbdSettings {
    int32_t iDefaultLayout;   /* "Default Layout" */
    float fScanDuration;      /* "Scan Duration" */
    float fFirstRowTime;      /* "%Time added to 1st row duration" */
    float fFirstColTime;      /* "%Time added to 1st col duration" */
    float fFirstEltTime;      /* "%Time added to 1st elt duration" */
    int32_t iTriggerLocation; /* 0 top, 1 bottom, 2 left, 3 right */
    int32_t iTextLocation;    /* 0 top/left, 1 bottom/right */
    float fGazeBorderWidth;   /* "Gaze border width" */
    float fSmoothingTime;     /* "Gaze point smoothing time const" */
    int32_t iKeyboardFont;    /* "Keyboard font num" */
    int32_t iTextFont;        /* "text font num" */
    int32_t iLocatorDot;      /* "Gaze point locator dot control" */
} ScanKbdSettings;

/* A 128-bit identifier in the standard layout. */
typedef struct QvxGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} QvxGuid;

typedef struct SpeechSettings {
    int32_t iVoice; /* -1 a voice by mode identifier, -2 a voice by name, 0.. a voice number */
    int32_t iSpeed; /* "Speed" */
    QvxGuid voiceModeId;
    char16_t szVoiceName[QVX_VOICE_NAME_SLOT];
    int32_t iSynthType; /* "Type" */
    int32_t iPortSpeed; /* "Port Speed" */
    char16_t szPortName[QVX_PORT_NAME_SLOT];
} SpeechSettings;

typedef struct TeachButton {
    char16_t szLabel[QVX_TEACH_LABEL_SLOT];
    char16_t szText[QVX_TEACH_TEXT_SLOT];
} TeachButton;

typedef struct TeachGroup {
    int32_t iNumButtons; /* 0..9 */
    TeachButton buttons[QVX_MAX_TEACH_BUTTONS];
} TeachGroup;

typedef struct TeachSettings {
    TeachGroup groups[QVX_NUM_TEACH_GROUPS];
} TeachSettings;

typedef struct TVSettings {
    int32_t iNumChannels; /* 0..125 */
    int32_t iChannels[QVX_MAX_TV_CHANNELS];
} TVSettings;

typedef struct TwoStrokeKbdSettings {
    int32_t iDefaultLayout; /* "Default keyboard layout" */
    float fScanDuration;    /* "Default gaze scan duration" */
    int32_t iTextLocation;  /* 0 top, 1 bottom, 2 left, 3 right */
    float fSmoothingTime;   /* "Gaze point smoothing time constant" */
    int32_t iKeyboardFont;  /* "Keyboard font number" */
    int32_t iTextFont;      /* "Text font number" */
    int32_t iLocatorDot;    /* 0 on, 1 in key, 2 off */
} TwoStrokeKbdSettings;

/* The whole communication settings file. The file holds the image-processing section before
 * the keyboard section (block-number order). */
typedef struct QvxSettingsRecord {
    int32_t result;   /* 7 after the defaults; after a read, the two-stroke keyboard reader's version */
    int32_t language; /* 0..19; any other value means the current language */
    CalConstSettings calibration;
    FontsSettings fonts;
    GazeCtrlSettings gazeCtrl;
    KeyboardSettings keyboard;
    ImageProcSettings imageProc;
    LightApplSettings lightAppl;
    PaddleSettings paddle;
    PCAccessSettings pcAccess;
    PhoneSettings phone;
    PhrasesSettings phrases;
    ScanKbdSettings scanKbd;
    SpeechSettings speech;
    TeachSettings teach;
    TVSettings tv;
    TwoStrokeKbdSettings twoStrokeKbd;
} QvxSettingsRecord;

/* ---------------------------------------------------------------------------------------------
 * Keyboard tables
 * ------------------------------------------------------------------------------------------- */

#define QVX_NUM_KEY_LAYOUTS 4
#define QVX_MAX_KEY_COLUMNS 30
#define QVX_MAX_LAYOUT_CODES 500
#define QVX_KEY_EMPTY (-2) /* key-location code of an empty position */
#define QVX_NUM_KEYS 128
#define QVX_KEY_LABEL_SLOT 7
#define QVX_CODES_PER_KEY 5
#define QVX_TTAM_SLOT 15
#define QVX_SCAN_SLOTS 10
#define QVX_SCAN_LABEL_SLOT 10

/* Key grids of the four on-screen keyboard layouts. */
typedef struct KeyLocationTable {
    int32_t kind; /* set by the caller before reading: with 1, the code -5 reads as -6 */
    int32_t rows[QVX_NUM_KEY_LAYOUTS];
    int32_t columns[QVX_NUM_KEY_LAYOUTS];                     /* at most 30 */
    int32_t codes[QVX_NUM_KEY_LAYOUTS][QVX_MAX_LAYOUT_CODES]; /* rows x columns, row order */
} KeyLocationTable;

/* Captions and codes by key number (the position on the 101/102-key keyboard). */
typedef struct KeyboardAsciiCodes {
    int32_t kind;  /* 101 or 102 */
    int32_t kind2; /* not read from the file */
    char16_t labels[QVX_NUM_KEYS][QVX_KEY_LABEL_SLOT];
    int32_t codes[QVX_NUM_KEYS][QVX_CODES_PER_KEY]; /* plain, Shift, Control, Alt, fifth */
} KeyboardAsciiCodes;

/* TTAM device command strings by key number (8-bit text). */
typedef struct TTAMArray {
    int32_t kind;
    char strings[QVX_NUM_KEYS][QVX_TTAM_SLOT];
} TTAMArray;

/* The three-level scanning keyboard; indexes 0..9 stand for the numbers 1..10 of the file. */
typedef struct ScanningKeyboardLayout {
    int32_t kind; /* which layout of the section: 0 or 1 */
    char16_t groupLabels[QVX_SCAN_SLOTS][QVX_SCAN_LABEL_SLOT];
    char16_t subgroupLabels[QVX_SCAN_SLOTS][QVX_SCAN_SLOTS][QVX_SCAN_LABEL_SLOT];
    char16_t cellLabels[QVX_SCAN_SLOTS][QVX_SCAN_SLOTS][QVX_SCAN_SLOTS][QVX_SCAN_LABEL_SLOT];
    int32_t cellCodes[QVX_SCAN_SLOTS][QVX_SCAN_SLOTS][QVX_SCAN_SLOTS];
} ScanningKeyboardLayout;

/* ---------------------------------------------------------------------------------------------
 * Communication labels ("QVXSettings\Labels_<code>.qvx", read only)
 * ------------------------------------------------------------------------------------------- */

#define QVX_LABEL_SLOT 50 /* at most 48 characters read */
#define QVX_MAX_MENU_ITEMS 40
#define QVX_PROGRAM_SLOT 260

typedef struct QvxCalLabels {
    char16_t labels[17][QVX_LABEL_SLOT];
} QvxCalLabels;
typedef struct QvxKbdLabels {
    char16_t labels[39][QVX_LABEL_SLOT];
} QvxKbdLabels;
typedef struct QvxLALabels {
    char16_t labels[6][QVX_LABEL_SLOT];
} QvxLALabels;
typedef struct QvxMenuLabels {
    char16_t szTitle[QVX_LABEL_SLOT];
    char16_t szRecalibrate[QVX_LABEL_SLOT];
    int32_t iNumItems; /* 0..40 */
    char16_t items[QVX_MAX_MENU_ITEMS][QVX_LABEL_SLOT];
    char16_t programs[QVX_MAX_MENU_ITEMS][QVX_PROGRAM_SLOT]; /* the program each item starts */
} QvxMenuLabels;
typedef struct QvxPaddleLabels {
    char16_t labels[16][QVX_LABEL_SLOT];
} QvxPaddleLabels;
typedef struct QvxPCAccessLabels {
    char16_t labels[14][QVX_LABEL_SLOT];
} QvxPCAccessLabels;
typedef struct QvxPhoneLabels {
    char16_t labels[20][QVX_LABEL_SLOT];
} QvxPhoneLabels;
typedef struct QvxPhrasesLabels {
    char16_t labels[3][QVX_LABEL_SLOT];
} QvxPhrasesLabels;
typedef struct QvxReadLabels {
    char16_t labels[10][49];    /* at most 48 characters read */
    char16_t longTexts[2][80];  /* at most 79 characters read */
    char16_t moreLabels[2][49]; /* at most 48 characters read */
} QvxReadLabels;

typedef struct QvxLabelsRecord {
    int32_t result;   /* after a read: the menu label reader's version */
    int32_t language; /* 0..19; any other value means the current language */
    QvxCalLabels cal;
    QvxKbdLabels kbd;
    QvxLALabels la;
    QvxMenuLabels menu;
    QvxPaddleLabels paddle;
    QvxPCAccessLabels pcAccess;
    QvxPhoneLabels phone;
    QvxPhrasesLabels phrases;
    QvxReadLabels read;
    KeyLocationTable keyLocations;
    KeyboardAsciiCodes keyCodes;
} QvxLabelsRecord;

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

/* ---------------------------------------------------------------------------------------------
 * Communication settings file
 * ------------------------------------------------------------------------------------------- */

/* result = 7, language = 0, every block's defaults (calibration of the communication kind). */
QVFILEIO_EXPORT void vSetDefaultQVXSettings(QvxSettingsRecord* record);
QVFILEIO_EXPORT int32_t vReadQVXSettings(QvxSettingsRecord* record);
QVFILEIO_EXPORT int32_t vReadQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path);
QVFILEIO_EXPORT int32_t vWriteQVXSettings(QvxSettingsRecord* record);
QVFILEIO_EXPORT int32_t vWriteQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path);
/* block: QVX_BLOCK_...; any other number rewrites the file unchanged. */
QVFILEIO_EXPORT int32_t vWriteQVXBlock(int32_t block, const void* data, int32_t language);

/* ---------------------------------------------------------------------------------------------
 * Communication blocks: default setters and readers (readers return the version used)
 * ------------------------------------------------------------------------------------------- */

QVFILEIO_EXPORT void vSetFontsDefaults(FontsSettings* block);
QVFILEIO_EXPORT int32_t vReadFontsSettings(FontsSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetGazeCtrlDefaults(GazeCtrlSettings* block);
QVFILEIO_EXPORT int32_t vReadGazeCtrlSettings(GazeCtrlSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetKeyboardDefaults(KeyboardSettings* block);
QVFILEIO_EXPORT int32_t vReadKeyboardSettings(KeyboardSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetLightApplDefaults(LightApplSettings* block);
QVFILEIO_EXPORT int32_t vReadLightApplSettings(LightApplSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetPaddleDefaults(PaddleSettings* block);
QVFILEIO_EXPORT int32_t vReadPaddleSettings(PaddleSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetPCAccessDefaults(PCAccessSettings* block);
QVFILEIO_EXPORT int32_t vReadPCAccessSettings(PCAccessSettings* block, int32_t language);
/* Keeps a phone book that has entries; an empty one gets the one default entry. */
QVFILEIO_EXPORT void vSetPhoneDefaults(PhoneSettings* block);
QVFILEIO_EXPORT int32_t vReadPhoneSettings(PhoneSettings* block, int32_t language);
/* which = -1: all nine categories; 0..8: that category only; title and count always. */
QVFILEIO_EXPORT void vSetPhrasesDefaults(PhrasesSettings* block, int32_t which);
QVFILEIO_EXPORT int32_t vReadPhrasesSettings(PhrasesSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetScanKbdDefaults(ScanKbdSettings* block);
QVFILEIO_EXPORT int32_t vReadScanKbdSettings(ScanKbdSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetSpeechDefaults(SpeechSettings* block);
QVFILEIO_EXPORT int32_t vReadSpeechSettings(SpeechSettings* block, int32_t language);
/* which = -1: all five groups; 0..4: that group only; other values: nothing. */
QVFILEIO_EXPORT void vSetTeachDefaults(TeachSettings* block, int32_t which);
QVFILEIO_EXPORT int32_t vReadTeachSettings(TeachSettings* block, int32_t language);
QVFILEIO_EXPORT void vSetTVDefaults(TVSettings* block);
QVFILEIO_EXPORT int32_t vReadTVSettings(TVSettings* block, int32_t language);
QVFILEIO_EXPORT void vSet2StrokeKbdDefaults(TwoStrokeKbdSettings* block);
QVFILEIO_EXPORT int32_t vRead2StrokeKbdSettings(TwoStrokeKbdSettings* block, int32_t language);

/* ---------------------------------------------------------------------------------------------
 * Keyboard tables (read from the label file)
 * ------------------------------------------------------------------------------------------- */

QVFILEIO_EXPORT int32_t ReadQVXKeyLocations(KeyLocationTable* table, int32_t language);
QVFILEIO_EXPORT void SetQVXKeyLocDefaults(KeyLocationTable* table);
QVFILEIO_EXPORT int32_t ReadQVXKeyboardAsciiCodes(KeyboardAsciiCodes* table, int32_t language);
QVFILEIO_EXPORT void SetQVXKeyboardAsciiCodesDefaults(KeyboardAsciiCodes* table);
/* kind 101 or less: the 101-key table; above: the 102-key table. */
QVFILEIO_EXPORT void BuildTTAMArray(int32_t kind, TTAMArray* table);
QVFILEIO_EXPORT int32_t ReadQVXScanningKeyboard(ScanningKeyboardLayout* layout, int32_t kind, int32_t language);
/* Depends on layout->kind: only kind 0 has a built-in layout. */
QVFILEIO_EXPORT void SetQVXScanningKeyboardDefaults(ScanningKeyboardLayout* layout);

/* ---------------------------------------------------------------------------------------------
 * Communication labels
 * ------------------------------------------------------------------------------------------- */

QVFILEIO_EXPORT int32_t ReadQVXLabels(QvxLabelsRecord* record);
QVFILEIO_EXPORT int32_t ReadQVXLabelsHelper(QvxLabelsRecord* record, const char16_t* path);
QVFILEIO_EXPORT int32_t ReadQVXCalLabels(QvxCalLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXCalLabelDefaults(QvxCalLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXKbdLabels(QvxKbdLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXKbdLabelDefaults(QvxKbdLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXLALabels(QvxLALabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXLALabelDefaults(QvxLALabels* group);
QVFILEIO_EXPORT int32_t ReadQVXMenuLabels(QvxMenuLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXMenuLabelDefaults(QvxMenuLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXPaddleLabels(QvxPaddleLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXPaddleLabelDefaults(QvxPaddleLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXPCAccessLabels(QvxPCAccessLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXPCAccessLabelDefaults(QvxPCAccessLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXPhoneLabels(QvxPhoneLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXPhoneLabelDefaults(QvxPhoneLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXPhrasesLabels(QvxPhrasesLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXPhrasesLabelDefaults(QvxPhrasesLabels* group);
QVFILEIO_EXPORT int32_t ReadQVXReadLabels(QvxReadLabels* group, int32_t language);
QVFILEIO_EXPORT void SetQVXReadLabelDefaults(QvxReadLabels* group);

#ifdef __cplusplus
}
#endif

#endif /* QVFILEIO_H */
