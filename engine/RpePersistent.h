#pragma once

class TRpe;

// A sub-object of the print-job component. It keeps a pointer back to its
// component, through which it reaches the print job and the error routine.
class TRpePersistent
{
public:
    explicit TRpePersistent(TRpe *owner) : Rpe(owner) {}
    virtual ~TRpePersistent() = default;
    TRpePersistent(const TRpePersistent &) = delete;
    TRpePersistent &operator=(const TRpePersistent &) = delete;

    // Back to the defaults; nothing is sent to the engine.
    virtual void Clear() {}

    TRpe *Rpe;
};
