-- Tables of the workstation database.
--
-- Conventions:
--  * keys drawn from generators are stored as the decimal text of the value
--    (VARCHAR(20) leaves room for site-range values such as 1200000001),
--    IDNTF.CLNT_ID is VARCHAR(8), ADR.ADR_ID, LS.LS_ID and LS.KOD_SRV VARCHAR(16),
--  * amounts are NUMERIC(18,2), percentages NUMERIC(9,4),
--  * times of day are "HH:MM:SS" text, VARCHAR(8),
--  * one-character flags are VARCHAR(1) (no blank padding, so an empty string stays empty)
--  * EXT_ID is the identifier of the row on the central server (NULL = not sent yet),
--    RP_KOD the number of the replication message that last carried the row.
--  * no foreign keys: replication and transfer files write rows in any order.
-- The column order of the replicated tables matters: site-to-site messages are
-- written as UPDATE OR INSERT INTO <table> VALUES (...) without a column list.

/* ---------------------------------------------------------------- payments */

CREATE TABLE PAYMENTS (
  UID         VARCHAR(20) NOT NULL,
  NDOC        VARCHAR(30),
  SUM_PRIH    NUMERIC(18,2),
  DAT         DATE,
  TIM         VARCHAR(8),
  OPER_NOM    VARCHAR(20),
  SMENA_NOM   VARCHAR(20),
  PODR        VARCHAR(10),
  KOD_SRV     VARCHAR(16),
  COM_UID     VARCHAR(20),
  COM_TYPE    VARCHAR(1),
  FR_UID      VARCHAR(20),
  ACQ_ID      BIGINT,
  CLNT_ID     VARCHAR(8),
  LS_ID       VARCHAR(16),
  FIO         VARCHAR(255),
  F           VARCHAR(60),
  I           VARCHAR(60),
  O           VARCHAR(60),
  ADR         VARCHAR(500),
  ADR_SRC     VARCHAR(500),
  AB_NOM      VARCHAR(50),
  PHONE       VARCHAR(30),
  BARCD_NUM   VARCHAR(50),
  BARCODE     VARCHAR(255),
  MES         VARCHAR(50),
  EXP_DATE    DATE,
  CNTR1       VARCHAR(20),
  CNTR2       VARCHAR(20),
  CNTR3       VARCHAR(20),
  CNTR4       VARCHAR(20),
  CNTR5       VARCHAR(20),
  CNTR6       VARCHAR(20),
  CNTR7       VARCHAR(20),
  CNTR8       VARCHAR(20),
  CNTR9       VARCHAR(20),
  CNTR10      VARCHAR(20),
  CNT         VARCHAR(20),
  EXP1        VARCHAR(255),
  EXP2        VARCHAR(255),
  EXP3        VARCHAR(255),
  EXP4        VARCHAR(255),
  EXP5        VARCHAR(255),
  EXP6        VARCHAR(255),
  EXP7        VARCHAR(255),
  EXP8        VARCHAR(500),
  EXP9        VARCHAR(255),
  EXP10       VARCHAR(255),
  PMNT_CM     VARCHAR(500),
  PMNT_QNT    VARCHAR(20),
  SERKV       VARCHAR(20),
  PRNSTAT     VARCHAR(20),
  TRANS       VARCHAR(100),
  EXP_UID     BIGINT,
  EXP_UID1    BIGINT,
  RS_EXP_ID   BIGINT,
  EXT_ID      VARCHAR(20),
  RP_KOD      BIGINT,
  CONSTRAINT PK_PAYMENTS PRIMARY KEY (UID)
);

-- budget payment details of a payment (key = PAYMENTS.UID)
CREATE TABLE PP (
  UID         VARCHAR(20) NOT NULL,
  KOD_ORG     VARCHAR(20),
  NOM_PP      BIGINT,
  STATPLAT    VARCHAR(5),
  KBK         VARCHAR(25),
  OKATO       VARCHAR(20),
  OSNPLAT     VARCHAR(5),
  NALPRD      VARCHAR(20),
  DATAND      VARCHAR(20),
  TIPNP       VARCHAR(5),
  N_PLAT      VARCHAR(500),
  DATASP      VARCHAR(20),
  INN         VARCHAR(20),
  LS          VARCHAR(50),
  UIP         VARCHAR(30),
  EXT_ID      VARCHAR(20),
  RP_KOD      BIGINT,
  CONSTRAINT PK_PP PRIMARY KEY (UID)
);

