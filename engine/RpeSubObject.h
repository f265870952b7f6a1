#pragma once

class TRpe;

// A sub-object of the print-job component. It keeps a pointer back to its
// component, through which it reaches the print job and the error routine.
class TRpeSubObject
{
public:
    explicit TRpeSubObject(TRpe *owner) : Rpe(owner) {}
    virtual ~TRpeSubObject() = default;
    TRpeSubObject(const TRpeSubObject &) = delete;
    TRpeSubObject &operator=(const TRpeSubObject &) = delete;

    // Back to the defaults; nothing is sent to the engine.
    virtual void Clear() {}

    TRpe *Rpe;
};
