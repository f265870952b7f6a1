#pragma once

#include "shell/Errors.h"

// The print-job component's error: a component or engine error the error
// routine decided to raise. The message is "Error:" number, a blank, the text.
class ERpeError : public EError
{
public:
    ERpeError(int number, const QString &text)
        : EError(QStringLiteral("Error:") + QString::number(number) + QLatin1Char(' ') + text),
          m_number(number)
    {
    }
    QString className() const override { return QStringLiteral("ERpeError"); }
    int number() const { return m_number; }

private:
    int m_number;
};
