#include "shell/Data.h"

#include "shell/DbShortcuts.h"
#include "shell/Errors.h"
#include "shell/IniFile.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/ProgramFolder.h"
#include "shell/SqlLiterals.h"
#include "shell/Utils.h"
#include "shell/VersionInfo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

TD *D = nullptr;

namespace {
const QString HiddenPassword = QStringLiteral("********");

// The command line as logs show it: the password (third value of /LOG) hidden.
QString commandLineOf(const QStringList &arguments)
{
    QStringList parts;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        const bool password = i >= 4 && arguments.at(i - 3).toUpper() == QLatin1String("/LOG");
        parts.append(password                       ? HiddenPassword
                     : a.contains(QLatin1Char(' ')) ? QLatin1Char('"') + a + QLatin1Char('"')
                                                    : a);
    }
    return parts.join(QLatin1Char(' '));
}

QString windowsPath(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Id names become column names of table ID; nothing else may reach the statement.
void requireIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw EDatabaseError(QStringLiteral("Neveljavno ime števca: %1").arg(name));
}
} // namespace

TD::TD(const QStringList &arguments, bool isExe, QObject *parent) : QObject(parent), DB(QStringLiteral("LB"))
{
    D = this;
    try {
        create(arguments, isExe);
    } catch (...) {
        // A failed creation leaves no module behind for the error display to use.
        D = nullptr;
        throw;
    }
}

void TD::create(const QStringList &arguments, bool isExe)
{
    // 1. Identity of the program and of the computer.
    FileVersion = ReadFileVersion(QStringLiteral("FileVersion"));
    EngineVersion = QStringLiteral("8.5");
    ComputerName = ::ComputerName();
    TranslationProgram = QStringLiteral("MAVLIT");
    TodayText = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));

    // 2.
    Dialect = QStringLiteral("ORACLE");
    CommandLine = commandLineOf(arguments);
    TraceLogFile = ProgramFolder::file(QStringLiteral("Crprint.log"));
    ErrorLogFile = ProgramFolder::file(QStringLiteral("Crerror.log"));

    // 3. Steps and tracing.
    const IniFile rpeConf(ProgramFolder::file(QStringLiteral("RpeConf.ini")));
    ShowSteps =
        rpeConf.readString(QStringLiteral("RPEPRINT"), QStringLiteral("SPOROCILA")) == QLatin1String("1");
    const QString level =
        rpeConf.readString(QStringLiteral("RPEPRINT"), QStringLiteral("LOG"), QStringLiteral("0"));
    bool ok = false;
    TraceLevel = level.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' ni veljavno celo število").arg(level));
    Step(QStringLiteral("Data.Create"));
    Trace(QStringLiteral("d1"));

    // 4.
    ReportDir = ProgramFolder::file(QStringLiteral("Report/"));
    SettingsFile = ProgramFolder::file(QStringLiteral("Mavlit.ini"));
    Trace(QStringLiteral("d2"));
    Trace(QStringLiteral("d3"));

    // 5. and 6. The switches and the connection, only for the program itself.
    IsExe = isExe;
    if (IsExe) {
        ReadStartupSwitches(arguments);
        CheckStartupSwitches(arguments);
    }
    Trace(QStringLiteral("d4"));
    if (IsExe && !OpenDatabase(DbUser, DbPassword))
        TerminateRequested = true;

    // 7. to 10. Everything read from the database; a host without a
    // connection (a test, another program) keeps the defaults.
    if (DB.connected()) {
        LoadSequences();
        LoadDeniedReports();
    }
    LoadNotAllowed();
    MailLog = IniFile(SettingsFile).readString(QStringLiteral("EMAIL"), QStringLiteral("LOG")) ==
              QLatin1String("D");
    if (DB.connected()) {
        LoadUserName();
        Step(QStringLiteral("Data.Create"));
        UpdateReportFiles();
    }

    // 11. A server forced by the settings file.
    const IniFile settings(SettingsFile);
    if (settings.readString(QStringLiteral("FORCESERVER"), QStringLiteral("CUSTOMSERVER")) ==
        QLatin1String("YES")) {
        RpeServer = settings.readString(QStringLiteral("FORCESERVER"), QStringLiteral("SERVERNAME"));
        RpeDatabase = settings.readString(QStringLiteral("FORCESERVER"), QStringLiteral("DATABASENAME"));
    }

    // Windows find the module's queries on the connection "LB".
    Act.setColumns(QStringLiteral("*"));
    Act.setFromClause(QStringLiteral("ACT"));
    Act.setTables(QStringLiteral("ACT"));
    bAct.setTableName(QStringLiteral("ACT"));
    bAct.setFilter(QStringLiteral("IdAct=0"));
    bAct.setFiltered(true);
    qOrg.setSql(QStringLiteral("SELECT * FROM ORG"));
}

