-- Every table of the report runner, in portable SQL (on the embedded database dates are ISO text).

-- application users: person and organisational unit of each login
CREATE TABLE USR (
    USR         VARCHAR(20)  NOT NULL,
    SFOSB       INTEGER,
    SFORG       INTEGER,
    OPIS        VARCHAR(100),
    AKT         CHAR(1),
    PRIMARY KEY (USR)
);

-- persons and companies (clients, employees, brokers), SFOSB 2 is the company itself
CREATE TABLE OSB (
    SFOSB       INTEGER      NOT NULL,
    IME         VARCHAR(50),
    NZV         VARCHAR(100),
    NSL         VARCHAR(100),
    PST         VARCHAR(10),
    MST         VARCHAR(50),
    SFDRZ       VARCHAR(2),
    DVS         VARCHAR(20),
    DZ          CHAR(1),
    MTS         VARCHAR(20),
    ROJ         DATE,
    TEL         VARCHAR(30),
    FAX         VARCHAR(30),
    EML         VARCHAR(100),
    EMAIL       VARCHAR(100),
    ZRR         VARCHAR(40),
    PRIMARY KEY (SFOSB)
);
CREATE INDEX IX_OSB_NZV ON OSB (NZV);

-- organisational units, SFORG also names the signature images PodpisnikL_<SFORG>.bmp
CREATE TABLE ORG (
    SFORG       INTEGER      NOT NULL,
    KRT         VARCHAR(10),
    NZV         VARCHAR(100),
    NSL         VARCHAR(100),
    PST         VARCHAR(10),
    MST         VARCHAR(50),
    DVS         VARCHAR(20),
    MTS         VARCHAR(20),
    TEL         VARCHAR(30),
    FAX         VARCHAR(30),
    EML         VARCHAR(100),
    ZRR         VARCHAR(40),
    DIREKTOR    VARCHAR(100),
    PODPISNIKL  VARCHAR(100),
    PODPISNIKD  VARCHAR(100),
    PRIMARY KEY (SFORG)
);

-- catalogue of right codes ('090' catalogue entry, '220' report withheld)
CREATE TABLE SFRGT (
    SFRGT       VARCHAR(3)   NOT NULL,
    NZV         VARCHAR(100),
    PRIMARY KEY (SFRGT)
);

-- rights granted to single users
CREATE TABLE RGT (
    IDRGT       INTEGER      NOT NULL,
    USR         VARCHAR(20)  NOT NULL,
    SFRGT       VARCHAR(3)   NOT NULL,
    PRIMARY KEY (IDRGT)
);
CREATE INDEX IX_RGT_USR ON RGT (USR, SFRGT);

-- user groups
CREATE TABLE GRP (
    IDGRP       INTEGER      NOT NULL,
    NZV         VARCHAR(100),
    PRIMARY KEY (IDGRP)
);

-- membership of users in groups
CREATE TABLE GRPUSR (
    IDGRP       INTEGER      NOT NULL,
    USR         VARCHAR(20)  NOT NULL,
    PRIMARY KEY (IDGRP, USR)
);
CREATE INDEX IX_GRPUSR_USR ON GRPUSR (USR);

-- rights granted to groups
CREATE TABLE GRPRGT (
    IDGRP       INTEGER      NOT NULL,
    SFRGT       VARCHAR(3)   NOT NULL,
    PRIMARY KEY (IDGRP, SFRGT)
);

-- data-level rights of users (right '220': IDDATA is a withheld report id)
CREATE TABLE RGTUSRDATA (
    USR         VARCHAR(20)  NOT NULL,
    SFRGT       VARCHAR(3)   NOT NULL,
    IDDATA      VARCHAR(30)  NOT NULL,
    PRIMARY KEY (USR, SFRGT, IDDATA)
);

-- data-level rights of groups
CREATE TABLE RGTGRPDATA (
    IDGRP       INTEGER      NOT NULL,
    SFRGT       VARCHAR(3)   NOT NULL,
    IDDATA      VARCHAR(30)  NOT NULL,
    PRIMARY KEY (IDGRP, SFRGT, IDDATA)
);

-- installation data: InstallDir of the first row is the distribution folder on the server
CREATE TABLE INI (
    InstallDir  VARCHAR(255)
);