-- printed receipts, SM and COM are text with two decimals
CREATE TABLE FR (
  FR_UID      VARCHAR(20) NOT NULL,
  TXT         VARCHAR(255),
  TXT1        BLOB SUB_TYPE TEXT,
  RASP        BLOB SUB_TYPE TEXT,
  SM          VARCHAR(20),
  COM         VARCHAR(20),
  RCPT        VARCHAR(1),
  ERR         VARCHAR(10),
  EMAIL       VARCHAR(100),
  PODR        VARCHAR(10),
  CHECK2      VARCHAR(10),
  DAT         DATE,
  TIM         VARCHAR(8),
  OPER_NOM    VARCHAR(20),
  EXT_ID      VARCHAR(20),
  RP_KOD      BIGINT,
  CONSTRAINT PK_FR PRIMARY KEY (FR_UID)
);

-- card transactions, every value as the pinpad server returned it
CREATE TABLE ACQUIRING (
  ID               BIGINT NOT NULL,
  CHEQUE           BLOB SUB_TYPE TEXT,
  AMOUNTCLEAR      VARCHAR(20),
  AMOUNT           VARCHAR(20),
  CARDNAME         VARCHAR(50),
  CARDTYPE         VARCHAR(50),
  TRXDATE          VARCHAR(20),
  TRXTIME          VARCHAR(20),
  TERMNUM          VARCHAR(50),
  MERCHNUM         VARCHAR(50),
  AUTHCODE         VARCHAR(50),
  RRN              VARCHAR(50),
  MERCHANTTSN      VARCHAR(50),
  MERCHANTBATCHNUM VARCHAR(50),
  CLIENTCARD       VARCHAR(50),
  CLIENTEXPIRYDATE VARCHAR(20),
  PODR             VARCHAR(10),
  EXT_ID           VARCHAR(20),
  CONSTRAINT PK_ACQUIRING PRIMARY KEY (ID)
);

-- receipt reprints
CREATE TABLE REPPRN (
  ID          BIGINT NOT NULL,
  UID         VARCHAR(20),
  OPER_NOM    VARCHAR(20),
  SM          VARCHAR(20),
  CONSTRAINT PK_REPPRN PRIMARY KEY (ID)
);

-- templates of budget payment details
CREATE TABLE PMNT_TMP (
  ID          BIGINT NOT NULL,
  NM          VARCHAR(100),
  KOD_ORG     VARCHAR(20),
  STATPLAT    VARCHAR(5),
  TIPNP       VARCHAR(5),
  DATAND      VARCHAR(20),
  NALPRD      VARCHAR(20),
  OSNPLAT     VARCHAR(5),
  KBK         VARCHAR(25),
  OKATO       VARCHAR(20),
  N_PLAT      VARCHAR(500),
  SUMM        NUMERIC(18,2),
  RP_KOD      BIGINT,
  CONSTRAINT PK_PMNT_TMP PRIMARY KEY (ID)
);

-- names and addresses for completion
CREATE TABLE CUSTOMER (
  FIO         VARCHAR(255) NOT NULL,
  ADR         VARCHAR(500),
  RP_KOD      BIGINT,
  CONSTRAINT PK_CUSTOMER PRIMARY KEY (FIO)
);

/* ------------------------------------------- clients, addresses, accounts */