TD::~TD()
{
    DeniedReports.clear();
    Sequences.clear();
    if (D == this)
        D = nullptr;
}

QString TD::UsageText()
{
    return QStringLiteral(
        "Program je treba startati s parametri /LOG UPORABNIK DBUSER DBPASS /PRG IDENTSTRING /CR "
        "DRIVERNAME SERVERNAME [/AUTO /IDREPORT IdReport] [/DAN Datum] [/DJV Dejavnosti] ");
}

void TD::Trace(const QString &marker)
{
    if (TraceLevel <= 0)
        return;
    try {
        AppendLog(TraceLogFile, marker);
    } catch (const EInOutError &) {
        // Tracing is a diagnostic aid; it must not stop the program.
    }
}

void TD::Step(const QString &text)
{
    if (ShowSteps)
        ShowInfo(text);
}

void TD::ReadStartupSwitches(const QStringList &arguments)
{
    User.clear();
    DbUser.clear();
    DbPassword.clear();
    ProgramId.clear();
    RpeServer.clear();
    RpeDatabase.clear();
    RpeDriver.clear();
    const qsizetype count = arguments.size() - 1; // arguments after the program
    const auto exists = [&](qsizetype i) { return i <= count; };
    for (qsizetype i = 1; i <= count; ++i) {
        const QString a = arguments.at(i).toUpper();
        if (a == QLatin1String("/LOG")) {
            if (exists(i + 1))
                User = arguments.at(i + 1);
            if (exists(i + 2))
                DbUser = arguments.at(i + 2);
            if (exists(i + 3))
                DbPassword = arguments.at(i + 3);
        }
        if (a == QLatin1String("/PRG") && exists(i + 1))
            ProgramId = arguments.at(i + 1);
        if (a == QLatin1String("/TEST"))
            SettingsFile = ProgramFolder::file(QStringLiteral("Mavlit85test.ini"));
        if (a == QLatin1String("/CR")) {
            if (exists(i + 2))
                RpeServer = arguments.at(i + 2);
            if (!exists(i + 1))
                continue;
            RpeDriver = arguments.at(i + 1);
            if (RpeDriver == QLatin1String("IBM") && exists(i + 4) &&
                arguments.at(i + 2) == QLatin1String("DB2") && arguments.at(i + 3) == QLatin1String("ODBC")) {
                RpeDriver = QStringLiteral("IBM DB2 ODBC ") + arguments.at(i + 4);
                if (exists(i + 5))
                    RpeServer = arguments.at(i + 5);
                RpeDatabase = RpeServer;
            }
        }
    }
}

void TD::CheckStartupSwitches(const QStringList &arguments)
{
    if (RpeDriver.contains(QLatin1String("DB2")) || RpeDriver.toUpper() == QLatin1String("DB2")) {
        RpeDatabase = RpeServer;
        Dialect = QStringLiteral("DB2");
    }
    const bool incomplete = arguments.size() <= 1 || ProgramId.isEmpty() || DbUser.isEmpty() ||
                            DbPassword.isEmpty() || User.isEmpty() || RpeDriver.isEmpty() ||
                            RpeServer.isEmpty();
    if (!incomplete)
        return;
    ShowError(UsageText() + QStringLiteral("\rDRIVER=") + RpeDriver + QStringLiteral("\rSERVERNAME=") +
              RpeServer + QStringLiteral("\rDATABASE=") + RpeDatabase);
    try {
        // A fresh program folder has no log folder yet; the line must not be lost.
        QDir().mkpath(SqlLogDir());
        AppendLog(SqlLogDir() + QStringLiteral("Mavlit.log"), CommandLine);
    } catch (const EInOutError &) {
    }
    throw EProcessExit(0);
}

