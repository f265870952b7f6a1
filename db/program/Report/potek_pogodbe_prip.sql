-- Obvestilo o poteku pogodbe: prepared unattended for one contract at a time, when
-- the contract ends within the period: the addressee, the contract number and its
-- last day.
-- The unattended run executes every statement as it is: no SELECT, no built-in call.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, SFDJV, KRT, NZV, IME, NSL, PST, MST, DAN, ZNS, TXT1)
SELECT {?COMPUTER}, P.IDPOG, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST, P.DANKNZ, P.ZNS, D.NZV
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
LEFT JOIN DJV D ON D.SFDJV = P.SFDJV
WHERE P.IDPOG = {?IDPOG}
  AND P.DANKNZ IS NOT NULL
?  AND P.DANKNZ >= {?DANOD}
?  AND P.DANKNZ <= {?DANDO}
;
