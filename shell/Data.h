#pragma once

#include "data/Database.h"
#include "data/FQuery.h"
#include "data/LangQuery.h"
#include "data/Table.h"
#include "shell/FieldDictionary.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <optional>

class QComboBox;

// A database sequence that serves an id name.
struct TSeqData
{
    QString IdName; // upper-cased
    QString SeqName;
};

// The main data module: everything the program shares for one run, reached
// through the global D. Creating it reads the configuration and the start-up
// switches, opens the database "LB" and loads the user's rights and the
// sequence registry; it throws EProcessExit where the program must end.
class TD : public QObject
{
    Q_OBJECT
public:
    // arguments: the whole command line, the program first. isExe: whether
    // this is the application itself (reads switches and opens the database),
    // which only its main() says, whatever its file is called; a test or
    // another host keeps the defaults.
    explicit TD(const QStringList &arguments, bool isExe = false, QObject *parent = nullptr);
    ~TD() override;
    TD(const TD &) = delete;
    TD &operator=(const TD &) = delete;

    static QString UsageText();

    // Identity, connection and configuration.
    QString User, UserFullName, DbUser, DbPassword;
    QString RpeDriver, RpeServer, RpeDatabase;
    QString ProgramId, Dialect = QStringLiteral("ORACLE");
    QString ComputerName, FileVersion, EngineVersion, TodayText;
    QString CommandLine;        // the whole command line, the password written as ********
    QString TranslationProgram; // the program name every translation component takes
    QString ReportDir, TraceLogFile, ErrorLogFile, SettingsFile;
    bool IsExe = false;
    bool ShowSteps = false;
    int TraceLevel = 0;
    bool MailLog = false;
    QString NotAllowed;
    QStringList DeniedReports;
    QMap<QString, TSeqData> Sequences; // by upper-cased IdName
    // Set when the database did not open: start-up goes on, the message loop ends at once.
    bool TerminateRequested = false;

    // Components on the database "LB".
    Database DB;
    TLangQuery Q;
    TLangQuery Act;
    Table bAct;
    Query qId;
    Query uId;
    Query qOrg;
    TFQuery qIdSeq;
    TFQuery qOvoSeq;
    Field *qOvoSeqIDNAME = nullptr;
    Field *qOvoSeqSEQNAME = nullptr;
    FieldDictionary fld;

    bool OpenDatabase(const QString &user, const QString &password);
    bool HasEntryRight();
    bool IsReportAllowed(const QString &id) const;
    qint64 GetNewId(const QString &name);
    qint64 NextSequenceValue(const QString &sequence);
    void OpenActivitySource(const QString &table, const QString &where);
    void LogActivity(DataSet &dataSet, const QString &code, const QString &keyField, const QString &table);
    void CloseActivitySource();
    void PrepareSignatures(const QString &organisation);
    // Fills the drop-down, when given, with the four delivery codes; returns the code's caption.
    QString DeliveryCaption(const QString &code, QComboBox *dropDown = nullptr);
    void SaveAliasInfo();
    // Headings, widths and formats of the data set's fields from fld.
    void ApplyFieldDictionary(DataSet &dataSet) const;
    void StartTransaction();
    void Commit();
    void Rollback();

    void LoadDeniedReports();
    void LoadNotAllowed();
    void LoadSequences();
    void UpdateReportFiles();
    void CopyIfChanged(const QString &local, const QString &server);
    QString ReadFileVersion(const QString &key);

    // A trace marker in Crprint.log when tracing is on; a step box when steps are shown.
    void Trace(const QString &marker);
    void Step(const QString &text);

private:
    void create(const QStringList &arguments, bool isExe);
    void ReadStartupSwitches(const QStringList &arguments);
    void CheckStartupSwitches(const QStringList &arguments);
    void LoadUserName();
    QString QuotedUser() const;

    qint64 NextIdFromTable(const QString &name);
};

extern TD *D;