-- id names served by database sequences
CREATE TABLE OVOSEQ (
    IdName      VARCHAR(50)  NOT NULL,
    SeqName     VARCHAR(80)  NOT NULL,
    PRIMARY KEY (IdName)
);

-- counters of id names without a sequence, kept in the row Id = 1
CREATE TABLE ID (
    Id          INTEGER      NOT NULL,
    IdRptHst    INTEGER,
    IdRptPog    INTEGER,
    PRIMARY KEY (Id)
);

-- activity log: one row per created, changed or deleted record and per report job
CREATE TABLE ACT (
    IdAct       INTEGER      NOT NULL,
    SfAct       CHAR(1),
    Db          VARCHAR(30),
    Tbl         VARCHAR(30),
    Usr         VARCHAR(20),
    Cmp         VARCHAR(64),
    Cas         TIMESTAMP,
    Id          VARCHAR(50),
    SfApp       CHAR(1),
    SfOrg       INTEGER,
    SfVp        INTEGER,
    SfDog       INTEGER,
    IdPog       INTEGER,
    Dan         DATE,
    Cnt         TEXT,
    PRIMARY KEY (IdAct)
);
CREATE INDEX IX_ACT_TBL ON ACT (Tbl, Id);

-- activity ids, and the archive ids registered in OVOSEQ
CREATE SEQUENCE ACT_IDACT_SEQ START WITH 1;
CREATE SEQUENCE RPTHST_SEQ START WITH 1;

-- key counters with optional prefix and suffix (also the translation counters)
CREATE TABLE s_kljuci (
    idkljuc     VARCHAR(50)  NOT NULL,
    stevec      INTEGER,
    Tip         VARCHAR(1),
    Viden       INTEGER,
    Predpona    VARCHAR(20),
    Pripona     VARCHAR(20),
    PRIMARY KEY (idkljuc)
);

-- report categories, each belonging to one program of the suite
CREATE TABLE KATEGORIJE (
    ID_KATEGORIJA   INTEGER      NOT NULL,
    OPIS_KATEGORIJE VARCHAR(100),
    PROGRAM         VARCHAR(30),
    PRIMARY KEY (ID_KATEGORIJA)
);
CREATE INDEX IX_KATEGORIJE_PROGRAM ON KATEGORIJE (PROGRAM);

-- reports: engine report file or SQL report, preparatory script and extra filter
CREATE TABLE POROCILA (
    ID_POROCILA     INTEGER      NOT NULL,
    ID_KATEGORIJA   INTEGER,
    STEVILKA_POR    INTEGER,
    NASLOV_POR      VARCHAR(200),
    DATOTEKA_POR    VARCHAR(255),
    OPIS_POROCILA   VARCHAR(2000),
    FILTER_POROCILA VARCHAR(2000),
    PRIMARY KEY (ID_POROCILA)
);
CREATE INDEX IX_POROCILA_KAT ON POROCILA (ID_KATEGORIJA, STEVILKA_POR);

-- report parameters, a report that still has parameters cannot be deleted
CREATE TABLE POROCILA_PAR (
    ID_PARAMETRA    INTEGER      NOT NULL,
    ID_POROCILA     INTEGER      NOT NULL,
    POLJE           VARCHAR(255),
    NASLOV_PAR      VARCHAR(200),
    PREVERI         INTEGER,
    PRIVZETO        VARCHAR(255),
    VIDNO           INTEGER,
    TIP_PAR         CHAR(1),
    TIP_PODATKA     CHAR(1),
    SORTIRANJE      INTEGER,
    KLJUC           CHAR(1),
    TABELA          VARCHAR(100),
    POLJEKLJUC      VARCHAR(100),
    TIPKLJUC        CHAR(1),
    POLJEOPIS       VARCHAR(255),
    TIPOPIS         CHAR(1),
    SOURCE          CHAR(1),
    FILTER          VARCHAR(1000),
    TIPISKANJA      CHAR(1),
    PRIMARY KEY (ID_PARAMETRA),
    FOREIGN KEY (ID_POROCILA) REFERENCES POROCILA (ID_POROCILA)
);
CREATE INDEX IX_POROCILA_PAR_POR ON POROCILA_PAR (ID_POROCILA, SORTIRANJE);