CREATE TABLE IDNTF (
  CLNT_ID     VARCHAR(8) NOT NULL,
  FIO         VARCHAR(255),
  INN         VARCHAR(12),
  TEL         VARCHAR(30),
  SOTR        VARCHAR(1),
  TERR        VARCHAR(1),
  EMP_DOC     VARCHAR(8),
  RSD         VARCHAR(20),
  DOCUM       VARCHAR(100),
  DOC_NOM     VARCHAR(50),
  DOC_VYD     VARCHAR(255),
  DOC_DAT     DATE,
  KOD_PODR    VARCHAR(10),
  IPDL        VARCHAR(1),
  BDATE       DATE,
  BPLACE      VARCHAR(255),
  GENDER      VARCHAR(10),
  CITZ        VARCHAR(100),
  ADR         VARCHAR(500),
  ADR_CNT     VARCHAR(100),
  ADR_REG     VARCHAR(100),
  ADR_GOR     VARCHAR(100),
  ADR_RAI     VARCHAR(100),
  ADR_NPUNKT  VARCHAR(100),
  ADR_UL      VARCHAR(100),
  ADR_DOM     VARCHAR(20),
  ADR_KORP    VARCHAR(20),
  ADR_KV      VARCHAR(20),
  CODE        VARCHAR(20),
  OKATO       VARCHAR(11),
  O1          VARCHAR(20),
  O2          VARCHAR(20),
  O3          VARCHAR(20),
  O4          VARCHAR(20),
  EXT_ID      VARCHAR(20),
  CONSTRAINT PK_IDNTF PRIMARY KEY (CLNT_ID)
);

-- addresses of a client, CODE = address directory code (settlement + street)
CREATE TABLE ADR (
  ADR_ID      VARCHAR(16) NOT NULL,
  CLNT_ID     VARCHAR(8),
  CODE        VARCHAR(20),
  DOM         VARCHAR(20),
  KORP        VARCHAR(20),
  KV          VARCHAR(20),
  BLD         VARCHAR(20),
  ADR_TXT     VARCHAR(500),
  EXT_ID      VARCHAR(20),
  CONSTRAINT PK_ADR PRIMARY KEY (ADR_ID),
  CONSTRAINT UNQ1_ADR UNIQUE (CODE, DOM, KORP, KV, CLNT_ID, BLD)
);

-- personal accounts and debts.  NOM_AB, PHONE_NUM and BARCD_NUM hold an empty string rather
-- than NULL (see the trigger LS_BIU0) so that the unique key always matches.
CREATE TABLE LS (
  LS_ID       VARCHAR(16) NOT NULL,
  CLNT_ID     VARCHAR(8),
  ADR_ID      VARCHAR(16),
  KOD_SRV     VARCHAR(16),
  NOM_AB      VARCHAR(50) DEFAULT '' NOT NULL,
  PHONE_NUM   VARCHAR(30) DEFAULT '' NOT NULL,
  BARCD_NUM   VARCHAR(50) DEFAULT '' NOT NULL,
  BAR_COD     VARCHAR(255),
  SUM_USL     NUMERIC(18,2),
  TXT_USL     VARCHAR(500),
  DATA        VARCHAR(50),
  POK_SCH1    BIGINT,
  POK_SCH2    BIGINT,
  POK_SCH3    BIGINT,
  POK_SCH4    BIGINT,
  POK_SCH5    BIGINT,
  POK_SCH6    BIGINT,
  POK_SCH7    BIGINT,
  POK_SCH8    BIGINT,
  POK_SCH9    BIGINT,
  POK_SCH10   BIGINT,
  TARIF       NUMERIC(18,4),
  ABON        NUMERIC(18,2),
  EXP1        VARCHAR(255),
  EXP2        VARCHAR(255),
  EXP3        VARCHAR(255),
  EXP4        VARCHAR(255),
  EXP5        VARCHAR(255),
  KOD_ORG     VARCHAR(20),
  FIO_FULL    VARCHAR(255),
  ADR_SRC     VARCHAR(500),
  COM_TYPE    VARCHAR(1),
  ABN_ID      VARCHAR(50),
  STAT        VARCHAR(100),
  RS_IMP_ID   TIMESTAMP,
  ID          VARCHAR(50),
  ID_USL      VARCHAR(50),
  VID_USL     VARCHAR(100),
  NOM_USL     VARCHAR(50),
  EXT_ID      VARCHAR(20),
  CONSTRAINT PK_LS PRIMARY KEY (LS_ID),
  CONSTRAINT UNQ1_LS UNIQUE (KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM)
);

