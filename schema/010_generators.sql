-- Generators (sequences) of the workstation database.
-- The names are quoted and therefore case-sensitive: the program reads them as
--   SELECT Gen_Id("uid_gen", 1) FROM RDB$DATABASE
-- and moves them with  ALTER SEQUENCE "uid_gen" RESTART WITH n.
--
-- Every generator starts at 1000, so the first value drawn is 1001.  Keys below
-- 1000 stay free for rows written by hand (the demo data, the reserved rows) and
-- no generated payment ever gets the special UID 101.
--
-- Seven generators are moved into the own key range of the site by SET_SITE_RANGE
-- (040_procedures.sql): uid_gen, fr_uid_gen, smena_nom_gen, kod_org_gen,
-- kod_gen, lnk_id_gen, jr_uid_gen.

-- payments and receipts
CREATE SEQUENCE "uid_gen" START WITH 1000;           -- PAYMENTS.UID (payments and commission rows)
CREATE SEQUENCE "fr_uid_gen" START WITH 1000;        -- FR.FR_UID
CREATE SEQUENCE "smena_nom_gen" START WITH 1000;     -- SMENA.SMENA_NOM
CREATE SEQUENCE "numpp_gen" START WITH 1000;         -- PP.NOM_PP, payment order numbers
CREATE SEQUENCE "nom_gen" START WITH 1000;           -- kept for compatibility, nothing draws from it
CREATE SEQUENCE "GEN_ACQUIRING_ID" START WITH 1000;  -- ACQUIRING.ID
CREATE SEQUENCE "GEN_REPPRN_ID" START WITH 1000;     -- REPPRN.ID

-- clients, addresses, accounts
CREATE SEQUENCE "clnt_id_gen" START WITH 1000;       -- IDNTF.CLNT_ID
CREATE SEQUENCE "ADR_ID_GEN" START WITH 1000;        -- ADR.ADR_ID
CREATE SEQUENCE "LS_ID_GEN" START WITH 1000;         -- LS.LS_ID (also the insert default)
CREATE SEQUENCE "GEN_COUNTERS_ID" START WITH 1000;   -- COUNTERS.ID (insert default)

-- providers, payees, groups, export rules
CREATE SEQUENCE "kod_gen" START WITH 1000;           -- SERVICE.KOD_SRV of new services
CREATE SEQUENCE "kod_org_gen" START WITH 1000;       -- ORGN.KOD_ORG
CREATE SEQUENCE "lnk_id_gen" START WITH 1000;        -- ORG_SRV.LNK_ID (insert default)
CREATE SEQUENCE "GEN_SRV_GRP_ID" START WITH 1000;    -- SRV_GRP.KOD_GRP (insert default)
CREATE SEQUENCE "GEN_KOMIS_PODR_ID" START WITH 1000; -- KOMIS_PODR.ID (insert default)
CREATE SEQUENCE "GEN_PMNT_TMP_ID" START WITH 1000;   -- PMNT_TMP.ID (insert default)
CREATE SEQUENCE "GEN_RS_BARCODE_ID" START WITH 1000; -- RS_BARCODE.ID (insert default)
CREATE SEQUENCE "GEN_RS_ID" START WITH 1000;         -- RS.RS_ID (insert default)
CREATE SEQUENCE "GEN_RSI_ID" START WITH 1000;        -- RSI.RSI_ID (insert default)
CREATE SEQUENCE "RS_EXP_ID_GEN" START WITH 1000;     -- RS_EXP.RS_EXP_ID

-- accounting export
CREATE SEQUENCE "exp_uid_gen" START WITH 1000;       -- EXPRT.EXP_UID
CREATE SEQUENCE "GEN_EXP_FMT_ID" START WITH 1000;    -- EXP_FMT.EXPFMT_UID (insert default)
CREATE SEQUENCE "GEN_PDOC_TYPE_ID" START WITH 1000;  -- PDOC_TYPE.PDOCTYPE_UID (insert default)
CREATE SEQUENCE "GEN_PDOC_TEMP_ID" START WITH 1000;  -- PDOC_TEMP.PDOCTEMP_UID (insert default)

-- users, journal, exchange, updates
CREATE SEQUENCE "GEN_OPERATOR_ID" START WITH 1000;   -- OPERATOR.OPER_NOM (insert default)
CREATE SEQUENCE "jr_uid_gen" START WITH 1000;        -- JRNL.JR_UID (insert default)
CREATE SEQUENCE "GEN_HTTPRQ_ID" START WITH 1000;     -- HTTPRQ.ID (also the insert default)
CREATE SEQUENCE "RP_KOD_GEN" START WITH 1000;        -- RP.RP_KOD
CREATE SEQUENCE "GEN_UPD_SQL_ID" START WITH 1000;    -- UPD_SQL.ID (insert default)
CREATE SEQUENCE "GEN_UPD_PRG_ID" START WITH 1000;    -- UPD_PRG.UPD_UID (insert default)
CREATE SEQUENCE "GEN_PODR_ID" START WITH 1000;       -- PODR.ID (insert default)