-- work table of the preparatory scripts: rows tagged with the computer name, named and generic columns
CREATE TABLE REPORT_SQL (
    COMPUTER    VARCHAR(64)  NOT NULL,
    ID_POROCILA INTEGER,
    INTID       INTEGER,
    IDPOG       INTEGER,
    SFOSB       INTEGER,
    SFORG       INTEGER,
    SFVP        INTEGER,
    SFDJV       CHAR(1),
    DAN         DATE,
    DANOD       DATE,
    DANDO       DATE,
    NZV         VARCHAR(200),
    IME         VARCHAR(100),
    NSL         VARCHAR(100),
    PST         VARCHAR(10),
    MST         VARCHAR(50),
    KRT         VARCHAR(50),
    OPIS        VARCHAR(255),
    KONTO       VARCHAR(20),
    LOT         NUMERIC(18,4),
    TCJ         NUMERIC(18,6),
    ZNS         NUMERIC(18,2),
    ZNSVLT      NUMERIC(18,2),
    KONTROLA    VARCHAR(20),
    KLJUCDPK    VARCHAR(20),
    TXT1        VARCHAR(255),
    TXT2        VARCHAR(255),
    TXT3        VARCHAR(255),
    TXT4        VARCHAR(255),
    TXT5        VARCHAR(255),
    TXT6        VARCHAR(255),
    TXT7        VARCHAR(255),
    TXT8        VARCHAR(255),
    TXT9        VARCHAR(255),
    TXT10       VARCHAR(255),
    NUM1        NUMERIC(18,4),
    NUM2        NUMERIC(18,4),
    NUM3        NUMERIC(18,4),
    NUM4        NUMERIC(18,4),
    NUM5        NUMERIC(18,4),
    NUM6        NUMERIC(18,4),
    NUM7        NUMERIC(18,4),
    NUM8        NUMERIC(18,4),
    NUM9        NUMERIC(18,4),
    NUM10       NUMERIC(18,4),
    INT1        INTEGER,
    INT2        INTEGER,
    INT3        INTEGER,
    INT4        INTEGER,
    INT5        INTEGER,
    DAT1        DATE,
    DAT2        DATE,
    DAT3        DATE,
    DAT4        DATE,
    DAT5        DATE
);
CREATE INDEX IX_REPORT_SQL_COMPUTER ON REPORT_SQL (COMPUTER, INTID);

-- business activities of contracts
CREATE TABLE DJV (
    SFDJV       CHAR(1)      NOT NULL,
    NZV         VARCHAR(100),
    PRIMARY KEY (SFDJV)
);

-- currencies (SFVLT is the numeric ISO code as text, KRT the letter code)
CREATE TABLE VLT (
    SFVLT       VARCHAR(3)   NOT NULL,
    KRT         VARCHAR(3),
    NZV         VARCHAR(100),
    PRIMARY KEY (SFVLT)
);

-- exchange rates by day and rate list (SFVLN '0' = middle rate), rate = TCJ / STV
CREATE TABLE VLN (
    IDVLN       INTEGER      NOT NULL,
    DAN         DATE         NOT NULL,
    SFVLN       VARCHAR(2)   NOT NULL,
    SFVLT       VARCHAR(3)   NOT NULL,
    TCJ         NUMERIC(18,6),
    STV         INTEGER,
    PRIMARY KEY (IDVLN)
);
CREATE INDEX IX_VLN_VLT_DAN ON VLN (SFVLT, SFVLN, DAN);
CREATE INDEX IX_VLN_DAN ON VLN (DAN);

-- securities and money instruments
CREATE TABLE SFVP (
    SFVP        INTEGER      NOT NULL,
    KRT         VARCHAR(20),
    NZV         VARCHAR(100),
    SFVLTNMN    VARCHAR(3),
    NOMINALA    NUMERIC(18,4),
    PRIMARY KEY (SFVP)
);

-- daily price list of securities
CREATE TABLE TCN (
    IDTCN       INTEGER      NOT NULL,
    SFVP        INTEGER      NOT NULL,
    DAN         DATE         NOT NULL,
    TCJ         NUMERIC(18,6),
    TCJMIN      NUMERIC(18,6),
    TCJMAX      NUMERIC(18,6),
    TCJBID      NUMERIC(18,6),
    TCJOFF      NUMERIC(18,6),
    LOT         NUMERIC(18,4),
    PRIMARY KEY (IDTCN)
);
CREATE INDEX IX_TCN_DAN ON TCN (DAN);
CREATE INDEX IX_TCN_VP_DAN ON TCN (SFVP, DAN);