-- meters of an account, values are integers scaled by 10^VAL_FMT
CREATE TABLE COUNTERS (
  ID          BIGINT NOT NULL,
  LS_ID       VARCHAR(16),
  CNT_ID      VARCHAR(50),
  CNT_NUM     VARCHAR(50),
  SRV_NM      VARCHAR(100),
  DAY_VAL     BIGINT,
  NIGHT_VAL   BIGINT,
  MAX_VAL     BIGINT,
  VAL_FMT     INTEGER,
  VAL_DT      VARCHAR(8),
  TOEXP       VARCHAR(1),
  EXT_ID      VARCHAR(20),
  CONSTRAINT PK_COUNTERS PRIMARY KEY (ID),
  CONSTRAINT UNQ1_COUNTERS UNIQUE (LS_ID, CNT_ID)
);

/* ------------------------------- providers, payees, groups, export rules */

CREATE TABLE SERVICE (
  KOD_SRV      VARCHAR(16) NOT NULL,
  PRIM         VARCHAR(255),
  KOMIS        NUMERIC(9,4),
  TDOC         VARCHAR(10),
  KSYM         VARCHAR(10),
  ACCOUNT      VARCHAR(25),
  KOD_K        VARCHAR(16),
  IS_K         VARCHAR(1),
  PRIM1        VARCHAR(500),
  PP           VARCHAR(1),
  RCPT         VARCHAR(1),
  DEBET        VARCHAR(25),
  MIN_SUM      NUMERIC(18,2),
  PODR         VARCHAR(10),
  KOD_GRP      VARCHAR(20),
  BLK          VARCHAR(1),
  PDOCTYPE_UID INTEGER,
  CHECK2       VARCHAR(1),
  COMMENT      VARCHAR(2000),
  EXP_PER      VARCHAR(1),
  EXP_AFT      INTEGER,
  RP_KOD       BIGINT,
  SRV_CAT      SMALLINT,
  SRV_INN      VARCHAR(1),
  SRV_CONT     VARCHAR(500),
  REK          VARCHAR(1000),
  USE_LS       SMALLINT,
  RS_ID        INTEGER,
  LS_BARPOS    VARCHAR(100),
  NDS          NUMERIC(9,4),
  MAX_SUM      NUMERIC(18,2),
  SUM_BARPOS   VARCHAR(20),
  LSLENMIN     INTEGER,
  LSLENMAX     INTEGER,
  LOGO         BLOB SUB_TYPE BINARY,
  LSSYMB       VARCHAR(255),
  PER_BARPOS   VARCHAR(20),
  ID_BARPOS    VARCHAR(20),
  SERVICE_ID   VARCHAR(50),
  RSI_ID       INTEGER,
  DEPARTMENT   INTEGER,
  PERFMT       VARCHAR(30),
  PRN1         VARCHAR(1),
  PRN2         VARCHAR(1),
  PRN3         VARCHAR(1),
  PRN4         VARCHAR(1),
  PRN5         VARCHAR(1),
  PRN6         VARCHAR(1),
  PRN7         VARCHAR(1),
  PRN8         VARCHAR(1),
  PRN9         VARCHAR(1),
  PRN10        VARCHAR(1),
  CONSTRAINT PK_SERVICE PRIMARY KEY (KOD_SRV)
);

-- payees, a payee is unique by taxpayer number and account (UNQ1_ORGN)
CREATE TABLE ORGN (
  KOD_ORG     VARCHAR(20) NOT NULL,
  PAYEE       VARCHAR(255),
  SPAYEE      VARCHAR(160),
  INN         VARCHAR(12),
  KPP         VARCHAR(9),
  ACC         VARCHAR(25),
  BANK        VARCHAR(255),
  BIK         VARCHAR(9),
  CACC        VARCHAR(25),
  OKATO       VARCHAR(11),
  GOKATO      VARCHAR(1),
  KBK         VARCHAR(25),
  NAZN        VARCHAR(500),
  OCH         VARCHAR(2),
  DEF_ORG     VARCHAR(1),
  NP          VARCHAR(50),
  KOD_ADM     VARCHAR(25),
  RP_KOD      BIGINT,
  CONSTRAINT PK_ORGN PRIMARY KEY (KOD_ORG),
  CONSTRAINT UNQ1_ORGN UNIQUE (INN, ACC)
);

