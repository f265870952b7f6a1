// The report-object families of the print-job component against the
// project's engine library and the demo reports.

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "shell/DialogHook.h"
#include "tests/support/TestProgramFolder.h"

#include <QFile>
#include <QTest>

#include <memory>

class TestRpeFamilies : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void parametersAreListedTypedAndTakeValues();
    void parameterValueErrors_data();
    void parameterValueErrors();
    void formulasByIndexAndName();
    void selectionLinesAreSentAtOnce();
    void tablesNamesAliasesAndFields();
    void subreportsOpenTheirJobs();
    void connectReachesEveryTableAndTests();
    void reportObjectsAreCountedBySection();
    void reportWideRecords();
    void storedProcParamsOfANewEngineAskNothing();

private:
    std::unique_ptr<TRpe> openedJob(const QString &file);
    std::unique_ptr<TestProgramFolder> m_folder;
    QString m_parameters;
    QString m_certificate;
};

void TestRpeFamilies::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->openDatabase();

    QFile source(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/pogodbe_org.rpt")));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QString rpt = QString::fromUtf8(source.readAll());
    const QString anchor = QStringLiteral("  </parameters>");
    QVERIFY(rpt.contains(anchor));
    rpt.replace(anchor, QStringLiteral(
                            "    <parameter name=\"Znesek\" type=\"number\" prompt=\"Najmanjši znesek\" "
                            "multiple=\"true\"/>\n"
                            "    <parameter name=\"Obdobje\" type=\"date\" prompt=\"Obdobje\" "
                            "values=\"range\"/>\n"
                            "    <parameter name=\"Aktivne\" type=\"boolean\" prompt=\"Samo aktivne\"/>\n") +
                            anchor);
    m_parameters = m_folder->file(QStringLiteral("parametri.rpt"));
    m_folder->writeFile(QStringLiteral("parametri.rpt"), rpt);

    QFile certificate(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/potrdilo_nrc.rpt")));
    QVERIFY(certificate.open(QIODevice::ReadOnly));
    m_certificate = m_folder->file(QStringLiteral("potrdilo_nrc.rpt"));
    m_folder->writeFile(QStringLiteral("potrdilo_nrc.rpt"), QString::fromUtf8(certificate.readAll()));
}

void TestRpeFamilies::cleanup()
{
    DialogHook::clearShown();
}

// Failures are ignored and their number and text kept for the test.
static void ignoreErrors(TRpe &job, int &number, QString &text)
{
    job.OnError = [&number, &text](TRpe *, int n, const QString &t, TRpeErrorResult &result) {
        number = n;
        text = t;
        result = errIgnore;
    };
}

std::unique_ptr<TRpe> TestRpeFamilies::openedJob(const QString &file)
{
    std::unique_ptr<TRpe> job(TRpe::createLoaded(nullptr, [](TRpe &j) { j.setLoadEngineOnUse(false); }));
    job->setReportName(file);
    return job;
}

void TestRpeFamilies::parametersAreListedTypedAndTakeValues()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    TRpeParamFields *params = job->ParamFields();
    QCOMPARE(params->Count(), 4);
    QStringList names;
    QList<TRpeParamFieldType> types;
    for (int i = 0; i < params->Count(); ++i) {
        names << (*params)[i].Name();
        types << params->Item().ParamType();
    }
    QCOMPARE(names, (QStringList{"DatumDo", "Znesek", "Obdobje", "Aktivne"}));
    QCOMPARE(types, (QList<TRpeParamFieldType>{pfDate, pfNumber, pfDate, pfBoolean}));

    // A date written as year, month and day; the prompt value comes from the
    // report's default.
    params->setName(QStringLiteral("datumdo"));
    QCOMPARE(params->Item().PromptValue(), QStringLiteral("2026,12,31"));
    params->Item().setCurrentValue(QStringLiteral("2024,1,31"));
    (*params)[1];
    (*params)[0];
    QCOMPARE(params->Item().CurrentValue(), QStringLiteral("2024,01,31"));
    QVERIFY(!params->Item().ShowDialog());

    // Several current values of a multiple-value parameter.
    params->setName(QStringLiteral("Znesek"));
    TRpeParamCurrentValues &values = params->Item().CurrentValues();
    QCOMPARE(values.Add(QStringLiteral("100")), 0);
    QCOMPARE(values.Add(QStringLiteral("2500.5")), 1);
    values.setText(0, QStringLiteral("150"));
    QCOMPARE(values.Count(), 2);
    QCOMPARE(values.Text(0), QStringLiteral("150"));
    // Read back with the decimal comma the user side reads.
    QCOMPARE(values.Text(1), QStringLiteral("2500,5"));

    // A range-only parameter ignores CurrentValue and takes ranges.
    params->setName(QStringLiteral("Obdobje"));
    QCOMPARE(params->Item().Info().ValueType, vtRange);
    params->Item().setCurrentValue(QStringLiteral("2024,1,1"));
    QCOMPARE(params->Item().CurrentValues().Count(), 0);
    TRpeParamRanges &ranges = params->Item().Ranges();
    QCOMPARE(ranges.Add({QStringLiteral("2024,1,1"), QStringLiteral("2024,6,30"), IncludeStartOnly}), 0);
    const TRpeParamRange range = ranges.Range(0);
    QCOMPARE(range.RangeStart, QStringLiteral("2024,01,01"));
    QCOMPARE(range.RangeEnd, QStringLiteral("2024,06,30"));
    QCOMPARE(range.Bounds, IncludeStartOnly);

    // A boolean goes through the parameter record, not the value list.
    params->setName(QStringLiteral("Aktivne"));
    params->Item().setCurrentValue(QStringLiteral("True"));
    params->setName(QStringLiteral("Aktivne"));
    QCOMPARE(params->Item().CurrentValue(), QStringLiteral("True"));
    QCOMPARE(params->Item().CurrentValues().Add(QStringLiteral("False")), -1);
}