bool TD::OpenDatabase(const QString &user, const QString &password)
{
    Step(QStringLiteral("Data.Odpribazo"));
    Trace(QStringLiteral("ob1"));
    if (DB.connected())
        return true;
    Trace(QStringLiteral("ob2"));
    DB.close();
    DB.setAliasName(QStringLiteral("LB"));
    DB.setParams({QStringLiteral("USER NAME=") + user, QStringLiteral("PASSWORD=") + password});
    Trace(QStringLiteral("0b3"));
    try {
        DB.open();
        Trace(QStringLiteral("ob3a"));
    } catch (const std::exception &e) {
        // The trace names the user but never shows the password.
        Trace(QStringLiteral("obNAPAKA") + user + QStringLiteral("obGESLO") + QStringLiteral("********") +
              QStringLiteral("obKONEC"));
        LogErrorWithText(QStringLiteral("Napaka pri odpiranju podatkovne povezave: ") + QLatin1Char('\r'), e);
        throw EProcessExit(0);
    }
    Trace(QStringLiteral("ob4"));
    DbUser = user;
    DbPassword = password;
    Trace(QStringLiteral("ob5"));
    Step(QStringLiteral("Data.Odpribazo"));
    return DB.connected();
}

QString TD::QuotedUser() const
{
    return QLatin1Char('\'') + SqlEscape(User) + QLatin1Char('\'');
}

bool TD::HasEntryRight()
{
    try {
        if (LookupString(QStringLiteral("LB"), QStringLiteral("SFRGT"), QStringLiteral("SFRGT"),
                         QStringLiteral("SfRgt='090'"))
                .isEmpty())
            return true;
    } catch (const std::exception &) {
        return true; // the right is not defined at this installation
    }
    if (!LookupString(QStringLiteral("LB"), QStringLiteral("RGT"), QStringLiteral("IDRGT"),
                      QStringLiteral("USR=") + QuotedUser() + QStringLiteral(" and SfRgt='090'"))
             .isEmpty())
        return true;
    if (auto groups = OpenSelect(QStringLiteral("IDGRP"), QStringLiteral("GRPUSR"),
                                 QStringLiteral("USR=") + QuotedUser())) {
        QStringList ids;
        for (; !groups->eof(); groups->next())
            ids.append(QString::number(groups->fields().at(0)->asInteger()));
        if (!ids.isEmpty() &&
            !LookupString(QStringLiteral("LB"), QStringLiteral("GRPRGT"), QStringLiteral("SFRGT"),
                          QStringLiteral("SFRGT='090' and IDGRP IN (") + ids.join(QStringLiteral(", ")) +
                              QLatin1Char(')'))
                 .isEmpty())
            return true;
    }
    ShowError(QStringLiteral("Ni pravice za vnos (Porocila vnos)."));
    return false;
}

bool TD::IsReportAllowed(const QString &id) const
{
    return !NotAllowed.contains(QLatin1Char(';') + id + QLatin1Char(';')) && !DeniedReports.contains(id);
}

void TD::LoadDeniedReports()
{
    if (User.isEmpty())
        return;
    DeniedReports.clear();
    const auto add = [this](TLangQuery *q) {
        for (; q && !q->eof(); q->next()) {
            const QString id = q->fields().at(0)->asString();
            if (!DeniedReports.contains(id))
                DeniedReports.append(id);
        }
    };
    add(OpenSelect(QStringLiteral("IDDATA"), QStringLiteral("RGTUSRDATA"),
                   QStringLiteral("SFRGT='220' AND USR=") + QuotedUser())
            .get());
    add(OpenSelect(QStringLiteral("B.IDDATA"),
                   QStringLiteral("GRPUSR A JOIN RGTGRPDATA B ON A.IDGRP=B.IDGRP"),
                   QStringLiteral("B.SFRGT='220' AND A.USR=") + QuotedUser())
            .get());
}

void TD::LoadNotAllowed()
{
    IniFile reportIni(ProgramFolder::file(QStringLiteral("Report.ini")));
    NotAllowed = reportIni.readString(QStringLiteral("REPORT"), QStringLiteral("NOT_ALLOWED"));
    reportIni.writeString(QStringLiteral("REPORT"), QStringLiteral("NOT_ALLOWED"), QString());
}

