#include "FixationDetector.h"

#include <termios.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lumora {

int FixationDetector::ResetFixationDetector(int /*minimumFixSamples*/) {
    for (int i = 0; i < RING_SIZE; ++i)
        writeEntry(i, Entry{});
    m_current = 0;
    m_callCount = 0;
    m_prevEndCount = 0;
    m_present = Fixation{};
    m_candidate = Fixation{};
    return 0;
}

void FixationDetector::FailRingTooSmall(int minimumFixSamples) {
    std::printf("minimum_fix_samples %i >= RING_SIZE %i\n", minimumFixSamples, RING_SIZE);
    std::printf("Press any key to terminate...\n");
    std::fflush(stdout);
    // Only a person at a console can press a key; a program started by a desktop or a test
    // harness must not hang here.
    if (isatty(STDIN_FILENO)) {
        termios saved{};
        const bool raw = tcgetattr(STDIN_FILENO, &saved) == 0;
        if (raw) {
            termios once = saved;
            once.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
            once.c_cc[VMIN] = 1;
            once.c_cc[VTIME] = 0;
            tcsetattr(STDIN_FILENO, TCSANOW, &once);
        }
        char key;
        [[maybe_unused]] ssize_t got = ::read(STDIN_FILENO, &key, 1);
        if (raw)
            tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
    std::exit(kFatalExitStatus);
}

void FixationDetector::writeEntry(int i, const Entry& e) {
    m_ring.found[i] = e.found;
    m_ring.x[i] = e.x;
    m_ring.y[i] = e.y;
    m_ring.state[i] = e.state;
    m_ring.fixX[i] = e.fixX;
    m_ring.fixY[i] = e.fixY;
    m_ring.deviation[i] = e.deviation;
    m_ring.saccadeDuration[i] = e.saccadeDuration;
    m_ring.fixationDuration[i] = e.fixationDuration;
}

FixationDetector::Entry FixationDetector::readEntry(int i) const {
    return Entry{m_ring.found[i],
                 m_ring.x[i],
                 m_ring.y[i],
                 m_ring.state[i],
                 m_ring.fixX[i],
                 m_ring.fixY[i],
                 m_ring.deviation[i],
                 m_ring.saccadeDuration[i],
                 m_ring.fixationDuration[i]};
}

double FixationDetector::distanceTo(const Fixation& f, float x, float y) const {
    const float dx = x - f.centroidX;
    const float dy = y - f.centroidY;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

int FixationDetector::FeedFixationDetector(bool found, float x, float y, float deviationThreshold,
                                           int minimumFixSamples, Entry& delayed) {
    int n = minimumFixSamples < kMinFixSamples ? kMinFixSamples : minimumFixSamples;
    if (n >= RING_SIZE)
        FailRingTooSmall(n);

    ++m_callCount;
    m_current = (m_current + 1) % RING_SIZE;
    int delayedIndex = m_current - n;
    if (delayedIndex < 0)
        delayedIndex += RING_SIZE;

    Entry fresh;
    fresh.found = found;
    fresh.x = x;
    fresh.y = y;
    writeEntry(m_current, fresh);
    float& deviationOut = m_ring.deviation[m_current];

    if (found) {
        if (m_present.count <= 0) {
            startPresent(x, y);
        } else {
            const double deviation = distanceTo(m_present, x, y);
            deviationOut = static_cast<float>(deviation);
            if (deviation <= deviationThreshold) {
                restoreOutPoints();
                addToPresent(x, y, n);
            } else {
                ++m_present.outCount;
                if (m_callCount - m_present.endCount >= kGoneAfterSamples && m_present.count >= n) {
                    completePresent(delayedIndex, n);
                    // The candidate built from the samples away from the old fixation is now
                    // the present one.
                    const double fromNew = distanceTo(m_present, x, y);
                    deviationOut = static_cast<float>(fromNew);
                    if (fromNew <= deviationThreshold)
                        addToPresent(x, y, n);
                    else
                        startCandidate(x, y);
                } else if (m_candidate.count <= 0) {
                    startCandidate(x, y);
                } else if (distanceTo(m_candidate, x, y) > deviationThreshold) {
                    startCandidate(x, y);
                } else {
                    addToCandidate(x, y);
                    if (m_candidate.count == n)
                        moveCandidateToPresent(n);
                }
            }
        }
    } else if (m_callCount - m_present.endCount >= n) {
        if (m_present.count >= n)
            completePresent(delayedIndex, n);
        m_present = Fixation{};
        m_candidate = Fixation{};
    }

    delayed = readEntry(delayedIndex);
    return delayed.state;
}

void FixationDetector::startPresent(float x, float y) {
    m_present = Fixation{};
    m_present.sumX = m_present.centroidX = x;
    m_present.sumY = m_present.centroidY = y;
    m_present.count = 1;
    m_present.startCount = m_present.endCount = m_callCount;
    m_candidate = Fixation{};
}

void FixationDetector::addToPresent(float x, float y, int n) {
    m_present.sumX += x;
    m_present.sumY += y;
    ++m_present.count;
    m_present.endCount = m_callCount;
    m_present.outCount = 0;
    const float inv = 1.0f / static_cast<float>(m_present.count);
    m_present.centroidX = m_present.sumX * inv;
    m_present.centroidY = m_present.sumY * inv;
    markFixation(n);
    m_candidate = Fixation{};
}

void FixationDetector::restoreOutPoints() {
    // The ring holds only the 99 samples before the current one.
    const int walk = m_present.outCount < RING_SIZE - 1 ? m_present.outCount : RING_SIZE - 1;
    for (int i = 1; i <= walk; ++i) {
        const int e = back(i);
        if (m_ring.found[e]) {
            m_present.sumX += m_ring.x[e];
            m_present.sumY += m_ring.y[e];
            ++m_present.count;
            m_ring.state[e] = Fixating;
        }
    }
    m_present.outCount = 0;
}

void FixationDetector::markFixation(int n) {
    if (m_present.count < n)
        return;
    const int length = m_present.endCount - m_present.startCount + 1;
    const int saccade = m_present.startCount - m_prevEndCount - 1;
    const float fixX = m_present.centroidX;
    const float fixY = m_present.centroidY;
    // The n newest entries, walked as at most two runs of the ring so no index needs a division
    // (this runs for every fixating sample).
    int k = 0;
    while (k < n) {
        const int index = m_current - k >= 0 ? m_current - k : m_current - k + RING_SIZE;
        const int run = (index + 1 < n - k) ? index + 1 : n - k;
        // Entries index - run + 1 .. index, ascending; entry index gets the duration length - k.
        const int first = index - run + 1;
        const int lastDuration = length - k;
        for (int j = first; j <= index; ++j) {
            m_ring.fixX[j] = fixX;
            m_ring.fixY[j] = fixY;
            m_ring.state[j] = Fixating;
            m_ring.fixationDuration[j] = lastDuration - (index - j);
            m_ring.saccadeDuration[j] = saccade;
        }
        k += run;
    }
}

void FixationDetector::completePresent(int delayedIndex, int n) {
    m_ring.state[delayedIndex] = FixationCompleted;
    m_prevEndCount = m_present.endCount;
    moveCandidateToPresent(n);
}

void FixationDetector::moveCandidateToPresent(int n) {
    m_present = m_candidate;
    m_present.outCount = 0;
    m_candidate = Fixation{};
    markFixation(n);
}

void FixationDetector::startCandidate(float x, float y) {
    m_candidate = Fixation{};
    m_candidate.sumX = m_candidate.centroidX = x;
    m_candidate.sumY = m_candidate.centroidY = y;
    m_candidate.count = 1;
    m_candidate.startCount = m_candidate.endCount = m_callCount;
}

void FixationDetector::addToCandidate(float x, float y) {
    m_candidate.sumX += x;
    m_candidate.sumY += y;
    ++m_candidate.count;
    m_candidate.endCount = m_callCount;
    const float inv = 1.0f / static_cast<float>(m_candidate.count);
    m_candidate.centroidX = m_candidate.sumX * inv;
    m_candidate.centroidY = m_candidate.sumY * inv;
}

}  // namespace lumora