-- which payees a service pays to
CREATE TABLE ORG_SRV (
  LNK_ID      VARCHAR(20) NOT NULL,
  KOD_ORG     VARCHAR(20),
  KOD_SRV     VARCHAR(16),
  RP_KOD      BIGINT,
  CONSTRAINT PK_ORG_SRV PRIMARY KEY (LNK_ID)
);

-- two-level tree of payment groups (KOD_ANC NULL = top level)
CREATE TABLE SRV_GRP (
  KOD_GRP     VARCHAR(20) NOT NULL,
  NAM_GRP     VARCHAR(100),
  PRIM        VARCHAR(255),
  KOD_ANC     VARCHAR(20),
  RP_KOD      BIGINT,
  CONSTRAINT PK_SRV_GRP PRIMARY KEY (KOD_GRP)
);

-- commission per department, overrides the own figures of the service
CREATE TABLE KOMIS_PODR (
  ID          BIGINT NOT NULL,
  PODR        VARCHAR(10),
  KOD_SRV     VARCHAR(16),
  KOMIS       NUMERIC(9,4),
  MIN_SUM     NUMERIC(18,2),
  MAX_SUM     NUMERIC(18,2),
  CONSTRAINT PK_KOMIS_PODR PRIMARY KEY (ID),
  CONSTRAINT UNQ1_KOMIS_PODR UNIQUE (PODR, KOD_SRV)
);

