/* ------------------------------------------ a morning shift with payments */

-- The cashier's first shift, opened and closed on the day the demo database is made, with three
-- payments and their commission rows, so the day's list is not empty on the first start.
INSERT INTO SMENA (SMENA_NOM, OPER_NOM, PODR, OPN_DAT, OPN_TIM, CLS_DAT, CLS_TIM, ACQ_CHEQUE)
VALUES ('1', '2', '0101', CURRENT_DATE, '08:30:00', CURRENT_DATE, '09:15:00', '');

INSERT INTO FR (FR_UID, TXT, TXT1, SM, COM, RCPT, ERR, PODR)
VALUES ('1', 'ЖКХ Управдом', 'Лицевой счет: 1001001', '1522.50', '22.50', '1', '0', '0101');
INSERT INTO FR (FR_UID, TXT, TXT1, SM, COM, RCPT, ERR, PODR)
VALUES ('2', 'Водоканал', 'Лицевой счет: 00012345', '1234.50', '0.00', '1', '0', '0101');
INSERT INTO FR (FR_UID, TXT, TXT1, SM, COM, RCPT, ERR, PODR)
VALUES ('3', 'Телефон Связь', 'Телефон: 88432223344', '450.00', '0.00', '1', '0', '0101');

INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO, ADR, AB_NOM, MES, PRNSTAT, PMNT_CM)
VALUES ('1', 1500.00, CURRENT_DATE, '08:41:12', '2', '1', '0101', '100', '2', '1', '1',
        '1', '1', 'Иванов Иван Иванович', 'Казань, Баумана, 10-5', '1001001', '012025', NULL, NULL);
INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO)
VALUES ('2', 22.50, CURRENT_DATE, '08:41:12', '2', '1', '0101', '101', NULL, '1', '1', '1', '1',
        'Иванов Иван Иванович');
INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO, ADR, AB_NOM, MES, CNTR1, CNTR2, PRNSTAT, PMNT_CM)
VALUES ('3', 1234.50, CURRENT_DATE, '08:55:40', '2', '1', '0101', '110', '4', '0', '2',
        '1', '2', 'Иванов Иван Иванович', 'Казань, Баумана, 10-5', '00012345', '0125', 12399, 5702, NULL,
        'Показания переданы плательщиком');
INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO)
VALUES ('4', 12.35, CURRENT_DATE, '08:55:40', '2', '1', '0101', '111', NULL, '0', '2', '1', '2',
        'Иванов Иван Иванович');
INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO, PHONE, MES, PRNSTAT)
VALUES ('5', 450.00, CURRENT_DATE, '09:02:03', '2', '1', '0101', '120', '6', '1', '3',
        '2', '4', 'Петрова Мария Сергеевна', '88432223344', '012025', NULL);
INSERT INTO PAYMENTS (UID, SUM_PRIH, DAT, TIM, OPER_NOM, SMENA_NOM, PODR, KOD_SRV, COM_UID, COM_TYPE, FR_UID,
                      CLNT_ID, LS_ID, FIO)
VALUES ('6', 0.00, CURRENT_DATE, '09:02:03', '2', '1', '0101', '121', NULL, '1', '3', '2', '4',
        'Петрова Мария Сергеевна');