void TestRpeFamilies::parameterValueErrors_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("date in local form") << "DatumDo"
                                        << "31.1.2024" << 296;
    QTest::newRow("number with letters") << "Znesek"
                                         << "sto" << 292;
}

void TestRpeFamilies::parameterValueErrors()
{
    QFETCH(QString, parameter);
    QFETCH(QString, value);
    QFETCH(int, error);
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    int reported = 0;
    QString text;
    ignoreErrors(*job, reported, text);
    job->ParamFields()->setName(parameter);
    job->ParamFields()->Item().setCurrentValue(value);
    QCOMPARE(reported, error);
    QVERIFY2(text.endsWith(QStringLiteral("SetCurrentValue <StrToValueInfo>")), qPrintable(text));
}

void TestRpeFamilies::formulasByIndexAndName()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    TRpeFormulas *formulas = job->Formulas();
    QCOMPARE(formulas->Count(), 3);
    QCOMPARE((*formulas)[2].Name(), QStringLiteral("STRANKA"));
    // The formula placed on the report has its object properties.
    formulas->setName(QStringLiteral("podjetje"));
    QCOMPARE(formulas->Number(), 0);
    QCOMPARE(formulas->Item().Object().Section, QStringLiteral("RH"));
    QVERIFY(formulas->Item().Object().Width > 0);
    formulas->Item().setFormula({QStringLiteral("'Druga družba'")});
    QCOMPARE(formulas->Item().Formula(), QStringList{QStringLiteral("'Druga družba'")});

    int reported = 0;
    QString text;
    ignoreErrors(*job, reported, text);
    formulas->setName(QStringLiteral("NI_TAKE"));
    QCOMPARE(reported, 120);
    QCOMPARE(text, QStringLiteral("Lookup item not found - Formulas.Name := NI_TAKE"));
}

void TestRpeFamilies::selectionLinesAreSentAtOnce()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    QVERIFY(job->OpenPrintJob());
    TRpeSelection *selection = job->Selection();
    QCOMPARE(selection->Formula(), QStringList{QStringLiteral("{POG.DAN} <= {?DatumDo}")});
    selection->Add(QStringLiteral(" and {POG.SFORG} = 1"));
    // A fresh read comes from the engine, which has the whole formula.
    QCOMPARE(selection->Formula(), (QStringList{QStringLiteral("{POG.DAN} <= {?DatumDo}"),
                                                QStringLiteral(" and {POG.SFORG} = 1")}));
    selection->Clear();
    QVERIFY(selection->Formula().isEmpty());
}