void TD::LoadSequences()
{
    if (!qOvoSeqIDNAME) {
        qOvoSeq.setSql(QStringLiteral("SELECT IdName, SeqName FROM OVOSEQ ORDER BY IdName"));
        qOvoSeq.addField(std::make_unique<Field>(QStringLiteral("IDNAME"), FieldType::FixedChar, 50),
                         &qOvoSeqIDNAME);
        qOvoSeq.addField(std::make_unique<Field>(QStringLiteral("SEQNAME"), FieldType::FixedChar, 80),
                         &qOvoSeqSEQNAME);
    }
    qOvoSeq.open();
    for (; !qOvoSeq.eof(); qOvoSeq.next()) {
        TSeqData entry{qOvoSeqIDNAME->asString().trimmed().toUpper(), qOvoSeqSEQNAME->asString().trimmed()};
        if (!Sequences.contains(entry.IdName))
            Sequences.insert(entry.IdName, entry);
    }
    qOvoSeq.close();
}

void TD::LoadUserName()
{
    const QString person = LookupString(QStringLiteral("LB"), QStringLiteral("USR"), QStringLiteral("SFOSB"),
                                        QStringLiteral("USR=") + QuotedUser());
    if (person.isEmpty())
        return;
    const QString where = QStringLiteral("SFOSB=") + person;
    const QString first =
        LookupString(QStringLiteral("LB"), QStringLiteral("OSB"), QStringLiteral("IME"), where);
    const QString last =
        LookupString(QStringLiteral("LB"), QStringLiteral("OSB"), QStringLiteral("NZV"), where);
    UserFullName = (first + QLatin1Char(' ') + last).trimmed();
}

qint64 TD::GetNewId(const QString &name)
{
    const QString key = name.toUpper();
    if (Sequences.contains(key))
        return NextSequenceValue(Sequences.value(key).SeqName);
    if (key == QLatin1String("IDACT")) {
        qId.setSql(Dialect == QLatin1String("DB2")
                       ? QStringLiteral("SELECT NEXT VALUE FOR ACT_IDACT_SEQ FROM SYSIBM.SYSDUMMY1")
                       : QStringLiteral("SELECT ACT_IDACT_SEQ.NEXTVAL FROM dual"));
        qint64 id = 0;
        try {
            qId.open();
            id = qId.fields().at(0)->asInteger();
        } catch (const std::exception &) {
            qId.close();
            throw EDatabaseError(QStringLiteral("Napaka pri sekvenci ACT_IDACT_SEQ !"));
        }
        qId.close();
        return id;
    }
    return NextIdFromTable(name);
}

qint64 TD::NextIdFromTable(const QString &name)
{
    requireIdentifier(name);
    // Another program may take the value between our read and our update;
    // the conditional update then changes no row and we read again.
    constexpr int attempts = 50;
    int affected = 0;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        qId.setSql(QStringLiteral("SELECT ") + name + QStringLiteral(" FROM ID WHERE Id = 1"));
        qint64 result = 0;
        try {
            qId.open();
            if (qId.isEmpty())
                throw EDatabaseError(QStringLiteral("Napaka pri posodabljanju zapisa v tabeli ID. Polje: ") +
                                     name + QStringLiteral(", RowsAffected: 0"));
            Field *column = qId.fields().at(0);
            const bool wasNull = column->isNull();
            const qint64 old = wasNull ? 0 : column->asInteger();
            result = old + 1;
            if (wasNull) {
                uId.setSql(QStringLiteral("UPDATE ID SET ") + name +
                           QStringLiteral(" = :New WHERE Id = 1 AND ") + name + QStringLiteral(" IS NULL"));
            } else {
                uId.setSql(QStringLiteral("UPDATE ID SET ") + name +
                           QStringLiteral(" = :New WHERE Id = 1 AND ") + name + QStringLiteral(" = :Old"));
                uId.setParam(QStringLiteral("Old"), old);
            }
            uId.setParam(QStringLiteral("New"), result);
            uId.execSql();
            affected = uId.rowsAffected();
        } catch (...) {
            qId.close();
            throw;
        }
        qId.close();
        if (affected == 1)
            return result;
        QThread::msleep(1 + attempt % 7);
    }
    throw EDatabaseError(QStringLiteral("Napaka pri posodabljanju zapisa v tabeli ID. Polje: ") + name +
                         QStringLiteral(", RowsAffected: ") + QString::number(affected));
}

