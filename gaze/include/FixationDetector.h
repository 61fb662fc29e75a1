// FixationDetector: turns the stream of gaze samples into fixations, stretches of at least n
// samples that stay within a deviation threshold of their running centroid. It reports with a
// fixed delay of n samples: each feed takes the newest sample and returns what is known by then
// about the sample n feeds older. Coordinates are screen pixels, durations counts of samples.
//
// Fixed storage, no allocation; not thread-safe (the gaze thread is its only user).
#pragma once

namespace lumora {

class FixationDetector {
public:
    static constexpr int RING_SIZE = 100;
    // Smaller minimum counts are raised to this.
    static constexpr int kMinFixSamples = 3;
    // A sample outside the present fixation this many samples after its last one ends it.
    static constexpr int kGoneAfterSamples = 3;
    // The process exit status when the minimum count does not fit the ring.
    static constexpr int kFatalExitStatus = 99;

    enum State : int { Moving = 0, Fixating = 1, FixationCompleted = 2 };

    // One ring entry; also the report of the delayed sample.
    struct Entry {
        bool found = false;
        float x = 0.0f;
        float y = 0.0f;
        int state = Moving;
        float fixX = 0.0f;
        float fixY = 0.0f;
        float deviation = -0.1f;   // not computed
        int saccadeDuration = 0;   // samples between the previous fixation's end and this one's start
        int fixationDuration = 0;  // samples of this fixation up to and including this sample
    };

    FixationDetector() { ResetFixationDetector(0); }

    // Clears the ring, the counters and both fixations. Returns 0.
    int ResetFixationDetector(int minimumFixSamples);

    // Feeds one sample; fills `delayed` with the ring entry of the sample `minimumFixSamples`
    // feeds older and returns its state. A minimum count below 3 works as 3; one of RING_SIZE or
    // more cannot be honoured: two lines go to standard output, a key press is awaited when
    // standard input is a terminal, and the process exits with FATAL_EXIT_STATUS.
    int FeedFixationDetector(bool found, float x, float y, float deviationThreshold, int minimumFixSamples,
                             Entry& delayed);

    int callCount() const { return m_callCount; }

private:
    struct Fixation {
        int count = 0;
        float sumX = 0.0f, sumY = 0.0f;
        float centroidX = 0.0f, centroidY = 0.0f;
        int outCount = 0;  // consecutive samples outside it (present fixation only)
        int startCount = 0, endCount = 0;
    };

    [[noreturn]] static void FailRingTooSmall(int minimumFixSamples);

    int back(int k) const { return (m_current - k + RING_SIZE) % RING_SIZE; }
    double distanceTo(const Fixation& f, float x, float y) const;
    void startPresent(float x, float y);
    void addToPresent(float x, float y, int n);
    void restoreOutPoints();
    void markFixation(int n);
    void completePresent(int delayedIndex, int n);
    void moveCandidateToPresent(int n);
    void startCandidate(float x, float y);
    void addToCandidate(float x, float y);

    // The ring, one array per field: marking a fixation fills runs of a few fields, which stay
    // contiguous this way.
    struct Ring {
        bool found[RING_SIZE];
        float x[RING_SIZE];
        float y[RING_SIZE];
        int state[RING_SIZE];
        float fixX[RING_SIZE];
        float fixY[RING_SIZE];
        float deviation[RING_SIZE];
        int saccadeDuration[RING_SIZE];
        int fixationDuration[RING_SIZE];
    };
    void writeEntry(int i, const Entry& e);
    Entry readEntry(int i) const;

    Ring m_ring;
    int m_current = 0;
    int m_callCount = 0;
    int m_prevEndCount = 0;
    Fixation m_present;
    Fixation m_candidate;
};

}  // namespace lumora
