#include "engine/RpeOutputOptions.h"

#include "engine/Rpe.h"

namespace RpeOutput {

void engineFailed(TRpe *rpe, int16_t job, const QString &context, const QList<int> &tolerated)
{
    rpe->Fail(TRpeFailure{false, 0, {}, job, tolerated, context});
}

QWidget *previewWindow(TRpe *rpe)
{
    return static_cast<QWidget *>(rpe->ReportWindowHandle());
}

} // namespace RpeOutput
