#pragma once

// Receives the check's running progress from the worker thread. Implementations must be
// safe to call from any thread (they post, never touch widgets directly). A null sink means
// no progress is reported.
class ICheckProgressSink {
public:
    virtual void PostCheckProgress(int value) = 0;

protected:
    ~ICheckProgressSink() = default;
};
