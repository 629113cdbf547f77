-- Site key ranges.
--
-- Every site draws its identifiers from its own range: for the site code N
-- (four digits) the seven site generators continue from N followed by eight zeros,
-- so site 0012 hands out 1200000001, 1200000002 and so on.  The code 0000 is the
-- main server and keeps the generators as they are, and so does an empty code.
--
--   EXECUTE PROCEDURE SET_SITE_RANGE with the code 0012, then COMMIT
--
-- A generator that already lies inside the range of the site is left alone, so
-- running the procedure again never hands out a value twice.

CREATE EXCEPTION E_SITE_CODE 'Код пункта должен состоять из четырех цифр';

SET TERM ^ ;

CREATE PROCEDURE SET_SITE_RANGE (CODE VARCHAR(4))
AS
  DECLARE VARIABLE C VARCHAR(4);
  DECLARE VARIABLE BASE BIGINT;
  DECLARE VARIABLE CUR BIGINT;
  DECLARE VARIABLE GEN VARCHAR(31);
BEGIN
  C = TRIM(COALESCE(CODE, ''));
  IF (C = '' OR C = '0000') THEN
    EXIT;
  IF (CHAR_LENGTH(C) <> 4 OR C NOT SIMILAR TO '[0-9]{4}') THEN
    EXCEPTION E_SITE_CODE 'Код пункта должен состоять из четырех цифр: ' || C;

  BASE = CAST(C || '00000000' AS BIGINT);

  FOR SELECT TRIM(RDB$GENERATOR_NAME)
        FROM RDB$GENERATORS
       WHERE RDB$GENERATOR_NAME IN ('uid_gen', 'fr_uid_gen', 'smena_nom_gen',
                                    'kod_org_gen', 'kod_gen', 'lnk_id_gen', 'jr_uid_gen')
        INTO :GEN
  DO
  BEGIN
    EXECUTE STATEMENT 'SELECT GEN_ID("' || GEN || '", 0) FROM RDB$DATABASE' INTO :CUR;
    IF (CUR < BASE OR CUR >= BASE + 100000000) THEN
      EXECUTE STATEMENT 'ALTER SEQUENCE "' || GEN || '" RESTART WITH ' || BASE;
  END
END^

SET TERM ; ^