qint64 TD::NextSequenceValue(const QString &sequence)
{
    qIdSeq.setSql(Dialect == QLatin1String("DB2")
                      ? QStringLiteral("SELECT NEXTVAL FOR ") + sequence +
                            QStringLiteral(" AS NewId FROM SYSIBM.SYSDUMMY1")
                      : QStringLiteral("SELECT ") + sequence + QStringLiteral(".NEXTVAL AS NewId FROM dual"));
    try {
        qIdSeq.open();
        const qint64 id = qIdSeq.fieldByName(QStringLiteral("NewId"))->asInteger();
        qIdSeq.close();
        return id;
    } catch (const EError &e) {
        qIdSeq.close();
        throw EDatabaseError(e.className() + QStringLiteral(": napaka pri sekvenci ") + sequence +
                             QStringLiteral(". Sporočilo: ") + e.message());
    }
}

void TD::OpenActivitySource(const QString &table, const QString &where)
{
    if (Act.active())
        Act.close();
    Act.setFromClause(table);
    Act.setWhereClause(where);
    Act.Select();
}

void TD::CloseActivitySource()
{
    Act.close();
}

void TD::LogActivity(DataSet &dataSet, const QString &code, const QString &keyField, const QString &table)
{
    struct Closer
    {
        Table &table;
        ~Closer() { table.close(); }
    } closer{bAct};
    bAct.open();
    bAct.append();
    const auto set = [this](const char *column, const QVariant &value) {
        if (Field *f = bAct.findField(QLatin1String(column)))
            f->setValue(value);
    };
    set("SfAct", code);
    set("Db", DB.aliasName());
    set("Tbl", table);
    set("Usr", User);
    set("Cmp", ComputerName); // only where ACT has the column
    set("Cas", QDateTime::currentDateTime());
    set("Id", dataSet.fieldByName(keyField)->asString());
    set("SfApp", QStringLiteral("I"));
    const QString organisation = LookupString(QStringLiteral("LB"), QStringLiteral("USR"),
                                              QStringLiteral("SFORG"), QStringLiteral("USR=") + QuotedUser());
    if (!organisation.isEmpty())
        set("SfOrg", organisation.toLongLong());
    for (const char *column : {"SfVp", "SfDog", "IdPog"}) {
        const Field *f = dataSet.findField(QLatin1String(column));
        if (f && !f->isNull())
            set(column, f->asInteger());
    }
    if (const Field *dan = dataSet.findField(QStringLiteral("Dan")); dan && !dan->isNull())
        set("Dan", dan->asDateTime());
    QString content;
    for (const Field *f : dataSet.fields())
        content += f->asString() + QStringLiteral("#|") + f->fieldName() + QStringLiteral("#|");
    set("Cnt", content);
    const qint64 id = GetNewId(QStringLiteral("IdAct"));
    try {
        set("IdAct", id);
    } catch (const std::exception &) {
        // The id is not essential to the row.
    }
    bAct.post();
}

void TD::PrepareSignatures(const QString &organisation)
{
    const QString left = ReportDir + QStringLiteral("Podpisnik_levi.bmp");
    const QString right = ReportDir + QStringLiteral("Podpisnik_desni.bmp");
    QFile::remove(left);
    QFile::remove(right);
    if (organisation.isEmpty())
        return;
    const QString leftSource =
        ReportDir + QStringLiteral("PodpisnikL_") + organisation + QStringLiteral(".bmp");
    const QString rightSource =
        ReportDir + QStringLiteral("PodpisnikD_") + organisation + QStringLiteral(".bmp");
    if (QFileInfo::exists(leftSource))
        QFile::copy(leftSource, left);
    if (QFileInfo::exists(rightSource))
        QFile::copy(rightSource, right);
}