-- captions of the optional payment fields of a service:
-- CNTRn = label|decimals|tariff, EXPn = label|default (a leading # marks an amount)
CREATE TABLE FLDNM (
  KOD_SRV     VARCHAR(16) NOT NULL,
  CNTR1       VARCHAR(100),
  CNTR2       VARCHAR(100),
  CNTR3       VARCHAR(100),
  CNTR4       VARCHAR(100),
  CNTR5       VARCHAR(100),
  CNTR6       VARCHAR(100),
  CNTR7       VARCHAR(100),
  CNTR8       VARCHAR(100),
  CNTR9       VARCHAR(100),
  CNTR10      VARCHAR(100),
  EXP1        VARCHAR(100),
  EXP2        VARCHAR(100),
  EXP3        VARCHAR(100),
  EXP4        VARCHAR(100),
  EXP5        VARCHAR(100),
  EXP6        VARCHAR(100),
  EXP7        VARCHAR(100),
  EXP8        VARCHAR(100),
  EXP9        VARCHAR(100),
  EXP10       VARCHAR(100),
  CONSTRAINT PK_FLDNM PRIMARY KEY (KOD_SRV)
);

-- registry export formats, the second set of columns describes the meter-readings file
CREATE TABLE RS (
  RS_ID        INTEGER NOT NULL,
  RS_NM        VARCHAR(100),
  RS_FMT       VARCHAR(10),
  RS_FN        VARCHAR(255),
  RS_FLD       VARCHAR(2000),
  RS_SZ        VARCHAR(2000),
  RS_PRM       VARCHAR(2000),
  RS_HDR       BLOB SUB_TYPE TEXT,
  RS_FTR       BLOB SUB_TYPE TEXT,
  RS_FMT2      VARCHAR(10),
  RS_FN2       VARCHAR(255),
  RS_FLD2      VARCHAR(2000),
  RS_SZ2       VARCHAR(2000),
  RS_PRM2      VARCHAR(2000),
  RS_HDR2      BLOB SUB_TYPE TEXT,
  RS_FTR2      BLOB SUB_TYPE TEXT,
  RS_HOST      VARCHAR(255),
  RS_CHECKURL  VARCHAR(500),
  RS_PAYURL    VARCHAR(500),
  RS_COMMITURL VARCHAR(500),
  RS_DELURL    VARCHAR(500),
  RS_PSW       VARCHAR(100),
  CONSTRAINT PK_RS PRIMARY KEY (RS_ID)
);

-- provider file import formats
CREATE TABLE RSI (
  RSI_ID      INTEGER NOT NULL,
  RSI_NM      VARCHAR(100),
  RSI_FMT     VARCHAR(10),
  RSI_FN      VARCHAR(255),
  RSI_FLD     VARCHAR(2000),
  RSI_PRM     VARCHAR(2000),
  RSI_FMT2    VARCHAR(10),
  RSI_FN2     VARCHAR(255),
  RSI_FLD2    VARCHAR(2000),
  CONSTRAINT PK_RSI PRIMARY KEY (RSI_ID)
);

-- export rules by barcode number
CREATE TABLE RS_BARCODE (
  ID          BIGINT NOT NULL,
  KOD_SRV     VARCHAR(16),
  BARCD_NUM   VARCHAR(50),
  RS_ID       INTEGER,
  CONSTRAINT PK_RS_BARCODE PRIMARY KEY (ID),
  CONSTRAINT UNQ1_RS_BARCODE UNIQUE (KOD_SRV, BARCD_NUM)
);

-- produced registries
CREATE TABLE RS_EXP (
  RS_EXP_ID   BIGINT NOT NULL,
  RS_ID       INTEGER,
  RS_NUM      INTEGER,
  DT          TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
  RS_DT       DATE,
  FN          VARCHAR(500),
  NOM_PP      VARCHAR(20),
  TXT         BLOB SUB_TYPE TEXT,
  CMT         VARCHAR(255),
  SENT        TIMESTAMP,
  CONSTRAINT PK_RS_EXP PRIMARY KEY (RS_EXP_ID)
);

-- mail server settings (the first row is used)
CREATE TABLE EML (
  HOST        VARCHAR(100),
  PORT        INTEGER,
  USR         VARCHAR(100),
  PSWD        VARCHAR(100),
  FROMADR     VARCHAR(100),
  FROMNAME    VARCHAR(100)
);

/* ----------------------------------------------------- accounting export */

CREATE TABLE EXP_FMT (
  EXPFMT_UID  INTEGER NOT NULL,
  EXPFMT_NAME VARCHAR(100),
  EXPFMT_HEAD BLOB SUB_TYPE TEXT,
  EXPFMT_END  BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_EXP_FMT PRIMARY KEY (EXPFMT_UID)
);

CREATE TABLE PDOC_TYPE (
  PDOCTYPE_UID  INTEGER NOT NULL,
  PDOCTYPE_NAME VARCHAR(100),
  CONSTRAINT PK_PDOC_TYPE PRIMARY KEY (PDOCTYPE_UID)
);

-- document templates, ENCP is CP866 or WIN1251
CREATE TABLE PDOC_TEMP (
  PDOCTEMP_UID INTEGER NOT NULL,
  EXPFMT_UID   INTEGER,
  PDOCTYPE_UID INTEGER,
  TMPLT        BLOB SUB_TYPE TEXT,
  ENCP         VARCHAR(20),
  CONSTRAINT PK_PDOC_TEMP PRIMARY KEY (PDOCTEMP_UID)
);

-- one row per export run
CREATE TABLE EXPRT (
  EXP_UID     BIGINT NOT NULL,
  DAT         DATE,
  TIM         VARCHAR(8),
  FLNM        VARCHAR(500),
  OPER_NOM    VARCHAR(20),
  SM          NUMERIC(18,2),
  PODR        VARCHAR(10),
  RPT         BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_EXPRT PRIMARY KEY (EXP_UID)
);

/* ----------------------------------------- shifts, users, departments */

-- cashier shifts, CLS_DAT NULL = open
CREATE TABLE SMENA (
  SMENA_NOM   VARCHAR(20) NOT NULL,
  OPER_NOM    VARCHAR(20),
  PODR        VARCHAR(10),
  OPN_DAT     DATE,
  OPN_TIM     VARCHAR(8),
  CLS_DAT     DATE,
  CLS_TIM     VARCHAR(8),
  ACQ_CHEQUE  BLOB SUB_TYPE TEXT,
  EXT_ID      VARCHAR(20),
  RP_KOD      BIGINT,
  CONSTRAINT PK_SMENA PRIMARY KEY (SMENA_NOM)
);

-- users: PASS is the MD5 text of the password, USRROL 0..3 (2 = cashier)
CREATE TABLE OPERATOR (
  OPER_NOM    VARCHAR(20) NOT NULL,
  OPER        VARCHAR(100),
  PASS        VARCHAR(32),
  PODR        VARCHAR(10),
  COMPORT     VARCHAR(20),
  PSWD        VARCHAR(30),
  USRROL      VARCHAR(1),
  OPENDATE    VARCHAR(6),
  SMENA_NOM   VARCHAR(20),
  USR         VARCHAR(50),
  OPERDAYS    INTEGER,
  BLK         VARCHAR(1),
  VRS         INTEGER,
  RP_KOD      BIGINT,
  CONSTRAINT PK_OPERATOR PRIMARY KEY (OPER_NOM)
);

-- departments: 0000 is reserved for the main server
CREATE TABLE BIS (
  PODR        VARCHAR(10) NOT NULL,
  PATH        VARCHAR(255),
  KASSA       VARCHAR(25),
  IPMSK       VARCHAR(100),
  HDR         VARCHAR(500),
  CHK_HDR     VARCHAR(1000),
  CHKFTR      VARCHAR(1000),
  USR         VARCHAR(50),
  EXPFMT_UID  INTEGER,
  NOKOMIS     VARCHAR(1),
  ID          VARCHAR(20),
  PODR_ID     INTEGER,
  RP_KOD      BIGINT,
  CONSTRAINT PK_BIS PRIMARY KEY (PODR)
);

-- department directory of the summary report
CREATE TABLE PODR (
  ID          INTEGER NOT NULL,
  KOD         VARCHAR(20),
  DSC         VARCHAR(255),
  CONSTRAINT PK_PODR PRIMARY KEY (ID)
);

/* ------------------------------------ exchange queue, replication, updates */

-- requests to the central server: STAT 0 = waiting, 1 = answered
CREATE TABLE HTTPRQ (
  ID          BIGINT NOT NULL,
  PODR        VARCHAR(10),
  DT          TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
  CMD         VARCHAR(30),
  HTTPGET     VARCHAR(8000),
  HTTPPOST    BLOB SUB_TYPE TEXT,
  STAT        VARCHAR(1),
  HTTPRESP    VARCHAR(4000),
  TM          VARCHAR(20),
  RQDT        TIMESTAMP,
  CONSTRAINT PK_HTTPRQ PRIMARY KEY (ID)
);

-- replication messages between sites
CREATE TABLE RP (
  RP_KOD      BIGINT NOT NULL,
  RP_TXT      BLOB SUB_TYPE TEXT,
  RP_DT       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
  CONSTRAINT PK_RP PRIMARY KEY (RP_KOD)
);

-- sites: ADR_OWN = 1 on the row of this site, 0000 = main server
CREATE TABLE RP_ADR (
  ADR_UID     VARCHAR(4) NOT NULL,
  ADR_NM      VARCHAR(100),
  ADR_SIGN    VARCHAR(255),
  ADR_BLK     VARCHAR(1),
  ADR_OWN     VARCHAR(1),
  CONSTRAINT PK_RP_ADR PRIMARY KEY (ADR_UID)
);

-- one row per message and addressee: SND_DT NULL = not delivered,
-- 01.01.1900 = delivered but failed at the addressee
CREATE TABLE RP_SND (
  ADR_UID     VARCHAR(4) NOT NULL,
  RP_KOD      BIGINT NOT NULL,
  SND_DT      TIMESTAMP,
  CONSTRAINT PK_RP_SND PRIMARY KEY (ADR_UID, RP_KOD)
);

-- program versions kept in the database
CREATE TABLE UPD_PRG (
  UPD_UID     INTEGER NOT NULL,
  DAT         DATE,
  VRS         INTEGER,
  EXE         BLOB SUB_TYPE BINARY,
  PRIM        VARCHAR(255),
  CONSTRAINT PK_UPD_PRG PRIMARY KEY (UPD_UID)
);

-- schema scripts: RES NULL = not run, -1 = run without error
CREATE TABLE UPD_SQL (
  ID          INTEGER NOT NULL,
  V1          INTEGER,
  V2          INTEGER,
  FILENAME    VARCHAR(255),
  SQL         BLOB SUB_TYPE TEXT,
  LG          BLOB SUB_TYPE TEXT,
  RES         INTEGER,
  DT          TIMESTAMP,
  CONSTRAINT PK_UPD_SQL PRIMARY KEY (ID)
);

/* ------------------------------------------------------------ directories */

CREATE TABLE KBK (
  KBK         VARCHAR(25) NOT NULL,
  PRIM        VARCHAR(1000),
  PRIM1       VARCHAR(255),
  SOCR        VARCHAR(50),
  CONSTRAINT PK_KBK PRIMARY KEY (KBK)
);

-- territory tree: PRNT 00000000000 = top level
CREATE TABLE OKATO (
  OKATO       VARCHAR(11) NOT NULL,
  PRIM        VARCHAR(255),
  PRNT        VARCHAR(11),
  NUM_CHLD    INTEGER,
  CONSTRAINT PK_OKATO PRIMARY KEY (OKATO)
);

-- regions, districts, cities and settlements of the address directory
CREATE TABLE OKATO2 (
  CODE        VARCHAR(13),
  NAME        VARCHAR(100),
  SOCR        VARCHAR(20),
  OKATO       VARCHAR(11)
);

-- streets of the address directory
CREATE TABLE KL_STRT (
  CODE        VARCHAR(20),
  NAME        VARCHAR(100),
  SOCR        VARCHAR(20),
  INDX        VARCHAR(6),
  OKATO       VARCHAR(11)
);

CREATE TABLE OKTMO (
  OKATO       VARCHAR(11),
  OKTMO       VARCHAR(11),
  OKTMO2      VARCHAR(11)
);

CREATE TABLE BNKSEEK (
  BIK         VARCHAR(9),
  BANK        VARCHAR(255),
  CACC        VARCHAR(25)
);

-- persons under sanctions
CREATE TABLE TERR (
  FIO         VARCHAR(255),
  BDATE       VARCHAR(50),
  ADR         VARCHAR(1000),
  DT          DATE
);

/* ------------------------------------------ metadata, settings, journal */

-- how the generic browser and record editor show a table
CREATE TABLE IFVIEW (
  TBL         VARCHAR(31) NOT NULL,
  FLD         VARCHAR(31) NOT NULL,
  TTL         VARCHAR(100),
  TP          VARCHAR(10),
  LNG         INTEGER,
  RL_TBL      VARCHAR(31),
  RL_FLD      VARCHAR(31),
  RL_KFLD     VARCHAR(31),
  QRY         VARCHAR(2000),
  KY          VARCHAR(1),
  RO          VARCHAR(1),
  X           INTEGER,
  Y           INTEGER,
  C           INTEGER,
  W           INTEGER,
  LW          INTEGER,
  CLWD        INTEGER,
  LST         VARCHAR(1),
  ORD         INTEGER,
  CONSTRAINT PK_IFVIEW PRIMARY KEY (TBL, FLD)
);

-- named settings
CREATE TABLE NSTR (
  NM          VARCHAR(30) NOT NULL,
  VL          VARCHAR(1000),
  RP_KOD      BIGINT,
  CONSTRAINT PK_NSTR PRIMARY KEY (NM)
);

-- change journal of the administrative windows
CREATE TABLE JRNL (
  JR_UID      BIGINT NOT NULL,
  DAT         DATE,
  TIM         VARCHAR(8),
  OPER_NOM    VARCHAR(20),
  TAB_NAME    VARCHAR(31),
  QUERY_UPD   BLOB SUB_TYPE TEXT,
  PRMS        BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_JRNL PRIMARY KEY (JR_UID)
);

-- Running totals of the payments by day, cashier, shift and service, kept by trigger PAYMENTS_AIUD1
-- for the main window's totals message. Every transaction adds to rows of its own (TR_ID = its
-- transaction number), so concurrent payments never wait for or conflict with each other; the rows of
-- committed transactions are merged into one row per key now and then (snapshot transaction).
-- Only payments that every totals condition can match are counted: DAT, OPER_NOM, SMENA_NOM,
-- KOD_SRV and SUM_PRIH all set.
CREATE TABLE PMNT_TOTALS (
  TR_ID       BIGINT NOT NULL,
  DAT         DATE NOT NULL,
  OPER_NOM    VARCHAR(20) NOT NULL,
  SMENA_NOM   VARCHAR(20) NOT NULL,
  KOD_SRV     VARCHAR(16) NOT NULL,
  CNT         INTEGER NOT NULL,
  SUM_PRIH    NUMERIC(18,2) NOT NULL
);
