-- Bruto bilanca: debit (NUM1) and credit (NUM2) turnover of every account up to the
-- chosen day, one row per account and side, so that both sums are equal:
--   contracts in force on the day: lombard loans 120000 paid from the money account
--   110000, client money for brokerage 110000 owed to the clients on 220000, and the
--   clients' assets under management 980000 and in custody 981000 against their
--   off-balance counterparts 990000 and 991000;
--   commissions of the executed limit orders up to the day, 0.30 % reduced, else
--   0.50 % of the order value, received on 110000 as income on 760000.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

-- The contract amounts by kind; a kind without contracts gives a zero row.
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 120000, '120000', 'Lombardna posojila strankam',
       {@NVL}(SUM(P.ZNS), 0), 0
FROM POG P
WHERE P.SFDJV = 'L' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 110001, '110000', 'Denarna sredstva: izplačana lombardna posojila',
       0, {@NVL}(SUM(P.ZNS), 0)
FROM POG P
WHERE P.SFDJV = 'L' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 110002, '110000', 'Denarna sredstva: sredstva strank za nakupe',
       {@NVL}(SUM(P.ZNS), 0), 0
FROM POG P
WHERE P.SFDJV = 'N' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 220000, '220000', 'Obveznosti do strank za denarna sredstva',
       0, {@NVL}(SUM(P.ZNS), 0)
FROM POG P
WHERE P.SFDJV = 'N' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 980000, '980000', 'Sredstva strank v upravljanju',
       {@NVL}(SUM(P.ZNS), 0), 0
FROM POG P
WHERE P.SFDJV = 'U' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 990000, '990000', 'Obveznosti za sredstva strank v upravljanju',
       0, {@NVL}(SUM(P.ZNS), 0)
FROM POG P
WHERE P.SFDJV = 'U' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 981000, '981000', 'Sredstva strank v hrambi',
       {@NVL}(SUM(P.ZNS), 0), 0
FROM POG P
WHERE P.SFDJV = 'C' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 991000, '991000', 'Obveznosti za sredstva strank v hrambi',
       0, {@NVL}(SUM(P.ZNS), 0)
FROM POG P
WHERE P.SFDJV = 'C' AND P.DAN <= {?DAN} AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

-- Commissions: the limit orders up to the day, at their limit price (bonds, quoted
-- in percent, are left out).
INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 110003, '110000', 'Denarna sredstva: prejete provizije',
       {@NVL}(SUM(ROUND(N.LOT * N.GLVTCJ * CASE WHEN N.SFPRO = 'Z' THEN 0.30 ELSE 0.50 END / 100, 2)), 0), 0
FROM NRC N
WHERE N.DAN <= {?DAN} AND N.GLVTCJ IS NOT NULL AND N.SFGLVENT <> '%';

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, KONTO, OPIS, NUM1, NUM2)
SELECT {?COMPUTER}, 15, 760000, '760000', 'Prihodki od provizij',
       0, {@NVL}(SUM(ROUND(N.LOT * N.GLVTCJ * CASE WHEN N.SFPRO = 'Z' THEN 0.30 ELSE 0.50 END / 100, 2)), 0)
FROM NRC N
WHERE N.DAN <= {?DAN} AND N.GLVTCJ IS NOT NULL AND N.SFGLVENT <> '%';
