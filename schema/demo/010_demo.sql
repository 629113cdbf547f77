-- Demo data: one department, two users, four providers with their commission
-- services, payees, clients, addresses and personal accounts, so that a fresh
-- database can take payments at once.
--
-- Logins (passwords are stored as MD5 text: every digest byte in upper-case
-- hex without a leading zero):
--   OPER_NOM 1  "Администратор"   role 0 (administrator)  password: admin
--   OPER_NOM 2  "Смирнова Е.А."   role 2 (cashier)        password: 1111
--
-- Demo keys are small literals, the generators start at 1000 and are raised
-- to 1000 at the end if they are below, so generated keys never collide.

/* ------------------------------------------------------------ departments */

INSERT INTO BIS (PODR, PATH, KASSA, IPMSK, HDR, CHK_HDR, CHKFTR, USR, EXPFMT_UID, NOKOMIS, ID, PODR_ID)
VALUES ('0000', NULL, NULL, '*', 'Главный сервер', NULL, NULL, NULL, NULL, NULL, '0000', NULL);

INSERT INTO BIS (PODR, PATH, KASSA, IPMSK, HDR, CHK_HDR, CHKFTR, USR, EXPFMT_UID, NOKOMIS, ID, PODR_ID)
VALUES ('0101', 'exp', '20202810000000000101', '*',
        'ПАО «Демобанк», дополнительный офис № 0101',
        'ПАО «Демобанк» ДО № 0101, г. Казань, ул. Баумана, 10',
        'Спасибо за оплату! Телефон для справок: 8 (843) 200-01-01',
        'S001', 1, NULL, '0101', 1);

INSERT INTO PODR (ID, KOD, DSC) VALUES (1, '0101', 'Дополнительный офис № 0101');

INSERT INTO EXP_FMT (EXPFMT_UID, EXPFMT_NAME, EXPFMT_HEAD, EXPFMT_END)
VALUES (1, '1С: обмен с клиент-банком',
        '1CClientBankExchange' || ASCII_CHAR(13) || ASCII_CHAR(10) ||
        'ВерсияФормата=1.02' || ASCII_CHAR(13) || ASCII_CHAR(10) ||
        'Кодировка=Windows' || ASCII_CHAR(13) || ASCII_CHAR(10) ||
        'Отправитель=Прием платежей',
        'КонецФайла');

INSERT INTO PDOC_TYPE (PDOCTYPE_UID, PDOCTYPE_NAME) VALUES (1, 'Платежное поручение');
INSERT INTO PDOC_TYPE (PDOCTYPE_UID, PDOCTYPE_NAME) VALUES (2, 'Приходный кассовый ордер');

/* ------------------------------------------------------------------ users */

-- admin -> 21232F297A57A5A743894AE4A801FC3 (the byte 0E is written as E)
INSERT INTO OPERATOR (OPER_NOM, OPER, PASS, PODR, COMPORT, PSWD, USRROL, OPENDATE, SMENA_NOM, USR, OPERDAYS, BLK, VRS)
VALUES ('1', 'Администратор', '21232F297A57A5A743894AE4A801FC3', '0101', NULL, NULL, '0', NULL, NULL, 'S001', 30, NULL, NULL);

-- 1111 -> B59C67BF196A4758191E42F76670CEBA
INSERT INTO OPERATOR (OPER_NOM, OPER, PASS, PODR, COMPORT, PSWD, USRROL, OPENDATE, SMENA_NOM, USR, OPERDAYS, BLK, VRS)
VALUES ('2', 'Смирнова Е.А.', 'B59C67BF196A4758191E42F76670CEBA', '0101', NULL, NULL, '2', NULL, NULL, 'S002', 0, NULL, NULL);

/* --------------------------------------------------------- named settings */

