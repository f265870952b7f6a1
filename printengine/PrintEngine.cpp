#include "printengine/PrintEngine.h"

#include "printengine/PrintJob.h"
#include "printengine/RpeError.h"
#include "printengine/rpe32.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

PrintEngine &PrintEngine::instance()
{
    static PrintEngine engine;
    return engine;
}

PrintEngine::PrintEngine() : m_openHook(defaultOpenHook()), m_mailHook(defaultMailHook()) {}

PrintEngine::OpenHook PrintEngine::defaultOpenHook()
{
    return [](const QString &file, QString *error) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            return true;
        *error = QStringLiteral("The desktop could not open %1").arg(file);
        return false;
    };
}

PrintEngine::MailHook PrintEngine::defaultMailHook()
{
    return [](const MailHandOver &mail, QString *error) {
        QStringList args;
        if (!mail.subject.isEmpty())
            args << QStringLiteral("--subject") << mail.subject;
        if (!mail.message.isEmpty())
            args << QStringLiteral("--body") << mail.message;
        for (const QString &a : mail.cc)
            args << QStringLiteral("--cc") << a;
        for (const QString &a : mail.bcc)
            args << QStringLiteral("--bcc") << a;
        args << QStringLiteral("--attach") << mail.attachment;
        args << mail.to;
        if (QProcess::startDetached(QStringLiteral("xdg-email"), args))
            return true;
        *error = QStringLiteral("The mail program could not be started (xdg-email)");
        return false;
    };
}

void PrintEngine::open()
{
    static bool cleanupRegistered = false;
    if (!cleanupRegistered) {
        // Jobs own windows: they must go before the application object does.
        qAddPostRoutine([] { PrintEngine::instance().shutDown(); });
        cleanupRegistered = true;
    }
    ++m_openCount;
}

void PrintEngine::close()
{
    if (m_openCount == 0)
        return;
    if (--m_openCount == 0)
        m_jobs.clear();
}

void PrintEngine::shutDown()
{
    m_jobs.clear();
    m_openCount = 0;
}

PrintJob *PrintEngine::findJob(int number)
{
    const auto it = m_jobs.find(number);
    return it == m_jobs.end() ? nullptr : it->second.get();
}

PrintJob &PrintEngine::job(int number)
{
    if (!isOpen())
        throw RpeError(RPE_ERR_ENGINE_NOT_OPEN, QStringLiteral("The print engine is not open"));
    PrintJob *j = findJob(number);
    if (!j)
        throw RpeError(RPE_ERR_BAD_JOB, QStringLiteral("Print job %1 is not open").arg(number));
    return *j;
}

int PrintEngine::nextJobNumber()
{
    // Job numbers travel as 16-bit values.
    if (m_lastJobNumber >= 32767)
        return 0;
    return ++m_lastJobNumber;
}

int PrintEngine::addJob(std::unique_ptr<PrintJob> job)
{
    const int n = job->number();
    m_jobs[n] = std::move(job);
    return n;
}

void PrintEngine::removeJob(int number)
{
    m_jobs.erase(number);
    m_errors.remove(number);
}

void PrintEngine::setError(int job, int code, const QString &text)
{
    m_errors[job] = Failure{code, text};
    if (job != 0)
        m_errors[0] = Failure{code, text};
}

int PrintEngine::errorCode(int job) const
{
    return m_errors.value(job).code;
}

QString PrintEngine::errorText(int job) const
{
    return m_errors.value(job).text;
}

QString PrintEngine::tempPath() const
{
    return m_tempPath.isEmpty() ? QDir::tempPath() : m_tempPath;
}

bool PrintEngine::openFile(const QString &file, QString *error) const
{
    return m_openHook(file, error);
}

bool PrintEngine::sendMail(const MailHandOver &mail, QString *error) const
{
    return m_mailHook(mail, error);
}
