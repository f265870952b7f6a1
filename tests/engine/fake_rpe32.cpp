// A stand-in engine library for the loader's tests: a few entry points that
// record how they were called, so a test can tell whether the loader called
// the engine and which record size it sent. Everything else is missing.
#include "printengine/rpe32.h"

#include <cstring>

namespace {
int reportVersionCalls = 0;
uint16_t lastStructSize = 0;
} // namespace

extern "C" {

RPE_API int FakeRpeReportVersionCalls()
{
    return reportVersionCalls;
}

RPE_API uint16_t FakeRpeLastStructSize()
{
    return lastStructSize;
}

RPE_API void FakeRpeReset()
{
    reportVersionCalls = 0;
    lastStructSize = 0;
}

RPE_API RpeBool RpeOpenEngine(void)
{
    return 1;
}

RPE_API RpeBool RpeCloseEngine(void)
{
    return 1;
}

RPE_API RpeBool RpeGetReportVersion(int16_t, RpeReportVersionInfo *version)
{
    ++reportVersionCalls;
    std::memcpy(&lastStructSize, version, sizeof lastStructSize);
    return 1;
}

RPE_API RpeBool RpeGetReportOptions(int16_t, RpeReportOptions *options)
{
    std::memcpy(&lastStructSize, options, sizeof lastStructSize);
    return 1;
}

RPE_API RpeBool RpeGetNthParameterField(int16_t, int16_t, RpeParameterFieldInfo *info)
{
    std::memcpy(&lastStructSize, info, sizeof lastStructSize);
    return 1;
}

RPE_API RpeBool RpeGetSubreportInfo(int16_t, RpeObjectHandle, RpeSubreportInfo *info)
{
    std::memcpy(&lastStructSize, info, sizeof lastStructSize);
    return 1;
}
}
