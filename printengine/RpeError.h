#pragma once

#include "shell/Errors.h"

// A failure of an engine call, with the engine error code the caller reads
// back through RpeGetErrorCode.
class RpeError : public EError
{
public:
    RpeError(int code, const QString &message) : EError(message), m_code(code) {}
    QString className() const override { return QStringLiteral("RpeError"); }
    int code() const { return m_code; }

private:
    int m_code;
};
