-- Odprte postavke kupcev in dobaviteljev: what clients owe the firm and what the firm
-- owes them, by client:
--   - the unsettled part of every order: a purchase is a claim on the client (due on
--     the trade day, the cover must be there), a sale a debt to the client;
--   - the management fee of the last closed period of portfolio management
--     (1.20 % a year of the contract amount), due at the end of the following month.
-- Every item gets a payment reference (KLJUCDPK) with check digits from its control
-- number; the report selects by client, due date and amount.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

-- Unsettled orders, at their limit price for now.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFVP, NZV, KRT, OPIS, DAN, DAT1, LOT, TCJ, NUM1, TXT2, KONTROLA)
SELECT {?COMPUTER}, 11, N.IDNRC, P.IDPOG, P.SFOSB, P.SFORG, N.SFVP,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.STPOG,
       CASE WHEN N.SFNRC = 'N' THEN 'Nakup ' ELSE 'Prodaja ' END || S.KRT || ', naročilo ' || N.STNRC,
       N.DAN, N.DAN, N.LOT - {@NVL}(N.LOTZPR, 0), N.GLVTCJ,
       CASE WHEN N.SFNRC = 'N' THEN 1 ELSE -1 END,
       N.SFGLVENT, TO_CHAR(N.STNRC)
FROM NRC N
JOIN POG P ON P.IDPOG = N.IDPOG
JOIN OSB O ON O.SFOSB = P.SFOSB
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE N.LOT > {@NVL}(N.LOTZPR, 0);

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

-- Bonds are quoted in percent of their nominal value.
UPDATE REPORT_SQL
SET ZNS = ROUND(NUM1 * LOT * {@NVL}(TCJ, 0)
          * CASE WHEN TXT2 = '%' THEN (SELECT S.NOMINALA FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP) / 100 ELSE 1 END, 2)
WHERE COMPUTER = {?COMPUTER}
  AND SFVP IS NOT NULL;

-- Management fees of the last closed period.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, NZV, KRT, OPIS, DAN, DAT1, ZNS, KONTROLA)
SELECT {?COMPUTER}, 11, 100000 + P.IDPOG, P.IDPOG, P.SFOSB, P.SFORG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.STPOG,
       'Upravljavska provizija ' || B.OPIS || ', ' || P.STPOG,
       LAST_DAY(Z.DAN), LAST_DAY(ADD_MONTHS(Z.DAN, 1)),
       ROUND(P.ZNS * 1.20 / 100 / 12, 2),
       TO_CHAR(P.IDPOG) || TO_CHAR(Z.IDOBD)
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
JOIN ZDN Z ON Z.SFDJV = P.SFDJV
JOIN OBD B ON B.IDOBD = Z.IDOBD
WHERE P.SFDJV = 'U'
  AND P.DAN <= LAST_DAY(Z.DAN)
  AND (P.DANKNZ IS NULL OR P.DANKNZ >= Z.DAN);

INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK, INTID);