void TestRpeFamilies::tablesNamesAliasesAndFields()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    TRpeTables *tables = job->Tables();
    QCOMPARE(tables->Count(), 3);
    QCOMPARE((*tables)[1].Name(), QStringLiteral("OSB"));
    QCOMPARE(tables->IndexOfAliasName(QStringLiteral("org")), 2);
    QCOMPARE(tables->Number(), 1);

    // An owner prefix is written unchanged, and dropping it writes the bare
    // name: that is how the run window cuts schema prefixes.
    (*tables)[0].setName(QStringLiteral("OVO.POG"));
    (*tables)[1];
    QCOMPARE((*tables)[0].Name(), QStringLiteral("OVO.POG"));
    tables->Item().setName(QStringLiteral("POG"));
    (*tables)[1];
    QCOMPARE((*tables)[0].Name(), QStringLiteral("POG"));

    TRpeTableFields &fields = tables->Item().Fields();
    QVERIFY(fields.Count() > 3);
    QStringList names;
    for (int i = 0; i < fields.Count(); ++i)
        names << fields[i].FieldName().toUpper();
    QVERIFY2(names.contains(QStringLiteral("IDPOG")), qPrintable(names.join(',')));
}

void TestRpeFamilies::subreportsOpenTheirJobs()
{
    std::unique_ptr<TRpe> job = openedJob(m_certificate);
    TRpeSubreports *subreports = job->Subreports();
    QCOMPARE(subreports->Count(), 2);
    const int16_t main = job->JobNumber();
    subreports->select(1);
    QCOMPARE(subreports->Name(), QStringLiteral("Narocila"));
    QVERIFY(job->JobNumber() != main);
    QVERIFY(job->JobNumber() > 0);
    QCOMPARE(job->PrintJobCount(), 2);
    // The subreport's own tables.
    QCOMPARE(job->Tables()->Count(), 2);
    QCOMPARE((*job->Tables())[0].Name(), QStringLiteral("NRC"));
    subreports->select(0);
    QCOMPARE(job->JobNumber(), main);
    QCOMPARE(job->Tables()->Count(), 2);
    QCOMPARE((*job->Tables())[0].Name(), QStringLiteral("REPORT_SQL"));

    job->ClosePrintJob();
    QCOMPARE(job->PrintJobCount(), 0);
    QVERIFY(!job->JobIsOpen());
}

void TestRpeFamilies::connectReachesEveryTableAndTests()
{
    std::unique_ptr<TRpe> job = openedJob(m_certificate);
    TRpeConnect *connect = job->Connect();
    connect->setPropagate(true);
    connect->setServerName(QStringLiteral("LB"));
    connect->setUserID(QStringLiteral("ovo"));
    QVERIFY2(connect->Test(), qPrintable(job->LastErrorString()));
    QCOMPARE(connect->UserID(), QStringLiteral("ovo"));
    // The subreport's tables got the log-on too.
    job->Subreports()->select(1);
    QCOMPARE(job->LogOnInfo()->Count(), 2);
    (*job->LogOnInfo())[1];
    QCOMPARE(job->LogOnInfo()->UserID(), QStringLiteral("ovo"));
    job->Subreports()->select(0);

    // A server the program does not know fails the test; the error stays
    // readable whatever the error routine decided.
    job->OnError = [](TRpe *, int, const QString &, TRpeErrorResult &result) { result = errRaise; };
    connect->setServerName(QStringLiteral("NI_STREZNIKA"));
    QVERIFY(!connect->Test());
    QVERIFY(job->LastErrorNumber() > 0);
    QVERIFY2(job->LastErrorString().contains(QStringLiteral("NI_STREZNIKA")),
             qPrintable(job->LastErrorString()));
}

