/* Checks for the tests compiled as C, which cannot use GoogleTest: a failed check prints its
 * file, line and condition on standard error and makes the calling function return 1, so the
 * C++ test that called it fails and the log says which check it was. */
#ifndef LUMORA_TESTSUPPORT_CCHECK_H
#define LUMORA_TESTSUPPORT_CCHECK_H

#include <stdio.h>

static inline int CheckCondition(int ok, const char* file, int line, const char* condition) {
    if (!ok) {
        fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    }
    return ok;
}

#define CHECK(condition)                                                     \
    do {                                                                     \
        if (!CheckCondition((condition) != 0, __FILE__, __LINE__, #condition)) \
            return 1;                                                        \
    } while (0)

#endif