INSERT INTO NSTR (NM, VL) VALUES ('chk_hdr', 'ПАО «Демобанк»');
INSERT INTO NSTR (NM, VL) VALUES ('cacc', '30101810000000000999');
INSERT INTO NSTR (NM, VL) VALUES ('bikbnk', '049205999');
INSERT INTO NSTR (NM, VL) VALUES ('bnk_nm', 'ПАО «Демобанк» г. Казань');
INSERT INTO NSTR (NM, VL) VALUES ('bnk_inn', '1653000999');
INSERT INTO NSTR (NM, VL) VALUES ('bnk_kpp', '165501001');
INSERT INTO NSTR (NM, VL) VALUES ('bnk_okat', '92401000000');
INSERT INTO NSTR (NM, VL) VALUES ('def_cit', '1600000100000');
INSERT INTO NSTR (NM, VL) VALUES ('defokato', '1600000100000');
INSERT INTO NSTR (NM, VL) VALUES ('id_sum', '15000');
INSERT INTO NSTR (NM, VL) VALUES ('serkv', 'АА');
INSERT INTO NSTR (NM, VL) VALUES ('bpa_name', 'БПА № 1');
INSERT INTO NSTR (NM, VL) VALUES ('bpa_adr', 'г. Казань, ул. Баумана, 10');
INSERT INTO NSTR (NM, VL) VALUES ('cntval', '100');
INSERT INTO NSTR (NM, VL) VALUES ('limit', '0');
INSERT INTO NSTR (NM, VL) VALUES ('add', '0');
INSERT INTO NSTR (NM, VL) VALUES ('change', '1');
INSERT INTO NSTR (NM, VL) VALUES ('extexp', '0');
INSERT INTO NSTR (NM, VL) VALUES ('scheck', '0');
INSERT INTO NSTR (NM, VL) VALUES ('ident', '0');
INSERT INTO NSTR (NM, VL) VALUES ('delprn', '0');
INSERT INTO NSTR (NM, VL) VALUES ('sfio', '0');
INSERT INTO NSTR (NM, VL) VALUES ('fiochk', '0');
INSERT INTO NSTR (NM, VL) VALUES ('centpko', '0');
INSERT INTO NSTR (NM, VL) VALUES ('noper', '0');
INSERT INTO NSTR (NM, VL) VALUES ('pmntedt', '0');
INSERT INTO NSTR (NM, VL) VALUES ('repprn', '0');
INSERT INTO NSTR (NM, VL) VALUES ('noret', '0');
INSERT INTO NSTR (NM, VL) VALUES ('mansrch', '0');
INSERT INTO NSTR (NM, VL) VALUES ('nosotr', '0');
INSERT INTO NSTR (NM, VL) VALUES ('empcnt', '0');
INSERT INTO NSTR (NM, VL) VALUES ('nofio', '0');
INSERT INTO NSTR (NM, VL) VALUES ('namedcnt', '0');
INSERT INTO NSTR (NM, VL) VALUES ('noclose', '0');
INSERT INTO NSTR (NM, VL) VALUES ('cmtondel', '0');
INSERT INTO NSTR (NM, VL) VALUES ('pkochk', '0');
INSERT INTO NSTR (NM, VL) VALUES ('extexp2', '0');

/* ------------------------------------------------------ directories */

INSERT INTO BNKSEEK (BIK, BANK, CACC) VALUES ('049205999', 'ПАО «ДЕМОБАНК» Г. КАЗАНЬ', '30101810000000000999');
INSERT INTO BNKSEEK (BIK, BANK, CACC) VALUES ('019205400', 'ОТДЕЛЕНИЕ-НБ РЕСПУБЛИКА ТАТАРСТАН Г. КАЗАНЬ', '40102810445370000079');

INSERT INTO OKATO (OKATO, PRIM, PRNT, NUM_CHLD) VALUES ('92000000000', 'Республика Татарстан', '00000000000', 1);
INSERT INTO OKATO (OKATO, PRIM, PRNT, NUM_CHLD) VALUES ('92401000000', 'г Казань', '92000000000', 0);

INSERT INTO OKTMO (OKATO, OKTMO, OKTMO2) VALUES ('92401000000', '92701000001', '92701000');

INSERT INTO OKATO2 (CODE, NAME, SOCR, OKATO) VALUES ('1600000000000', 'Татарстан', 'Респ', '92000000000');
INSERT INTO OKATO2 (CODE, NAME, SOCR, OKATO) VALUES ('1600000100000', 'Казань', 'г', '92401000000');

INSERT INTO KL_STRT (CODE, NAME, SOCR, INDX, OKATO) VALUES ('16000001000000100', 'Баумана', 'ул', '420111', '92401000000');
INSERT INTO KL_STRT (CODE, NAME, SOCR, INDX, OKATO) VALUES ('16000001000000200', 'Кремлевская', 'ул', '420008', '92401000000');
INSERT INTO KL_STRT (CODE, NAME, SOCR, INDX, OKATO) VALUES ('16000001000000300', 'Пушкина', 'ул', '420015', '92401000000');