void TestRpeFamilies::reportObjectsAreCountedBySection()
{
    std::unique_ptr<TRpe> job = openedJob(m_certificate);
    // The main report's own texts; the subreport's are not among them.
    QCOMPARE(job->TextObjects()->Count(), 6);
    QVERIFY(job->Lines()->Count() >= 1);
    QCOMPARE(job->Graphs()->Count(), 0);
    (*job->TextObjects())[0];
    QCOMPARE(job->TextObjects()->Section(), QStringLiteral("PH"));

    int reported = 0;
    QString text;
    ignoreErrors(*job, reported, text);
    (*job->Graphs())[0];
    QCOMPARE(reported, 116);
}

void TestRpeFamilies::reportWideRecords()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    QVERIFY(job->OpenPrintJob());
    TRpeSummaryInfo *summary = job->SummaryInfo();
    QCOMPARE(summary->text(TRpeSummaryInfo::Title), QStringLiteral("Pogodbe po organizacijskih enotah"));
    summary->setText(TRpeSummaryInfo::Author, QStringLiteral("Računovodstvo"));
    QCOMPARE(summary->text(TRpeSummaryInfo::Author), QStringLiteral("Računovodstvo"));

    TRpeReportOptions *options = job->ReportOptions();
    options->setValue(TRpeReportOptions::VerifyOnEveryPrint, 1);
    QCOMPARE(options->value(TRpeReportOptions::VerifyOnEveryPrint), 1);

    TRpeSectionSize *size = job->SectionSize();
    size->setSection(QStringLiteral("PH"));
    QVERIFY(size->Height() > 0);
    size->setHeight(600);
    QCOMPARE(size->Height(), 600);

    TRpeSectionFormat *format = job->SectionFormat();
    format->setSection(QStringLiteral("PH"));
    QVERIFY(!format->value(TRpeFormatBase::Suppress));
    format->setValue(TRpeFormatBase::Suppress, true);
    QVERIFY(format->value(TRpeFormatBase::Suppress));
    TRpeAreaFormat *area = job->AreaFormat();
    area->setArea(QStringLiteral("GH1"));
    QCOMPARE(area->NSections(), 1);
    TRpeSectionFont *font = job->SectionFont();
    font->Section = QStringLiteral("D");
    font->Name = QStringLiteral("DejaVu Sans");
    font->Size = 8;
    QVERIFY(font->Send());

    TRpeLogOnServer *servers = job->LogOnServer();
    QCOMPARE(servers->Add({QStringLiteral("LB"), QStringLiteral("ovo"), QString(), QString(),
                           QStringLiteral("rpedb"), true}),
             0);
    servers->setNumber(0);
    QCOMPARE(servers->Item().ServerName, QStringLiteral("LB"));
    QVERIFY(servers->LogOff());
    QVERIFY(!servers->Item().LoggedOn);

    // Sessions are a feature the engine does not have: it says so.
    int reported = 0;
    QString text;
    ignoreErrors(*job, reported, text);
    QCOMPARE(job->SessionInfo()->Count(), 3);
    job->SessionInfo()->setNumber(0);
    QCOMPARE(job->SessionInfo()->Number(), -1);
    QCOMPARE(reported, RPE_ERR_NOT_AVAILABLE);
    QVERIFY2(text.contains(QStringLiteral("SessionInfo.SetIndex <RpeGetNthTableSessionInfo>")),
             qPrintable(text));
}

QTEST_MAIN(TestRpeFamilies)
#include "tst_rpefamilies.moc"

void TestRpeFamilies::storedProcParamsOfANewEngineAskNothing()
{
    std::unique_ptr<TRpe> job = openedJob(m_parameters);
    QVERIFY(job->OpenPrintJob());
    QCOMPARE(RpeDynamic::RpeMajor, 8);
    int reported = 0;
    QString text;
    ignoreErrors(*job, reported, text);
    // The engine has no stored-procedure calls after 6: none, and no gate box.
    QCOMPARE(job->StoredProcParams()->Count(), 0);
    job->StoredProcParams()->setNumber(0);
    QCOMPARE(job->StoredProcParams()->Number(), -1);
    QCOMPARE(reported, 116);
    QCOMPARE(text, QStringLiteral("Subscript out of range - StoredProcParams.SetIndex(0)"));
    QCOMPARE(DialogHook::shown(), QList<ShownDialog>());
}
