-- Kartica pogodbe: the money account of a contract over a period. The first row of
-- each contract is the balance at the start of the period (the contract amount plus
-- sales minus purchases before it), then every order of the period.
-- Without a contract chosen, the cards of all contracts in force are prepared.
-- INTID orders the rows of a card: 0 the opening balance, then the orders by date.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

-- Orders up to the end of the period, at their limit price for now.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFVP, KRT, NZV, IME, NSL, PST, MST, DAN, OPIS, LOT, TCJ, TXT1, TXT2)
SELECT {?COMPUTER}, 2,
       (SELECT COUNT(*) FROM NRC N2
        WHERE N2.IDPOG = N.IDPOG
          AND (N2.DAN < N.DAN OR (N2.DAN = N.DAN AND N2.IDNRC <= N.IDNRC))),
       P.IDPOG, P.SFOSB, P.SFORG, N.SFVP, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST, N.DAN,
       CASE WHEN N.SFNRC = 'N' THEN 'Nakup ' ELSE 'Prodaja ' END || S.KRT || ', naročilo ' || N.STNRC,
       N.LOT, N.GLVTCJ, N.SFNRC, N.SFGLVENT
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN OSB O ON O.SFOSB = P.SFOSB
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE N.DAN <= {?DANDO}
?  AND P.IDPOG = {?IDPOG}
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

-- Money effect: a purchase takes money from the account, a sale brings it. Bonds are
-- quoted in percent of their nominal value.
UPDATE REPORT_SQL
SET ZNS = ROUND(LOT * {@NVL}(TCJ, 0)
          * CASE WHEN TXT2 = '%' THEN (SELECT S.NOMINALA FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP) / 100 ELSE 1 END
          * CASE WHEN TXT1 = 'N' THEN -1 ELSE 1 END, 2)
WHERE COMPUTER = {?COMPUTER};

-- Opening balance; a contract concluded within the period starts with its amount.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, KRT, NZV, IME, NSL, PST, MST, DAN, OPIS, ZNS)
SELECT {?COMPUTER}, 2, 0, P.IDPOG, P.SFOSB, P.SFORG, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST,
       CASE WHEN P.DAN > {?DANOD} THEN P.DAN ELSE {?DANOD} END,
       CASE WHEN P.DAN > {?DANOD} THEN 'Pogodbeni znesek ob sklenitvi' ELSE 'Začetno stanje' END,
       P.ZNS + {@NVL}((SELECT SUM(R.ZNS) FROM REPORT_SQL R
                       WHERE R.COMPUTER = {?COMPUTER} AND R.IDPOG = P.IDPOG AND R.DAN < {?DANOD}), 0)
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
WHERE P.DAN <= {?DANDO}
  AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DANOD})
?  AND P.IDPOG = {?IDPOG}
;

-- The orders before the period are in the opening balance now.
DELETE FROM REPORT_SQL
WHERE COMPUTER = {?COMPUTER}
  AND INTID > 0
  AND DAN < {?DANOD};