-- accounting periods, DAN is the first day of the period
CREATE TABLE OBD (
    IDOBD       INTEGER      NOT NULL,
    DAN         DATE         NOT NULL,
    OPIS        VARCHAR(50),
    ZPR         CHAR(1),
    PRIMARY KEY (IDOBD)
);
CREATE INDEX IX_OBD_DAN ON OBD (DAN);

-- current (last closed) accounting period per activity
CREATE TABLE ZDN (
    SFDJV       CHAR(1)      NOT NULL,
    IDOBD       INTEGER,
    DAN         DATE,
    PRIMARY KEY (SFDJV)
);

-- euro changeover periods: 'ES' euro start, 'EE' end of dual display
CREATE TABLE EUROOBD (
    OZNAKA      VARCHAR(2)   NOT NULL,
    OPIS        VARCHAR(100),
    DANOD       DATE,
    DANDO       DATE,
    SfVPFrom    INTEGER,
    SfVPTo      INTEGER,
    TECAJ       NUMERIC(18,6),
    PRIMARY KEY (OZNAKA)
);

-- document texts per organisational unit, read in pieces by the F_PDB_ formulas
CREATE TABLE PDB (
    SFORG       INTEGER      NOT NULL,
    GLAVA       VARCHAR(1000),
    NOGA        VARCHAR(1000),
    OPOMBA      VARCHAR(2000),
    POUK        VARCHAR(2000),
    PRIMARY KEY (SFORG)
);

-- contracts
CREATE TABLE POG (
    IDPOG       INTEGER      NOT NULL,
    STPOG       VARCHAR(20),
    NZV         VARCHAR(150),
    SFOSB       INTEGER,
    SFDJV       CHAR(1),
    SFORG       INTEGER,
    SFBRK       VARCHAR(10),
    DAN         DATE,
    DANKNZ      DATE,
    KRTKDD      VARCHAR(10),
    TXTNSL      VARCHAR(400),
    SFVLT       VARCHAR(3),
    ZNS         NUMERIC(18,2),
    PRIMARY KEY (IDPOG)
);
CREATE INDEX IX_POG_SFOSB ON POG (SFOSB);
CREATE INDEX IX_POG_DJV_DAN ON POG (SFDJV, DAN);

-- markets
CREATE TABLE TRG (
    SFTRG       INTEGER      NOT NULL,
    NZV         VARCHAR(100),
    PRIMARY KEY (SFTRG)
);

-- brokers (the person behind each broker code)
CREATE TABLE BRK (
    SFBRK       VARCHAR(10)  NOT NULL,
    SFOSB       INTEGER,
    LICENCA     VARCHAR(20),
    PRIMARY KEY (SFBRK)
);

-- code lists: kind SSF, code SIF, name NZV
CREATE TABLE SIF (
    SSF         VARCHAR(10)  NOT NULL,
    SIF         VARCHAR(10)  NOT NULL,
    NZV         VARCHAR(100),
    PRIMARY KEY (SSF, SIF)
);

-- client orders executed under a contract (rows of the order confirmations)
CREATE TABLE NRC (
    IDNRC       INTEGER      NOT NULL,
    IDPOG       INTEGER      NOT NULL,
    STNRC       INTEGER,
    DAN         DATE,
    SPR         TIMESTAMP,
    STN         TIMESTAMP,
    DOGNRC      CHAR(1),
    SFSNR       CHAR(1),
    SFTRG       INTEGER,
    SFNRC       VARCHAR(2),
    SFVP        INTEGER,
    LOT         NUMERIC(18,4),
    SFNRCTCJ    VARCHAR(2),
    SFGLVENT    CHAR(1),
    GLVTCJ      NUMERIC(18,6),
    SFNRCPGJ    VARCHAR(2),
    LOTMIN      NUMERIC(18,4),
    SFNRCTRM    VARCHAR(2),
    ROK         DATE,
    SFDJV       CHAR(1),
    SFBRK       VARCHAR(10),
    SFPRO       VARCHAR(2),
    SFPRI       VARCHAR(2),
    BESTEXEC    VARCHAR(2),
    LOTZPR      NUMERIC(18,4),
    NVD         VARCHAR(200),
    PRIMARY KEY (IDNRC)
);
CREATE INDEX IX_NRC_POG ON NRC (IDPOG, DAN);
CREATE INDEX IX_NRC_DAN ON NRC (DAN);