INSERT INTO KBK (KBK, PRIM, PRIM1, SOCR)
VALUES ('18210803010011050110',
        'Государственная пошлина по делам, рассматриваемым в судах общей юрисдикции, мировыми судьями',
        'Госпошлина в суд', 'ГП');

/* ------------------------------------------------------- payment groups */

INSERT INTO SRV_GRP (KOD_GRP, NAM_GRP, PRIM, KOD_ANC) VALUES ('1', 'Коммунальные платежи', 'Квартплата, вода, отопление', NULL);
INSERT INTO SRV_GRP (KOD_GRP, NAM_GRP, PRIM, KOD_ANC) VALUES ('2', 'Связь', 'Телефон и интернет', NULL);
INSERT INTO SRV_GRP (KOD_GRP, NAM_GRP, PRIM, KOD_ANC) VALUES ('3', 'Платежи в бюджет', 'Налоги, пошлины, штрафы', NULL);
INSERT INTO SRV_GRP (KOD_GRP, NAM_GRP, PRIM, KOD_ANC) VALUES ('4', 'Водоснабжение', NULL, '1');

/* ------------------------------------------------------------ providers */
-- Every payable service (IS_K 0) names its commission service (IS_K 1) in
-- KOD_K.  External commission: the payable service carries KOMIS/MIN_SUM/
-- MAX_SUM and the commission service has zeros and no DEBET.  Internal
-- commission: the other way round, and the DEBET of the commission service equals
-- the ACCOUNT of the payable service.

-- reserved template of the providers editor, blocked so no payment list shows it
INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM,
                     PODR, KOD_GRP, BLK, SRV_CAT, USE_LS, EXP_AFT, CHECK2, COMMENT)
VALUES ('000', 'Шаблон поставщика', 0, '01', '02', NULL, NULL, '0', NULL, '0', '1', NULL, 0, 0,
        NULL, NULL, '1', 0, 0, 0, NULL, NULL);

-- ЖКХ Управдом: external commission 1.5 %, at least 10 roubles
INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM,
                     PODR, KOD_GRP, BLK, PDOCTYPE_UID, CHECK2, COMMENT, EXP_PER, EXP_AFT, SRV_CAT, SRV_INN, SRV_CONT,
                     REK, USE_LS, LS_BARPOS, NDS, LSLENMIN, LSLENMAX, LSSYMB, PERFMT, DEPARTMENT, PRN1, PRN2)
VALUES ('100', 'ЖКХ Управдом', 1.5, '01', '02', '40702810000000000011', '101', '0',
        'Оплата жилищно-коммунальных услуг', '0', '1', NULL, 10, 0,
        NULL, '1', NULL, NULL, NULL, 'Оплата жилищно-коммунальных услуг ООО «ЖКХ Управдом»', NULL, 0, 0, NULL,
        'г. Казань, ул. Пушкина, 5, тел. 8 (843) 200-10-10',
        NULL, 1, NULL, NULL, 7, 7, '0123456789', 'MMYYYY', 1, '1', '1');

INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM)
VALUES ('101', 'Комиссия 1,5% за ЖКХ Управдом', 0, '01', '32', '70601810000000000101', NULL, '1',
        'Комиссия банка 1,5% (мин. 10руб.) : Оплата жилищно-коммунальных услуг', NULL, NULL, NULL, 0, 0);

-- Водоканал: internal commission 1 % (5 .. 100 roubles) paid by the provider,
-- meters in FLDNM, barcode positions for its bills
INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM,
                     PODR, KOD_GRP, BLK, PDOCTYPE_UID, CHECK2, COMMENT, EXP_PER, EXP_AFT, SRV_CAT, SRV_INN, SRV_CONT,
                     REK, USE_LS, LS_BARPOS, SUM_BARPOS, PER_BARPOS, ID_BARPOS, SERVICE_ID, NDS, LSLENMIN, LSLENMAX,
                     LSSYMB, PERFMT, DEPARTMENT, PRN1)
VALUES ('110', 'Водоканал', 0, '01', '02', '40702810000000000022', '111', '0',
        'Оплата услуг водоснабжения и водоотведения', '0', '1', NULL, 0, 0,
        NULL, '4', NULL, NULL, NULL, 'МУП «Водоканал»: холодное и горячее водоснабжение', NULL, 0, 0, NULL,
        'г. Казань, ул. Кремлевская, 30, тел. 8 (843) 231-62-00',
        NULL, 1, '11-8', '19-8', '27-4', '1-10', '1655000022', NULL, 8, 8,
        '0123456789', 'MMYY', 1, '1');

INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM)
VALUES ('111', 'Комиссия 1% за Водоканал', 1, '01', '32', '70601810000000000111', NULL, '1',
        'Комиссия банка 1% (мин. 5руб.) : Оплата услуг водоснабжения и водоотведения', NULL, NULL,
        '40702810000000000022', 5, 100);

-- Телефон Связь: no commission, paid by phone number
INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM,
                     PODR, KOD_GRP, BLK, CHECK2, COMMENT, EXP_AFT, SRV_CAT, SRV_CONT, USE_LS, LSLENMIN, LSLENMAX,
                     LSSYMB, DEPARTMENT)
VALUES ('120', 'Телефон Связь', 0, '01', '02', '40702810000000000033', '121', '0',
        'Оплата услуг связи', '0', '1', NULL, 0, 0,
        NULL, '2', NULL, NULL, 'ПАО «Телефон Связь»: домашний телефон и интернет', 0, 0,
        'тел. 8 (800) 100-08-00', 0, 0, 0, NULL, 1);

INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM)
VALUES ('121', 'Комиссия 0% за Телефон Связь', 0, '01', '32', '70601810000000000121', NULL, '1',
        'Комиссия банка 0% : Оплата услуг связи', NULL, NULL, NULL, 0, 0);

-- Госпошлина: budget payment with a payment order per payment, 1 % (30 .. 1000 roubles)
INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM,
                     PODR, KOD_GRP, BLK, PDOCTYPE_UID, CHECK2, COMMENT, EXP_PER, EXP_AFT, SRV_CAT, SRV_CONT, USE_LS,
                     LSLENMIN, LSLENMAX, DEPARTMENT)
VALUES ('130', 'Госпошлина в суд', 1, '01', '02', '40101810000000000044', '131', '0',
        'Государственная пошлина', '1', '0', NULL, 30, 1000,
        NULL, '3', NULL, 1, NULL, 'Уплата государственной пошлины', NULL, 1, 1,
        NULL, 0, 0, 0, 1);

INSERT INTO SERVICE (KOD_SRV, PRIM, KOMIS, TDOC, KSYM, ACCOUNT, KOD_K, IS_K, PRIM1, PP, RCPT, DEBET, MIN_SUM, MAX_SUM)
VALUES ('131', 'Комиссия 1% за Госпошлина в суд', 0, '01', '32', '70601810000000000131', NULL, '1',
        'Комиссия банка 1% (мин. 30руб.) : Государственная пошлина', NULL, NULL, NULL, 0, 0);

/* captions of the optional fields: meters "label|decimals|tariff",
   additional fields "label|default", EXP10 = label of the account number */
INSERT INTO FLDNM (KOD_SRV, CNTR1, CNTR2, EXP1, EXP2, EXP10)
VALUES ('100', NULL, NULL, 'Площадь, м2|', 'Кол-во проживающих|', 'Лицевой счет');

INSERT INTO FLDNM (KOD_SRV, CNTR1, CNTR2, EXP1, EXP10)
VALUES ('110', 'Хол. вода|2|45,50', 'Гор. вода|2|198,40', 'Пени|0', 'Лицевой счет');

INSERT INTO FLDNM (KOD_SRV, EXP1, EXP10)
VALUES ('120', 'Договор|', 'Номер договора');

INSERT INTO FLDNM (KOD_SRV, EXP1, EXP10)
VALUES ('130', 'Номер дела|', 'Номер документа');

/* ----------------------------------------------------------------- payees */

INSERT INTO ORGN (KOD_ORG, PAYEE, SPAYEE, INN, KPP, ACC, BANK, BIK, CACC, OKATO, GOKATO, KBK, NAZN, OCH, DEF_ORG)
VALUES ('1', 'Общество с ограниченной ответственностью «ЖКХ Управдом»', 'ООО «ЖКХ Управдом»',
        '1655000011', '165501001', '40702810000000000011', 'ПАО «ДЕМОБАНК» Г. КАЗАНЬ', '049205999',
        '30101810000000000999', '92701000', '0', NULL, 'Оплата жилищно-коммунальных услуг', '5', '1');

INSERT INTO ORGN (KOD_ORG, PAYEE, SPAYEE, INN, KPP, ACC, BANK, BIK, CACC, OKATO, GOKATO, KBK, NAZN, OCH, DEF_ORG)
VALUES ('2', 'Муниципальное унитарное предприятие «Водоканал»', 'МУП «Водоканал»',
        '1655000022', '165501001', '40702810000000000022', 'ПАО «ДЕМОБАНК» Г. КАЗАНЬ', '049205999',
        '30101810000000000999', '92701000', '0', NULL, 'Оплата услуг водоснабжения', '5', '1');

