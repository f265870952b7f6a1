#pragma once

#include "printengine/RpeTextHandle.h"
#include "printengine/rpe32.h"

#include <QProcess>
#include <QString>

// Small helpers for driving the engine's C surface from a test.
namespace RpeTest {

inline QString takeText(RpeTextHandle handle)
{
    const QString text = QString::fromUtf8(rpeTextHandleLock(handle));
    rpeTextHandleUnlock(handle);
    rpeTextHandleFree(handle);
    return text;
}

inline QString errorText(int16_t job)
{
    RpeTextHandle h = nullptr;
    int16_t length = 0;
    if (!RpeGetErrorText(job, &h, &length))
        return QStringLiteral("<no error text>");
    return takeText(h);
}

inline QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace RpeTest

// Fails the test with the engine's error text for the job.
#define RPE_VERIFY(call, job)                                                                                \
    do {                                                                                                     \
        if (!(call))                                                                                         \
            QFAIL(qPrintable(                                                                                \
                QStringLiteral("%1 failed: %2").arg(QStringLiteral(#call), RpeTest::errorText(job))));       \
    } while (false)