-- report kinds of the automatic preparation
CREATE TABLE RPT_OBDELAVE (
    IDREPORT    INTEGER      NOT NULL,
    OPIS        VARCHAR(100),
    RPT_FILE    VARCHAR(255),
    SQL_FILE    VARCHAR(255),
    GENRPT      CHAR(1),
    SAVEPDF     CHAR(1),
    VRSTA       VARCHAR(20),
    PRIMARY KEY (IDREPORT)
);

-- contract query of each report kind (placeholders %DANOD%, %DANDO%, %SFDJV%)
CREATE TABLE RPT_SQL (
    IDREPORT    INTEGER      NOT NULL,
    SQL_QUERY   VARCHAR(4000),
    PRIMARY KEY (IDREPORT)
);

-- per-computer settings of the automatic preparation
CREATE TABLE RPT_SETTINGS (
    COMPUTER    VARCHAR(64)  NOT NULL,
    NAME        VARCHAR(50)  NOT NULL,
    VALUE       VARCHAR(255),
    PRIMARY KEY (COMPUTER, NAME)
);

-- delivery instructions per contract and report kind
CREATE TABLE RPT_POG (
    IDRPTPOG    INTEGER      NOT NULL,
    IDREPORT    INTEGER,
    IDPOG       INTEGER,
    VRSTA       VARCHAR(20),
    NAVODILO    VARCHAR(10),
    EMAIL       VARCHAR(200),
    EMAIL1      VARCHAR(200),
    EMAIL2      VARCHAR(200),
    AKT         CHAR(1),
    PRIMARY KEY (IDRPTPOG)
);
CREATE INDEX IX_RPT_POG_POG ON RPT_POG (IDPOG, IDREPORT, NAVODILO);

-- archive of prepared documents (zipped PDF), one row per kind, day, contract and reference
CREATE TABLE RPTHST (
    IDRPTHST    INTEGER      NOT NULL,
    IDREPORT    INTEGER,
    IDPOG       INTEGER,
    DAN         DATE,
    REFSTR      VARCHAR(50),
    DATATYPE    VARCHAR(10),
    CREATEDATE  TIMESTAMP,
    FILEDATA    BLOB,
    PRIMARY KEY (IDRPTHST)
);
CREATE INDEX IX_RPTHST_KEY ON RPTHST (IDREPORT, IDPOG, DAN, REFSTR);

-- translated forms: one row per program and form
CREATE TABLE PREVOD_FORME (
    ID_PREVODA  INTEGER      NOT NULL,
    FORMNAME    VARCHAR(100),
    PROGRAMNAME VARCHAR(50),
    DT_CHANGE   TIMESTAMP,
    PRIMARY KEY (ID_PREVODA)
);
CREATE INDEX IX_PREVOD_FORME_NAME ON PREVOD_FORME (PROGRAMNAME, FORMNAME);

-- source texts of a translated form by text key
CREATE TABLE PREVOD_ORG (
    ID_PREVODA    INTEGER,
    ID_PREVOD_ORG INTEGER     NOT NULL,
    NAME          VARCHAR(200),
    ORGTEXT       VARCHAR(1000),
    PRIMARY KEY (ID_PREVOD_ORG)
);
CREATE INDEX IX_PREVOD_ORG_FORM ON PREVOD_ORG (ID_PREVODA, NAME);

-- translations of the source texts per language
CREATE TABLE PREVOD_DATA (
    ID_PREVODA     INTEGER,
    ID_PREVOD_ORG  INTEGER,
    ID_PREVOD_DATA INTEGER    NOT NULL,
    NAME           VARCHAR(200),
    TRANSLTEXT     VARCHAR(1000),
    TRANSLATED     CHAR(1),
    KODA_JEZIKA    VARCHAR(10),
    PRIMARY KEY (ID_PREVOD_DATA)
);
CREATE INDEX IX_PREVOD_DATA_FORM ON PREVOD_DATA (ID_PREVODA, NAME, KODA_JEZIKA);
CREATE INDEX IX_PREVOD_DATA_ORG ON PREVOD_DATA (ID_PREVOD_ORG);

-- translation languages
CREATE TABLE PREVOD_JEZIKI (
    KODA_JEZIKA VARCHAR(10)  NOT NULL,
    OPIS        VARCHAR(100),
    PRIMARY KEY (KODA_JEZIKA)
);
