-- Potrdilo o izvršenih naročilih: prepared unattended for one contract at a time.
-- One row for the contract when it has orders in the period: the addressee, the
-- period and the number of orders (INT1); the orders themselves are printed from NRC.
-- The unattended run executes every statement as it is: no SELECT, no built-in call.

DELETE FROM REPORT_SQL WHERE COMPUTER = {?COMPUTER};

INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFOSB, SFORG, SFDJV, KRT, NZV, IME, NSL, PST, MST, DANOD)
SELECT {?COMPUTER}, P.IDPOG, P.IDPOG, P.SFOSB, P.SFORG, P.SFDJV, P.STPOG,
       CASE WHEN O.IME IS NULL THEN O.NZV ELSE O.IME || ' ' || O.NZV END,
       P.NZV, O.NSL, O.PST, O.MST, {?DANOD}
FROM POG P
JOIN OSB O ON O.SFOSB = P.SFOSB
WHERE P.IDPOG = {?IDPOG}
  AND EXISTS (SELECT 1 FROM NRC N
              WHERE N.IDPOG = P.IDPOG
                AND N.DAN >= {?DANOD}
?               AND N.DAN <= {?DANDO}
             );

-- The end of the period, when the run has one.
?UPDATE REPORT_SQL SET DANDO = {?DANDO} WHERE COMPUTER = {?COMPUTER};

UPDATE REPORT_SQL
SET INT1 = (SELECT COUNT(*) FROM NRC N
            WHERE N.IDPOG = REPORT_SQL.IDPOG
              AND N.DAN >= REPORT_SQL.DANOD
              AND N.DAN <= COALESCE(REPORT_SQL.DANDO, N.DAN))
WHERE COMPUTER = {?COMPUTER};
