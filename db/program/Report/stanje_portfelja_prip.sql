-- Stanje portfelja: the statement of a contract on a day (also run unattended for
-- every contract of the monthly statements): the securities held, valued at the last
-- price of the list on or before the day, and the money account (the contract
-- amount plus sales minus purchases). Without a contract chosen, the statements of
-- all client contracts in force are prepared.
-- The day is the end of the period when the run gives one, else the chosen day.
-- Rows: INTID = SFVP for a security, 999999 for the money account; rows with a
-- negative INTID are the orders that make up the money account, removed at the end.
-- The unattended run executes every statement as it is: no SELECT, no built-in call.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

-- Money account of every contract, with the statement day; the later steps take the
-- day and the contracts from these rows.
INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, KRT, NZV, IME, NSL, PST, MST, DAN, TXT1, ZNS)
SELECT {?COMPUTER}, 999999, P.IDPOG, P.SFOSB, P.SFORG, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST,
       COALESCE(
?               {?DANDO},
                {?DAN}, NULL),
       'Denarna sredstva', P.ZNS
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
WHERE P.SFDJV <> 'K'
?  AND P.IDPOG = {?IDPOG}
;

-- Only the contracts in force on the day.
DELETE FROM REPORT_SQL
WHERE COMPUTER = {?COMPUTER}
  AND EXISTS (SELECT 1 FROM POG P
              WHERE P.IDPOG = REPORT_SQL.IDPOG
                AND (P.DAN > REPORT_SQL.DAN OR P.DANKNZ < REPORT_SQL.DAN));

-- Holdings: bought minus sold up to the day.
INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, SFVP, KRT, NZV, IME, NSL, PST, MST, DAN, TXT1, LOT, NUM1)
SELECT M.COMPUTER, N.SFVP, M.IDPOG, M.SFOSB, M.SFORG, N.SFVP, M.KRT, M.NZV, M.IME, M.NSL, M.PST, M.MST, M.DAN,
       S.KRT || ' - ' || S.NZV,
       SUM(CASE WHEN N.SFNRC = 'N' THEN N.LOT ELSE -N.LOT END), 1
FROM REPORT_SQL M
JOIN NRC N ON N.IDPOG = M.IDPOG AND N.DAN <= M.DAN
JOIN SFVP S ON S.SFVP = N.SFVP
WHERE M.COMPUTER = {?COMPUTER}
  AND M.INTID = 999999
GROUP BY M.COMPUTER, N.SFVP, M.IDPOG, M.SFOSB, M.SFORG, M.KRT, M.NZV, M.IME, M.NSL, M.PST, M.MST, M.DAN, S.KRT, S.NZV
HAVING SUM(CASE WHEN N.SFNRC = 'N' THEN N.LOT ELSE -N.LOT END) > 0;

-- The orders up to the day, for the money account: a purchase -1, a sale +1.
INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFVP, DAN, LOT, TCJ, NUM1)
SELECT M.COMPUTER, -N.IDNRC, M.IDPOG, N.SFVP, N.DAN, N.LOT, N.GLVTCJ,
       CASE WHEN N.SFNRC = 'N' THEN -1 ELSE 1 END
FROM REPORT_SQL M
JOIN NRC N ON N.IDPOG = M.IDPOG AND N.DAN <= M.DAN
WHERE M.COMPUTER = {?COMPUTER}
  AND M.INTID = 999999;

-- Prices: holdings on the day, market orders on their trade day.
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

-- Values; a bond (with a nominal value) is quoted in percent of it.
UPDATE REPORT_SQL
SET ZNS = ROUND(NUM1 * LOT * COALESCE(TCJ, 0)
          * COALESCE((SELECT S.NOMINALA / 100 FROM SFVP S WHERE S.SFVP = REPORT_SQL.SFVP), 1), 2)
WHERE COMPUTER = {?COMPUTER}
  AND SFVP IS NOT NULL;

UPDATE REPORT_SQL
SET ZNS = ROUND(ZNS + COALESCE((SELECT SUM(R.ZNS) FROM REPORT_SQL R
                                WHERE R.COMPUTER = REPORT_SQL.COMPUTER
                                  AND R.IDPOG = REPORT_SQL.IDPOG
                                  AND R.INTID < 0), 0), 2)
WHERE COMPUTER = {?COMPUTER}
  AND INTID = 999999;

DELETE FROM REPORT_SQL
WHERE COMPUTER = {?COMPUTER}
  AND INTID < 0;