INSERT INTO ORGN (KOD_ORG, PAYEE, SPAYEE, INN, KPP, ACC, BANK, BIK, CACC, OKATO, GOKATO, KBK, NAZN, OCH, DEF_ORG)
VALUES ('3', 'Публичное акционерное общество «Телефон Связь»', 'ПАО «Телефон Связь»',
        '1655000033', '165501001', '40702810000000000033', 'ПАО «ДЕМОБАНК» Г. КАЗАНЬ', '049205999',
        '30101810000000000999', '92701000', '0', NULL, 'Оплата услуг связи', '5', '1');

INSERT INTO ORGN (KOD_ORG, PAYEE, SPAYEE, INN, KPP, ACC, BANK, BIK, CACC, OKATO, GOKATO, KBK, NAZN, OCH, DEF_ORG, KOD_ADM)
VALUES ('4', 'УФК по Республике Татарстан (Межрайонная ИФНС России № 18 по Республике Татарстан)',
        'УФК по РТ (МРИ ФНС № 18)',
        '1655000044', '165501001', '03100643000000011100', 'ОТДЕЛЕНИЕ-НБ РЕСПУБЛИКА ТАТАРСТАН Г. КАЗАНЬ', '019205400',
        '40102810445370000079', '92701000', '1', '18210803010011050110', 'Государственная пошлина', '5', '1', '182');

INSERT INTO ORG_SRV (LNK_ID, KOD_ORG, KOD_SRV) VALUES ('1', '1', '100');
INSERT INTO ORG_SRV (LNK_ID, KOD_ORG, KOD_SRV) VALUES ('2', '2', '110');
INSERT INTO ORG_SRV (LNK_ID, KOD_ORG, KOD_SRV) VALUES ('3', '3', '120');
INSERT INTO ORG_SRV (LNK_ID, KOD_ORG, KOD_SRV) VALUES ('4', '4', '130');

/* ---------------------------------------------------- clients, addresses */

INSERT INTO IDNTF (CLNT_ID, FIO, INN, TEL, SOTR, TERR, EMP_DOC, RSD, DOCUM, DOC_NOM, DOC_VYD, DOC_DAT, KOD_PODR,
                   IPDL, BDATE, BPLACE, GENDER, CITZ, ADR, ADR_CNT, ADR_REG, ADR_GOR, ADR_UL, ADR_DOM, ADR_KV, CODE, OKATO)
VALUES ('1', 'Иванов Иван Иванович', '165500112233', '89171112233', NULL, NULL, NULL, 'Резидент',
        'Паспорт гражданина РФ', '9204 123456', 'МВД по Республике Татарстан', '2015-06-15', '160-001',
        '0', '1980-03-12', 'г. Казань', 'М', 'Россия', 'г Казань, ул Баумана, д. 10, кв. 5',
        'Россия', 'Татарстан Респ', 'Казань г', 'Баумана ул', '10', '5', '16000001000000100', '92401000000');

INSERT INTO IDNTF (CLNT_ID, FIO, TEL, EMP_DOC) VALUES ('2', 'Петрова Мария Сергеевна', '89172223344', '2');
INSERT INTO IDNTF (CLNT_ID, FIO, TEL, EMP_DOC) VALUES ('3', 'Сидоров Алексей Петрович', NULL, '3');

INSERT INTO ADR (ADR_ID, CLNT_ID, CODE, DOM, KORP, KV, BLD, ADR_TXT)
VALUES ('1', '1', '16000001000000100', '10', '', '5', '', 'г Казань, ул Баумана, д. 10, кв. 5');
INSERT INTO ADR (ADR_ID, CLNT_ID, CODE, DOM, KORP, KV, BLD, ADR_TXT)
VALUES ('2', '2', '16000001000000200', '25', '', '12', '', 'г Казань, ул Кремлевская, д. 25, кв. 12');
INSERT INTO ADR (ADR_ID, CLNT_ID, CODE, DOM, KORP, KV, BLD, ADR_TXT)
VALUES ('3', '3', '16000001000000300', '3', '1', '44', '', 'г Казань, ул Пушкина, д. 3, корп. 1, кв. 44');

