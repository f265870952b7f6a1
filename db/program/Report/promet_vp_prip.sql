-- Promet z vrednostnimi papirji: every executed client order by security, with its
-- price (the limit price, or for a market order the last price of the list on or
-- before the trade day) and value. The report groups by SFVP and sorts by day.
-- A period is applied when the report asks for one.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFDJV, SFVP, KRT, TXT1, TXT2, TXT3, TXT4, DAN, OPIS, LOT, TCJ)
SELECT {?COMPUTER}, 13, N.IDNRC, P.IDPOG, P.SFOSB, P.SFORG, N.SFDJV, N.SFVP, S.KRT, S.NZV, N.SFGLVENT, N.SFBRK, N.SFNRC,
       N.DAN,
       CASE WHEN N.SFNRC = 'N' THEN 'Nakup ' ELSE 'Prodaja ' END || N.STNRC || ', ' || P.STPOG,
       N.LOT, N.GLVTCJ
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE N.LOT > 0
?  AND N.DAN >= {?DANOD}
?  AND N.DAN <= {?DANDO}
;

UPDATE REPORT_SQL
SET DAT5 = (SELECT MAX(T.DAN) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN <= REPORT_SQL.DAN)
WHERE COMPUTER = {?COMPUTER}
  AND TCJ IS NULL;

UPDATE REPORT_SQL
SET TCJ = (SELECT MAX(T.TCJ) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN = REPORT_SQL.DAT5)
WHERE COMPUTER = {?COMPUTER}
  AND TCJ IS NULL;

-- Bonds are quoted in percent of their nominal value.
UPDATE REPORT_SQL
SET ZNS = ROUND(LOT * {@NVL}(TCJ, 0)
          * CASE WHEN TXT2 = '%' THEN (SELECT S.NOMINALA FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP) / 100 ELSE 1 END, 2)
WHERE COMPUTER = {?COMPUTER};
