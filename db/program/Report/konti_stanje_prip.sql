-- Stanje na kontih: balances at the end of the chosen month, one row per contract
-- (analytics) within each account:
--   120000 lombard loans to clients, 980000 client assets under management,
--   981000 client assets in custody, 982000 client money for brokerage,
--   760000 commission income of the month, one row per executed order.
-- The report groups the rows by KONTO and may select accounts.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

-- Contract balances: contracts in force on the last day of the month.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFDJV, KONTO, OPIS, DAN, ZNS, KRT)
SELECT {?COMPUTER}, 9, P.IDPOG, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV,
       CASE P.SFDJV WHEN 'L' THEN '120000' WHEN 'U' THEN '980000' WHEN 'C' THEN '981000' ELSE '982000' END,
       P.STPOG || ' ' || P.NZV,
       LAST_DAY(TO_DATE('01.{?MESEC}.{?LETO}', 'dd.mm.yyyy')),
       P.ZNS, P.STPOG
FROM POG P
WHERE P.SFDJV IN ('L', 'U', 'C', 'N')
  AND P.DAN <= LAST_DAY(TO_DATE('01.{?MESEC}.{?LETO}', 'dd.mm.yyyy'))
  AND (P.DANKNZ IS NULL OR P.DANKNZ >= LAST_DAY(TO_DATE('01.{?MESEC}.{?LETO}', 'dd.mm.yyyy')));

-- Commission income: the orders executed in the month, at their limit price for now.
-- Standard commission 0.50 %, reduced 0.30 % of the order value.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFDJV, SFVP, KONTO, OPIS, DAN, LOT, TCJ, NUM1, TXT2, KRT)
SELECT {?COMPUTER}, 9, 1000000 + N.IDNRC, P.IDPOG, P.SFOSB, P.SFORG, N.SFDJV, N.SFVP, '760000',
       'Provizija ' || P.STPOG || ', naročilo ' || N.STNRC || ' (' || S.KRT || ')',
       N.DAN, N.LOT, N.GLVTCJ,
       CASE WHEN N.SFPRO = 'Z' THEN 0.30 ELSE 0.50 END,
       N.SFGLVENT, P.STPOG
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE N.DAN >= TO_DATE('01.{?MESEC}.{?LETO}', 'dd.mm.yyyy')
  AND N.DAN <= LAST_DAY(TO_DATE('01.{?MESEC}.{?LETO}', 'dd.mm.yyyy'));

-- Market orders: the last price of the list on or before the order day.
UPDATE REPORT_SQL
SET DAT5 = (SELECT MAX(T.DAN) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN <= REPORT_SQL.DAN)
WHERE COMPUTER = {?COMPUTER}
  AND KONTO = '760000'
  AND TCJ IS NULL;

UPDATE REPORT_SQL
SET TCJ = (SELECT MAX(T.TCJ) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN = REPORT_SQL.DAT5)
WHERE COMPUTER = {?COMPUTER}
  AND KONTO = '760000'
  AND TCJ IS NULL;

-- Bonds are quoted in percent of their nominal value.
UPDATE REPORT_SQL
SET ZNS = ROUND(LOT * {@NVL}(TCJ, 0) * NUM1 / 100
          * CASE WHEN TXT2 = '%' THEN (SELECT S.NOMINALA FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP) / 100 ELSE 1 END, 2)
WHERE COMPUTER = {?COMPUTER}
  AND KONTO = '760000';