QString TD::DeliveryCaption(const QString &code, QComboBox *dropDown)
{
    static const std::pair<const char *, const char *> items[] = {{"POSTA_DA", "Pošta - Pošlji"},
                                                                  {"POSTA_NE", "Pošta - Ne Pošlji"},
                                                                  {"EMAIL_DA", "Email - Pošlji"},
                                                                  {"EMAIL_NE", "Email - Ne Pošlji"}};
    QString caption;
    for (const auto &[value, text] : items) {
        if (dropDown)
            dropDown->addItem(QString::fromUtf8(text), QString::fromLatin1(value));
        if (code == QLatin1String(value))
            caption = QString::fromUtf8(text);
    }
    return caption;
}

void TD::ApplyFieldDictionary(DataSet &dataSet) const
{
    fld.apply(dataSet);
}

void TD::SaveAliasInfo()
{
    QStringList lines;
    for (const QString &line : DB.aliasParameters()) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const bool secret = eq > 0 && line.left(eq).contains(QLatin1String("PASSWORD"), Qt::CaseInsensitive);
        lines.append(secret ? line.left(eq + 1) + HiddenPassword : line);
    }
    lines.append(CommandLine);
    QFile file(ProgramFolder::file(QStringLiteral("Bde.txt")));
    if (!OpenLogFile(file, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw EInOutError(
            QStringLiteral("Ne morem pisati v datoteko %1: %2").arg(file.fileName(), file.errorString()));
    for (const QString &line : lines)
        file.write((line + QLatin1Char('\n')).toUtf8());
}

void TD::StartTransaction()
{
    DB.startTransaction();
}

void TD::Commit()
{
    DB.commit();
}

void TD::Rollback()
{
    DB.rollback();
}

void TD::UpdateReportFiles()
{
    const QString installDir = windowsPath(
        LookupString(QStringLiteral("LB"), QStringLiteral("INI"), QStringLiteral("InstallDir"), QString()));
    if (installDir.trimmed().isEmpty())
        return;
    QString folder = withSlash(installDir) + QStringLiteral("Update/");
    if (!QFileInfo(folder).isDir()) {
        QString parent = installDir;
        while (parent.endsWith(QLatin1Char('/')))
            parent.chop(1);
        folder = withSlash(QFileInfo(parent).path()) + QStringLiteral("Update/");
        if (!QFileInfo(folder).isDir())
            return;
    }
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        QCoreApplication::processEvents();
        const QString upper = entry.fileName().toUpper();
        if (upper == QLatin1String("RECYCLER") || upper == QLatin1String("RECYCLED") || entry.isDir())
            continue;
        CopyIfChanged(ReportDir + entry.fileName(), folder + entry.fileName());
    }
}

void TD::CopyIfChanged(const QString &local, const QString &server)
{
    const auto timeOf = [](const QString &path) {
        const QFileInfo info(path);
        return info.isReadable() ? info.lastModified() : QDateTime();
    };
    const QDateTime serverTime = timeOf(server);
    if (!serverTime.isValid())
        ShowError(QStringLiteral("Error reading server file timestamp.") + QLatin1Char('\r') + server);
    const bool localExists = QFileInfo::exists(local);
    QDateTime localTime;
    if (localExists) {
        localTime = timeOf(local);
        if (!localTime.isValid())
            ShowError(QStringLiteral("Error reading local file timestamp.") + QLatin1Char('\r') + local);
    }
    if (localExists && localTime.isValid() && localTime == serverTime)
        return;
    if (localExists) {
        QFile::setPermissions(local,
                              QFile::permissions(local) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        QFile::remove(local);
    }
    QFile source(server);
    if (!source.copy(local)) {
        ShowError(QStringLiteral("Error copying file ") + local + QLatin1Char('\r') + source.errorString());
        return;
    }
    // A copy keeps the server's time, so the next start sees the files as equal.
    QFile copied(local);
    if (serverTime.isValid() && copied.open(QIODevice::ReadWrite))
        copied.setFileTime(serverTime, QFileDevice::FileModificationTime);
}

QString TD::ReadFileVersion(const QString &key)
{
    constexpr int limit = 4096;
    if (VersionInfo::resourceSize() > limit)
        throw EError(QStringLiteral("Version resource exceeds %1 bytes !").arg(limit));
    return VersionInfo::value(key);
}
