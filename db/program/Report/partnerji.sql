-- Partnerji: clients and business partners with their contracts, shown in the result
-- grid. The firm itself (the holder of the own-account contract), its users and its
-- brokers are not partners. Optionally only those of one place or one partner.
SELECT O.SFOSB AS SIFRA,
       O.NZV AS NAZIV,
       O.IME AS IME,
       O.NSL AS NASLOV,
       O.PST AS POSTA,
       O.MST AS KRAJ,
       O.SFDRZ AS DRZAVA,
       O.DVS AS DAVCNA,
       O.MTS AS MATICNA,
       O.TEL AS TELEFON,
       O.EML AS EPOSTA,
       O.ZRR AS RACUN,
       COUNT(P.IDPOG) AS POGODBE,
       SUM(P.ZNS) AS ZNESEK
FROM OSB O
LEFT JOIN POG P ON P.SFOSB = O.SFOSB
WHERE NOT EXISTS (SELECT 1 FROM POG K WHERE K.SFOSB = O.SFOSB AND K.SFDJV = 'K')
  AND NOT EXISTS (SELECT 1 FROM USR U WHERE U.SFOSB = O.SFOSB)
  AND NOT EXISTS (SELECT 1 FROM BRK B WHERE B.SFOSB = O.SFOSB)
?  AND O.MST = {?MST}
?  AND O.SFOSB = {?SFOSB}
GROUP BY O.SFOSB, O.NZV, O.IME, O.NSL, O.PST, O.MST, O.SFDRZ, O.DVS, O.MTS, O.TEL, O.EML, O.ZRR
ORDER BY O.NZV, O.IME
