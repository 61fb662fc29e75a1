/* Compiled as C: the interface header must stay usable from C, and the exports callable. */
#include <stddef.h>

#include "qvtrack.h"

int QvTrackCallFromC(int feedX, int feedY, int* outFound, int* outX, int* outY, int* outRate) {
    TrackerControl control = {0};
    EyeImageInfo info;
    QvTrackStats stats;
    control.requestedRate = 60;
    control.screenWidth = 1024;
    control.screenHeight = 768;
    control.option24 = 1;
    if (QvInit(&control) != 0 || control.sample == NULL) {
        return -1;
    }
    if (QvEyeImageInit(&info, 4) != 0 || info.width != 0 || info.height != 0) {
        return -2;
    }
    control.started = 1;
    QvFeedPointer(feedX, feedY);
    if (QvGetData(&control) != 0) {
        return -3;
    }
    QvEyeImageDisplay(0, 1024 - info.width, 0, info.width, info.height, NULL);
    *outFound = control.sample->found;
    *outX = control.sample->x;
    *outY = control.sample->y;
    *outRate = control.iSamplePerSec;
    if (QvGetStats(&stats) != 0 || stats.samplesDelivered != 1) {
        return -4;
    }
    return QvExit(&control);
}
