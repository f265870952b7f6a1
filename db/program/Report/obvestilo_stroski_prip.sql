-- Letno obvestilo o stroških: prepared unattended for one contract at a time, for
-- the year given by the period. The first row is the yearly fee of the contract's
-- activity, followed by the commission of every order executed in the period.
-- Yearly fees: portfolio management 1.20 %, custody 0.25 %, investment advice
-- 0.60 % of the contract amount, lombard loan interest 6.50 %, a trading account
-- 30.00 flat. Order commission: standard 0.50 %, reduced 0.30 % of the order value.
-- The unattended run executes every statement as it is: no SELECT, no built-in call.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, SFDJV, KRT, NZV, IME, NSL, PST, MST, DANOD, OPIS, NUM1, ZNS)
SELECT {?COMPUTER}, 0, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST, {?DANOD},
       CASE P.SFDJV
            WHEN 'U' THEN 'Upravljavska provizija (1,20 % letno)'
            WHEN 'C' THEN 'Skrbniška provizija (0,25 % letno)'
            WHEN 'X' THEN 'Nadomestilo za investicijsko svetovanje (0,60 % letno)'
            WHEN 'L' THEN 'Obresti lombardnega kredita (6,50 % letno)'
            ELSE 'Vodenje trgovalnega računa'
       END,
       CASE P.SFDJV WHEN 'U' THEN 1.20 WHEN 'C' THEN 0.25 WHEN 'X' THEN 0.60 WHEN 'L' THEN 6.50 ELSE NULL END,
       CASE P.SFDJV
            WHEN 'U' THEN ROUND(P.ZNS * 1.20 / 100, 2)
            WHEN 'C' THEN ROUND(P.ZNS * 0.25 / 100, 2)
            WHEN 'X' THEN ROUND(P.ZNS * 0.60 / 100, 2)
            WHEN 'L' THEN ROUND(P.ZNS * 6.50 / 100, 2)
            ELSE 30
       END
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
WHERE P.IDPOG = {?IDPOG};

-- Commissions of the orders in the period, at their limit price for now.
INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, SFDJV, SFVP, KRT, NZV, IME, NSL, PST, MST, DAN, OPIS, LOT, TCJ, NUM1)
SELECT {?COMPUTER}, N.IDNRC, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV, N.SFVP, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST, N.DAN,
       'Provizija za naročilo ' || N.STNRC || ' z dne ' || TO_CHAR(N.DAN, 'dd.mm.yyyy') || ' (' || S.KRT || ')',
       N.LOT, N.GLVTCJ,
       CASE WHEN N.SFPRO = 'Z' THEN 0.30 ELSE 0.50 END
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN OSB O ON O.SFOSB = P.SFOSB
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE P.IDPOG = {?IDPOG}
  AND N.DAN >= {?DANOD}
?  AND N.DAN <= {?DANDO}
;

-- Market orders: the last price of the list on or before the order day.
UPDATE REPORT_SQL
SET DAT5 = (SELECT MAX(T.DAN) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN <= REPORT_SQL.DAN)
WHERE COMPUTER = {?COMPUTER}
  AND SFVP IS NOT NULL
  AND TCJ IS NULL;

UPDATE REPORT_SQL
SET TCJ = (SELECT MAX(T.TCJ) FROM TCN T WHERE T.SFVP = REPORT_SQL.SFVP AND T.DAN = REPORT_SQL.DAT5)
WHERE COMPUTER = {?COMPUTER}
  AND SFVP IS NOT NULL
  AND TCJ IS NULL;

-- A bond (with a nominal value) is quoted in percent of it.
UPDATE REPORT_SQL
SET ZNS = ROUND(LOT * COALESCE(TCJ, 0) * NUM1 / 100
          * COALESCE((SELECT S.NOMINALA / 100 FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP), 1), 2)
WHERE COMPUTER = {?COMPUTER}
  AND SFVP IS NOT NULL;
