-- Obračun provizij: the commission of every order executed in the period, by
-- organisational unit. ZNS is the order value (base), NUM1 the rate in percent and
-- NUM2 the commission: standard 0.50 %, reduced 0.30 %, at least 5.00 per order.
-- KONTO is the income account the commissions are booked to; an account comes
-- into the statement quoted.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFDJV, SFVP, KRT, NZV, DAN, LOT, TCJ, NUM1, TXT1, TXT2, KONTO)
SELECT {?COMPUTER}, 10, N.IDNRC, P.IDPOG, P.SFOSB, P.SFORG, N.SFDJV, N.SFVP, P.STPOG,
       P.NZV || ', naročilo ' || N.STNRC || ' ' || S.KRT,
       N.DAN, N.LOT, N.GLVTCJ,
       CASE WHEN N.SFPRO = 'Z' THEN 0.30 ELSE 0.50 END,
       N.SFBRK, N.SFGLVENT, {?KONTO}
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE N.DAN >= {?DANOD}
  AND N.DAN <= {?DANDO}
?  AND P.SFORG = {?SFORG}
;

-- Market orders: the last price of the list on or before the order day.
UPDATE REPORT_SQL
SET DAT5 = (SELECT MAX(T.DAN) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN <= REPORT_SQL.DAN)
WHERE COMPUTER = {?COMPUTER}
  AND TCJ IS NULL;

UPDATE REPORT_SQL
SET TCJ = (SELECT MAX(T.TCJ) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN = REPORT_SQL.DAT5)
WHERE COMPUTER = {?COMPUTER}
  AND TCJ IS NULL;

-- Order value; bonds are quoted in percent of their nominal value.
UPDATE REPORT_SQL
SET ZNS = ROUND(LOT * {@NVL}(TCJ, 0)
          * CASE WHEN TXT2 = '%' THEN (SELECT S.NOMINALA FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP) / 100 ELSE 1 END, 2)
WHERE COMPUTER = {?COMPUTER};

UPDATE REPORT_SQL
SET NUM2 = CASE WHEN ROUND(ZNS * NUM1 / 100, 2) < 5 THEN 5 ELSE ROUND(ZNS * NUM1 / 100, 2) END
WHERE COMPUTER = {?COMPUTER};
