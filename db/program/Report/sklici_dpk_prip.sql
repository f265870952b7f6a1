-- Sklici za plačila: the monthly payment of every contract in force on the chosen
-- day, with its payment reference. The control number is the contract number; the
-- built-in function adds the two check digits (modulus 11) into KLJUCDPK.
-- Monthly amounts, a twelfth of the yearly rate of the contract amount:
--   portfolio management 1.20 %, lombard loan interest 6.50 %, custody 0.25 %,
--   investment advice 0.60 %. Brokerage is paid per order, the own account not at all.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, ID_POROCILA, INTID, IDPOG, SFOSB, SFORG, SFDJV, KRT, NZV, DAN, NUM1, ZNS, KONTROLA)
SELECT {?COMPUTER}, 12, P.IDPOG, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV, P.STPOG, P.NZV, {?DAN},
       CASE P.SFDJV WHEN 'U' THEN 1.20 WHEN 'L' THEN 6.50 WHEN 'C' THEN 0.25 ELSE 0.60 END,
       ROUND(P.ZNS * CASE P.SFDJV WHEN 'U' THEN 1.20 WHEN 'L' THEN 6.50 WHEN 'C' THEN 0.25 ELSE 0.60 END / 100 / 12, 2),
       TO_CHAR(P.IDPOG)
FROM POG P
WHERE P.SFDJV IN ('U', 'L', 'C', 'X')
  AND P.DAN <= {?DAN}
  AND (P.DANKNZ IS NULL OR P.DANKNZ >= {?DAN});

INTERNAL_FUNCTION KljucDPKPoModulu11(KONTROLA, KLJUCDPK, INTID);
