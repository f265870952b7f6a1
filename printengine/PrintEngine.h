#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class PrintJob;

// What the mail destination hands over to the user's mail program.
struct MailHandOver
{
    QStringList to;
    QStringList cc;
    QStringList bcc;
    QString subject;
    QString message;
    QString attachment;
};

// The engine's process-wide state: how many callers hold it open, the open
// print jobs by number, the last failure of each job (job 0: of the engine),
// and the replaceable hooks that open a file in its application and hand a
// file to the mail program.
//
// Several components share one process: the engine stays open until the
// last of them closes it, and a job number is never handed out twice, so a
// number a component still holds can only ever name its own job.
class PrintEngine
{
public:
    static PrintEngine &instance();

    bool isOpen() const { return m_openCount > 0; }
    int openCount() const { return m_openCount; }
    void open();
    // One opener fewer; the last one closes every job still open.
    void close();
    // Every job and every opener at once (the end of the process).
    void shutDown();

    PrintJob &job(int number); // throws RpeError for an unknown number
    PrintJob *findJob(int number);
    int addJob(std::unique_ptr<PrintJob> job);
    void removeJob(int number);
    // A number no job of this process has had; 0 when they are used up.
    int nextJobNumber();
    std::map<int, std::unique_ptr<PrintJob>> &jobs() { return m_jobs; }

    void setError(int job, int code, const QString &text);
    int errorCode(int job) const;
    QString errorText(int job) const;

    QString tempPath() const;
    void setTempPath(const QString &path) { m_tempPath = path; }

    using OpenHook = std::function<bool(const QString &file, QString *error)>;
    using MailHook = std::function<bool(const MailHandOver &mail, QString *error)>;
    static OpenHook defaultOpenHook();
    static MailHook defaultMailHook();
    void setOpenHook(OpenHook hook) { m_openHook = std::move(hook); }
    void setMailHook(MailHook hook) { m_mailHook = std::move(hook); }
    bool openFile(const QString &file, QString *error) const;
    bool sendMail(const MailHandOver &mail, QString *error) const;

    QHash<QString, QString> &globalOptions() { return m_globalOptions; }

private:
    PrintEngine();
    int m_openCount = 0;
    int m_lastJobNumber = 0;
    std::map<int, std::unique_ptr<PrintJob>> m_jobs;
    struct Failure
    {
        int code = 0;
        QString text;
    };
    QHash<int, Failure> m_errors;
    QString m_tempPath;
    OpenHook m_openHook;
    MailHook m_mailHook;
    QHash<QString, QString> m_globalOptions;
};