/* ------------------------------------------------------ personal accounts */
-- Readings are integers scaled by the decimals of the meter: 12345 = 123,45.
-- The Водоканал account 00012345 has the full barcode of its bill:
--   1655000022 | 00012345 | 00123450 | 0125
--   provider   | account  | kopecks  | period (ID 1-10, LS 11-8, SUM 19-8, PER 27-4)

INSERT INTO LS (LS_ID, CLNT_ID, ADR_ID, KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, BAR_COD, SUM_USL, TXT_USL, DATA,
                KOD_ORG, FIO_FULL, ADR_SRC, COM_TYPE, ABN_ID, EXP1, EXP2)
VALUES ('1', '1', '1', '100', '1001001', '', '', NULL, 3456.78,
        'Содержание жилья, отопление, вывоз ТКО', '012025',
        '1', 'Иванов Иван Иванович', 'Казань, Баумана, 10-5', '1', 'A-1001001', '54,3', '2');

INSERT INTO LS (LS_ID, CLNT_ID, ADR_ID, KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, BAR_COD, SUM_USL, TXT_USL, DATA,
                POK_SCH1, POK_SCH2, TARIF, KOD_ORG, FIO_FULL, ADR_SRC, COM_TYPE, ABN_ID)
VALUES ('2', '1', '1', '110', '00012345', '', '', '165500002200012345001234500125', 1234.50,
        'Холодная вода, горячая вода, водоотведение', '0125',
        12345, 5678, 45.50, '2', 'Иванов Иван Иванович', 'Казань, Баумана, 10-5', '0', 'V-12345');

INSERT INTO LS (LS_ID, CLNT_ID, ADR_ID, KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, SUM_USL, TXT_USL, DATA,
                KOD_ORG, FIO_FULL, ADR_SRC, COM_TYPE, ABN_ID)
VALUES ('3', '2', '2', '100', '1001002', '', '', 2890.10,
        'Содержание жилья, отопление', '012025',
        '1', 'Петрова Мария Сергеевна', 'Казань, Кремлевская, 25-12', '1', 'A-1001002');

INSERT INTO LS (LS_ID, CLNT_ID, ADR_ID, KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, SUM_USL, TXT_USL, DATA,
                KOD_ORG, FIO_FULL, COM_TYPE, EXP1)
VALUES ('4', '2', '2', '120', '', '88432223344', '', 450.00,
        'Абонентская плата за январь', '012025', '3', 'Петрова Мария Сергеевна', '1', 'Д-77812');

INSERT INTO LS (LS_ID, CLNT_ID, ADR_ID, KOD_SRV, NOM_AB, PHONE_NUM, BARCD_NUM, SUM_USL, TXT_USL, DATA,
                POK_SCH1, POK_SCH2, TARIF, KOD_ORG, FIO_FULL, ADR_SRC, COM_TYPE, ABN_ID)
VALUES ('5', '3', '3', '110', '00054321', '', '', 812.30,
        'Холодная вода, водоотведение', '0125',
        34010, 12050, 45.50, '2', 'Сидоров Алексей Петрович', 'Казань, Пушкина, 3/1-44', '0', 'V-54321');

-- meters of the Водоканал account 00012345
INSERT INTO COUNTERS (ID, LS_ID, CNT_ID, CNT_NUM, SRV_NM, DAY_VAL, NIGHT_VAL, MAX_VAL, VAL_FMT, VAL_DT, TOEXP)
VALUES (1, '2', 'HV-12345-1', '0456789', 'Холодная вода', 12345, 0, 9999999, 2, '25122024', '0');
INSERT INTO COUNTERS (ID, LS_ID, CNT_ID, CNT_NUM, SRV_NM, DAY_VAL, NIGHT_VAL, MAX_VAL, VAL_FMT, VAL_DT, TOEXP)
VALUES (2, '2', 'GV-12345-1', '0456790', 'Горячая вода', 5678, 0, 9999999, 2, '25122024', '0');

/* ----------------------------------------- generators past the demo keys */

SET TERM ^ ;

EXECUTE BLOCK AS
  DECLARE VARIABLE GEN VARCHAR(63);
  DECLARE VARIABLE CUR BIGINT;
BEGIN
  FOR SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0
        INTO :GEN
  DO
  BEGIN
    EXECUTE STATEMENT 'SELECT GEN_ID("' || GEN || '", 0) FROM RDB$DATABASE' INTO :CUR;
    IF (CUR < 1000) THEN
      EXECUTE STATEMENT 'ALTER SEQUENCE "' || GEN || '" RESTART WITH 1000';
  END
END^

SET TERM ; ^
