/* Compiled as C: the interface header must stay usable from C, and the exports callable. A
 * failed check prints its file, line and condition and ends the call with 1. */
#include <stddef.h>

#include "CCheck.h"
#include "qvtrack.h"

int QvTrackCallFromC(int feedX, int feedY, int* outFound, int* outX, int* outY, int* outRate) {
    TrackerControl control = {0};
    EyeImageInfo info;
    QvTrackStats stats;
    control.requestedRate = 60;
    control.screenWidth = 1024;
    control.screenHeight = 768;
    control.option24 = 1;
    CHECK(QvInit(&control) == 0);
    CHECK(control.sample != NULL);
    CHECK(QvEyeImageInit(&info, 4) == 0);
    CHECK(info.width == 0 && info.height == 0);
    control.started = 1;
    QvFeedPointer(feedX, feedY);
    CHECK(QvGetData(&control) == 0);
    QvEyeImageDisplay(0, 1024 - info.width, 0, info.width, info.height, NULL);
    *outFound = control.sample->found;
    *outX = control.sample->x;
    *outY = control.sample->y;
    *outRate = control.iSamplePerSec;
    CHECK(QvGetStats(&stats) == 0);
    CHECK(stats.samplesDelivered == 1);
    CHECK(QvExit(&control) == 0);
    return 0;
}
