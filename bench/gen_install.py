#!/usr/bin/env python3
"""Write an SQL script that fills a large installation for benchmarks.

The script runs after db/schema.sql, instead of db/demo.sql. It starts with the
demo installation itself (db/demo.sql, copied once), so that the demo users,
report files, report kinds and settings keep working, and then adds the bulk
rows under keys far above the demo's: persons and contracts from 100001,
standard reports from 1001, user categories from 10001001, user reports and
their parameters from 10100001, delivery instructions from 100001 (the ID row
is moved past them at the end).

Same dialect as the other scripts: statements end with ';', dates are
'YYYY-MM-DD' text, multi-row INSERT ... VALUES in batches. The output depends
only on the options (random numbers come from --seed).
"""

import argparse
import datetime as dt
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DEMO = os.path.normpath(os.path.join(HERE, '..', 'db', 'demo.sql'))

# Bulk keys start here, well clear of the demo rows.
BASE_PERSON = 100001
BASE_EMPLOYEE = 90001
BASE_CONTRACT = 100001
BASE_ORDER = 100001
BASE_INSTRUCTION = 100001
BASE_ORG = 101
BASE_GROUP = 101
BASE_RIGHT = 1001
BASE_CATEGORY = 10001001
BASE_REPORT = 1001
BASE_PARAM = 100001
BASE_USER_REPORT = 10100001
BASE_SECURITY = 1001
BASE_PRICE = 100001
BASE_RATE = 100001
# days whose exchange rates the demo already holds
DEMO_RATE_DAYS = {'2024-12-31', '2025-06-30', '2025-12-31', '2026-06-30', '2026-11-30', '2026-12-09'}

FIRST_M = ['Janez', 'Franc', 'Marko', 'Andrej', 'Ivan', 'Anton', 'Peter', 'Jožef', 'Luka', 'Matej',
           'Tomaž', 'Boštjan', 'Gregor', 'Rok', 'Žiga', 'Jure', 'Aleš', 'Primož', 'Uroš', 'Blaž',
           'Matjaž', 'Simon', 'Nejc', 'Miha', 'Dušan', 'Stanislav', 'Zoran', 'Bojan', 'Igor', 'Klemen']
FIRST_F = ['Marija', 'Ana', 'Maja', 'Irena', 'Mojca', 'Nina', 'Mateja', 'Špela', 'Tjaša', 'Urška',
           'Katja', 'Petra', 'Barbara', 'Nataša', 'Alenka', 'Andreja', 'Jožica', 'Sonja', 'Metka', 'Tanja',
           'Eva', 'Sara', 'Lara', 'Nika', 'Ema', 'Živa', 'Helena', 'Vesna', 'Darja', 'Simona']
SURNAMES = ['Novak', 'Horvat', 'Kovačič', 'Krajnc', 'Zupančič', 'Potočnik', 'Kovač', 'Mlakar', 'Kos',
            'Vidmar', 'Golob', 'Turk', 'Božič', 'Kralj', 'Korošec', 'Zupan', 'Bizjak', 'Hribar', 'Kavčič',
            'Rozman', 'Žagar', 'Petek', 'Kolar', 'Jerman', 'Medved', 'Kastelic', 'Oblak', 'Žnidaršič',
            'Petrič', 'Dolenc', 'Pirc', 'Hočevar', 'Košir', 'Koren', 'Zajc', 'Rupnik', 'Sever', 'Lešnik',
            'Šinkovec', 'Čeh', 'Debeljak', 'Jenko', 'Perko', 'Pavlič', 'Tomažič', 'Erjavec', 'Gregorič',
            'Lesjak', 'Šuštar', 'Ferk', 'Kočevar', 'Šega', 'Čuk', 'Babič', 'Vovk', 'Mrak', 'Kern', 'Bregar']
STREETS = ['Prešernova ulica', 'Cankarjeva cesta', 'Trubarjeva cesta', 'Gregorčičeva ulica',
           'Kidričeva cesta', 'Ljubljanska cesta', 'Mariborska cesta', 'Čopova ulica', 'Župančičeva ulica',
           'Vojkova ulica', 'Partizanska cesta', 'Koroška cesta', 'Šolska ulica', 'Pod gradom', 'Ob Savinji',
           'Vegova ulica', 'Tržaška cesta', 'Goriška cesta', 'Kolodvorska ulica', 'Slovenska cesta',
           'Cesta svobode', 'Levstikova ulica', 'Ulica talcev', 'Kettejeva ulica', 'Jurčičeva ulica',
           'Aškerčeva cesta', 'Vrtna ulica', 'Sončna ulica', 'Gozdna pot', 'Cesta na Brdo']
TOWNS = [('1000', 'Ljubljana'), ('2000', 'Maribor'), ('3000', 'Celje'), ('4000', 'Kranj'),
         ('5000', 'Nova Gorica'), ('6000', 'Koper'), ('8000', 'Novo mesto'), ('9000', 'Murska Sobota'),
         ('1230', 'Domžale'), ('4260', 'Bled'), ('3320', 'Velenje'), ('2250', 'Ptuj'), ('1290', 'Grosuplje'),
         ('4220', 'Škofja Loka'), ('6310', 'Izola'), ('8250', 'Brežice'), ('2380', 'Slovenj Gradec'),
         ('3270', 'Laško'), ('5270', 'Ajdovščina'), ('1310', 'Ribnica'), ('9220', 'Lendava'),
         ('2310', 'Slovenska Bistrica'), ('4290', 'Tržič'), ('1360', 'Vrhnika'), ('1420', 'Trbovlje'),
         ('8270', 'Krško'), ('6320', 'Portorož'), ('4240', 'Radovljica'), ('3310', 'Žalec'), ('8340', 'Črnomelj')]
TRADES = [('Gradbeništvo', 'd.o.o.'), ('Mizarstvo', 's.p.'), ('Avtoprevozništvo', 'd.o.o.'),
          ('Pekarna', 'd.o.o.'), ('Elektroinštalacije', 's.p.'), ('Računovodstvo', 'd.o.o.'),
          ('Trgovina', 'd.o.o.'), ('Gostinstvo', 's.p.'), ('Vrtnarstvo', 's.p.'), ('Kleparstvo', 's.p.'),
          ('Inženiring', 'd.o.o.'), ('Svetovanje', 'd.o.o.')]
ACTIVITIES = [('U', 30), ('N', 35), ('L', 10), ('C', 12), ('X', 13)]
ACTIVITY_NAMES = {'U': 'upravljanje portfelja', 'N': 'borzno posredovanje', 'L': 'lombardni kredit',
                  'C': 'skrbništvo', 'X': 'investicijsko svetovanje'}
# Report files and scripts staged with the demo catalogue; bulk reports reuse them.
REPORT_FILES = [('pogodbe_seznam.rpt', 'pogodbe_seznam_prip.sql'), ('pogodba_kartica.rpt', 'pogodba_kartica_prip.sql'),
                ('pogodbe_org.rpt', None), ('pogodbe_navodila.rpt', None),
                ('partnerji_seznam.rpt', 'partnerji_seznam_prip.sql'), ('partnerji.sql', None),
                ('nalepke.rpt', None), ('tecajna_lista.rpt', None), ('konti_stanje.rpt', 'konti_stanje_prip.sql'),
                ('provizije.rpt', 'provizije_prip.sql'), ('odprte_postavke.rpt', 'odprte_postavke_prip.sql'),
                ('promet_vp.rpt', 'promet_vp_prip.sql'), ('stanje_portfelja.rpt', 'stanje_portfelja_prip.sql')]
REPORT_TITLES = ['Seznam pogodb', 'Kartica pogodbe', 'Pregled strank', 'Naslovne nalepke', 'Tečajna lista',
                 'Stanje na kontih', 'Obračun provizij', 'Odprte postavke', 'Promet z vrednostnimi papirji',
                 'Stanje portfelja', 'Pregled naročil', 'Mesečni izpis', 'Letni pregled', 'Kontrolni izpis',
                 'Statistika poslov', 'Pregled skrbniških računov']
CATEGORY_NAMES = ['Pogodbe', 'Partnerji', 'Finance', 'Vrednostni papirji', 'Računovodstvo', 'Kontrola',
                  'Skrbništvo', 'Upravljanje', 'Poročila za nadzornika', 'Statistika', 'Interni izpisi',
                  'Arhiv', 'Trženje', 'Lombardni posli', 'Svetovanje']
# Parameter templates: polje, naslov, operator, default, visible, kind, data type, key
KEY_OSB = ('OSB', 'SFOSB', 'N', 'NZV', 'S', 'T')
KEY_POG = ('POG', 'IDPOG', 'N', 'NZV', 'S', 'T')
KEY_ORG = ('ORG', 'SFORG', 'N', 'NZV', 'S', 'T')
KEY_DJV = ('DJV', 'SFDJV', 'S', 'NZV', 'S', 'T')
KEY_VP = ('SFVP', 'SFVP', 'N', 'KRT', 'S', 'T')
PARAM_TEMPLATES = [
    ('{?DAN}', 'Na dan', 0, '|DATUM|', 1, 'F', 'D', None),
    ('{?DANOD}', 'Od dne', 0, '01.01.2026', 1, 'F', 'D', None),
    ('{?DANDO}', 'Do dne', 0, '|KDATUM|', 1, 'F', 'D', None),
    ('{?IDPOG}', 'Pogodba', 0, '|POGODBA|', 1, 'F', 'N', KEY_POG),
    ('{?LETO}', 'Leto', 0, '|LETO|', 1, 'F', 'N', None),
    ('{?MESEC}', 'Mesec', 0, '|MESEC|', 1, 'F', 'N', None),
    ('{?IDOBD}', 'Obdobje', 0, '|IDOBD|', 0, 'F', 'N', None),
    ('{?KONTO}', 'Konto', 2, '760000', 1, 'F', 'K', None),
    ('{POG.DAN}', 'Datum sklenitve', 5, None, 1, 'S', 'D', None),
    ('{POG.SFDJV}', 'Dejavnost', 6, None, 1, 'S', 'S', KEY_DJV),
    ('{POG.SFORG}', 'Org. enota', 0, None, 1, 'S', 'N', KEY_ORG),
    ('{POG.SFOSB}', 'Stranka', 0, None, 1, 'S', 'T', KEY_OSB),
    ('{POG.IDPOG}', 'Pogodbe nad številko', 1, None, 1, 'S', 'N', None),
    ('{POG.DANKNZ}', 'Potečejo pred', 3, None, 1, 'S', 'D', None),
    ('{POG.DAN}', 'Sklenjene do', 4, '|DATUM|', 1, 'S', 'D', None),
    ('{POG.SFDJV}', 'Brez interne dejavnosti', 7, 'K', 0, 'S', 'S', None),
    ('{OSB.MST}', 'Kraj', 0, None, 1, 'S', 'S', None),
    ('{OSB.PST}', 'Poštna številka', 5, None, 1, 'S', 'S', None),
    ('{NRC.SFVP}', 'Vrednostni papir', 6, None, 1, 'S', 'N', KEY_VP),
    ('{REPORT_SQL.KONTO}', 'Konto', 5, None, 1, 'S', 'K', None),
    ('Valuta', 'Valuta', 0, '|DVALUTA|', 1, 'P', 'S', ('VLT', 'KRT', 'S', 'NZV', 'S', 'T')),
    ('Pripravil', 'Pripravil', 0, '|UPORABNIKIME|', 0, 'P', 'S', None),
]


class Writer:
    """Collects rows per table and writes them as multi-row INSERT statements."""

    def __init__(self, out, batch):
        self.out = out
        self.batch = batch

    def comment(self, text):
        self.out.write('\n-- ' + text + '\n')

    def rows(self, table, cols, rows):
        head = 'INSERT INTO %s (%s) VALUES\n' % (table, ', '.join(cols))
        chunk = []
        for r in rows:
            chunk.append('(' + ', '.join(lit(v) for v in r) + ')')
            if len(chunk) == self.batch:
                self.out.write(head + ',\n'.join(chunk) + ';\n')
                chunk = []
        if chunk:
            self.out.write(head + ',\n'.join(chunk) + ';\n')


def lit(v):
    if v is None:
        return 'NULL'
    if isinstance(v, bool):
        raise TypeError('no booleans in SQL literals')
    if isinstance(v, int):
        return str(v)
    if isinstance(v, float):
        return ('%.6f' % v).rstrip('0').rstrip('.') if abs(v) < 1e12 else repr(v)
    return "'" + str(v).replace("'", "''") + "'"


def tax_number(rnd):
    """Eight digits with the mod-11 check digit of the domestic tax number."""
    while True:
        d = [rnd.randint(1, 9)] + [rnd.randint(0, 9) for _ in range(6)]
        c = 11 - sum(a * w for a, w in zip(d, (8, 7, 6, 5, 4, 3, 2))) % 11
        if c == 11:
            continue
        return ''.join(map(str, d)) + str(0 if c == 10 else c)


def iban(rnd):
    bban = '%05d%08d' % (rnd.choice((2010, 3100, 4302, 5100, 6000, 10100, 19100, 24200)), rnd.randint(0, 99999999))
    for c in range(100):
        if int(bban + '%02d' % c + '281856') % 97 == 1:
            break
    s = 'SI56' + bban + '%02d' % c
    return ' '.join(s[i:i + 4] for i in range(0, len(s), 4))


def ascii_mail(*parts):
    t = str.maketrans('čšžćđČŠŽĆĐ', 'cszcdCSZCD')
    return '.'.join(p.lower().translate(t).replace(' ', '') for p in parts)


def random_date(rnd, start, end):
    return (start + dt.timedelta(days=rnd.randint(0, (end - start).days))).isoformat()


def business_days(end, count):
    days = []
    d = end
    while len(days) < count:
        if d.weekday() < 5:
            days.append(d)
        d -= dt.timedelta(days=1)
    return list(reversed(days))


def weighted(rnd, pairs):
    total = sum(w for _, w in pairs)
    x = rnd.uniform(0, total)
    for v, w in pairs:
        x -= w
        if x <= 0:
            return v
    return pairs[-1][0]


def generate(args, out):
    rnd = random.Random(args.seed)
    w = Writer(out, args.batch)
    today = dt.date(2026, 12, 9)

    out.write('-- Large installation (%d contracts), generated by bench/gen_install.py --seed %d.\n'
              % (args.contracts, args.seed))
    out.write('-- Runs after schema.sql, instead of demo.sql, whose rows it contains once.\n\n')
    with open(args.demo, encoding='utf-8') as f:
        demo = f.read()
    out.write(demo if demo.endswith('\n') else demo + '\n')

    w.comment('organisational units')
    orgs = []
    for i in range(args.orgs):
        pst, mst = TOWNS[i % len(TOWNS)]
        orgs.append((BASE_ORG + i, 'P%02d' % (i + 1), 'OVO finance d.d., poslovalnica %s' % mst,
                     '%s %d' % (rnd.choice(STREETS), rnd.randint(1, 120)), pst, mst, '39141772',
                     '5873920%03d' % (BASE_ORG + i), None, None, 'poslovalnica%d@ovo-finance.example' % (i + 1),
                     iban(rnd), 'Marko Zupančič', '%s %s' % (rnd.choice(FIRST_F), rnd.choice(SURNAMES)),
                     '%s %s' % (rnd.choice(FIRST_M), rnd.choice(SURNAMES))))
    w.rows('ORG', ['SFORG', 'KRT', 'NZV', 'NSL', 'PST', 'MST', 'DVS', 'MTS', 'TEL', 'FAX', 'EML', 'ZRR',
                   'DIREKTOR', 'PODPISNIKL', 'PODPISNIKD'], orgs)
    w.rows('PDB', ['SFORG', 'GLAVA', 'NOGA', 'OPOMBA', 'POUK'],
           [(o[0], o[2] + ', ' + o[3] + ', ' + o[4] + ' ' + o[5], 'Poslovalnica je odprta ob delavnikih med 8. in 16. uro.',
             None, None) for o in orgs])
    org_ids = [1, 2, 3] + [o[0] for o in orgs]

    w.comment('employees (persons of the users) and clients')

    def person_rows():
        for i in range(args.users):
            male = rnd.random() < 0.5
            ime = rnd.choice(FIRST_M if male else FIRST_F)
            nzv = rnd.choice(SURNAMES)
            pst, mst = rnd.choice(TOWNS)
            yield (BASE_EMPLOYEE + i, ime, nzv, '%s %d' % (rnd.choice(STREETS), rnd.randint(1, 150)), pst, mst,
                   'SI', tax_number(rnd), 'N', None, random_date(rnd, dt.date(1960, 1, 1), dt.date(2000, 12, 31)),
                   None, None, ascii_mail(ime, nzv) + '@ovo-finance.example', None, None)
        for i in range(args.persons):
            pst, mst = rnd.choice(TOWNS)
            nsl = '%s %d' % (rnd.choice(STREETS), rnd.randint(1, 150))
            tel = '0%d %03d %03d' % (rnd.choice((31, 40, 41, 51, 70)), rnd.randint(100, 999), rnd.randint(100, 999))
            if rnd.random() < 0.15:
                trade, form = rnd.choice(TRADES)
                nzv = '%s %s %s' % (trade, rnd.choice(SURNAMES), form)
                eml = 'info@' + ascii_mail(trade, str(BASE_PERSON + i)) + '.example' if rnd.random() < 0.8 else None
                yield (BASE_PERSON + i, None, nzv, nsl, pst, mst, 'SI', tax_number(rnd),
                       'D' if form == 'd.o.o.' or rnd.random() < 0.5 else 'N', '%07d000' % rnd.randint(1000000, 9999999),
                       None, tel, None, eml, None, iban(rnd))
            else:
                male = rnd.random() < 0.5
                ime = rnd.choice(FIRST_M if male else FIRST_F)
                nzv = rnd.choice(SURNAMES)
                eml = ascii_mail(ime, nzv) + '%d@posta.example' % i if rnd.random() < 0.85 else None
                email = ascii_mail(nzv, ime) + '%d@zasebno.example' % i if rnd.random() < 0.1 else None
                yield (BASE_PERSON + i, ime, nzv, nsl, pst, mst, 'SI', tax_number(rnd), 'N', None,
                       random_date(rnd, dt.date(1935, 1, 1), dt.date(2006, 12, 31)), tel, None, eml, email,
                       iban(rnd) if rnd.random() < 0.9 else None)
    w.rows('OSB', ['SFOSB', 'IME', 'NZV', 'NSL', 'PST', 'MST', 'SFDRZ', 'DVS', 'DZ', 'MTS', 'ROJ', 'TEL', 'FAX',
                   'EML', 'EMAIL', 'ZRR'], person_rows())

    w.comment('users, groups and rights')
    users = ['U%05d' % (i + 1) for i in range(args.users)]
    w.rows('USR', ['USR', 'SFOSB', 'SFORG', 'OPIS', 'AKT'],
           [(u, BASE_EMPLOYEE + i, rnd.choice(org_ids), 'Uporabnik poslovalnice', 'D' if rnd.random() < 0.95 else 'N')
            for i, u in enumerate(users)])
    groups = [BASE_GROUP + i for i in range(args.groups)]
    w.rows('GRP', ['IDGRP', 'NZV'], [(g, 'Skupina %d' % (g - BASE_GROUP + 1)) for g in groups])
    rights, rid = [], BASE_RIGHT
    for u in users:
        for code in ['010'] + (['090'] if rnd.random() < 0.1 else []) + (['100'] if rnd.random() < 0.2 else []):
            rights.append((rid, u, code))
            rid += 1
    w.rows('RGT', ['IDRGT', 'USR', 'SFRGT'], rights)
    membership = []
    for u in users:
        for g in sorted(rnd.sample(groups, min(len(groups), rnd.randint(1, 2)))):
            membership.append((g, u))
    w.rows('GRPUSR', ['IDGRP', 'USR'], membership)
    w.rows('GRPRGT', ['IDGRP', 'SFRGT'], [(g, '090' if g == BASE_GROUP else '010') for g in groups])

    w.comment('report catalogue: user-range categories, standard and user reports with parameters')
    cats = [(BASE_CATEGORY + i, CATEGORY_NAMES[i % len(CATEGORY_NAMES)] + ('' if i < len(CATEGORY_NAMES) else ' %d' % (i // len(CATEGORY_NAMES) + 1)),
             'POROCILA') for i in range(args.categories)]
    w.rows('KATEGORIJE', ['ID_KATEGORIJA', 'OPIS_KATEGORIJE', 'PROGRAM'], cats)
    reports, params = [], []
    n_user = args.reports // 10
    numbers = {}
    next_param = {False: BASE_PARAM, True: BASE_USER_REPORT}
    for i in range(args.reports):
        user = i >= args.reports - n_user
        rid_ = (BASE_USER_REPORT + i - (args.reports - n_user)) if user else BASE_REPORT + i
        cat = cats[i % len(cats)][0]
        numbers[cat] = numbers.get(cat, 0) + 1
        rpt, script = REPORT_FILES[i % len(REPORT_FILES)]
        flt = "{REPORT_SQL.COMPUTER} = '|COMPUTER|'" if script and rnd.random() < 0.5 else None
        reports.append((rid_, cat, numbers[cat] % 1000, '%s %d' % (rnd.choice(REPORT_TITLES), i + 1), rpt, script, flt))
        templates = rnd.sample(PARAM_TEMPLATES, rnd.randint(2, 8))
        if script:
            templates.append(('{?COMPUTER}', 'Računalnik', 0, '|COMPUTER|', 0, 'F', 'S', None))
        for sort, (polje, naslov, op, priv, vis, kind, dtype, key) in enumerate(templates, 1):
            k = key or (None,) * 6
            params.append((next_param[user], rid_, polje, naslov, op, priv, vis, kind, dtype, sort * 10,
                           'Y' if key else 'N') + k + (None, 'C'))
            next_param[user] += 1
    w.rows('POROCILA', ['ID_POROCILA', 'ID_KATEGORIJA', 'STEVILKA_POR', 'NASLOV_POR', 'DATOTEKA_POR',
                        'OPIS_POROCILA', 'FILTER_POROCILA'], reports)
    w.rows('POROCILA_PAR', ['ID_PARAMETRA', 'ID_POROCILA', 'POLJE', 'NASLOV_PAR', 'PREVERI', 'PRIVZETO', 'VIDNO',
                            'TIP_PAR', 'TIP_PODATKA', 'SORTIRANJE', 'KLJUC', 'TABELA', 'POLJEKLJUC', 'TIPKLJUC',
                            'POLJEOPIS', 'TIPOPIS', 'SOURCE', 'FILTER', 'TIPISKANJA'], params)
    report_ids = [r[0] for r in reports]
    denied = set()
    for u in users:
        if rnd.random() < 0.2:
            for r in rnd.sample(report_ids, min(len(report_ids), rnd.randint(1, 3))):
                denied.add((u, '220', str(r)))
    w.rows('RGTUSRDATA', ['USR', 'SFRGT', 'IDDATA'], sorted(denied))
    gdenied = set()
    for g in groups:
        for r in rnd.sample(report_ids, min(len(report_ids), rnd.randint(0, 5))):
            gdenied.add((g, '220', str(r)))
    w.rows('RGTGRPDATA', ['IDGRP', 'SFRGT', 'IDDATA'], sorted(gdenied))

    w.comment('securities, price list and exchange rates of the recent business days')
    days = business_days(today, args.price_days)
    secs = []
    for i in range(args.securities):
        krt = ''.join(rnd.choice('ABCDEFGHIJKLMNOPRSTUVZ') for _ in range(3)) + 'G'
        secs.append((BASE_SECURITY + i, krt, '%s %s d.d., redne delnice' % (rnd.choice(TRADES)[0], rnd.choice(SURNAMES)),
                     '978' if rnd.random() < 0.9 else '840', None))
    w.rows('SFVP', ['SFVP', 'KRT', 'NZV', 'SFVLTNMN', 'NOMINALA'], secs)

    def price_rows():
        pid = BASE_PRICE
        for s in secs:
            p = rnd.uniform(2, 300)
            for d in days:
                p = max(0.5, p * rnd.uniform(0.97, 1.03))
                yield (pid, s[0], d.isoformat(), round(p, 2), round(p * 0.985, 2), round(p * 1.012, 2),
                       round(p * 0.995, 2), round(p * 1.004, 2), float(rnd.randint(0, 500) * 10))
                pid += 1
    w.rows('TCN', ['IDTCN', 'SFVP', 'DAN', 'TCJ', 'TCJMIN', 'TCJMAX', 'TCJBID', 'TCJOFF', 'LOT'], price_rows())

    def rate_rows():
        rid2 = BASE_RATE
        level = {'840': 1.16, '756': 0.92, '826': 0.87}
        for d in days:
            if d.isoformat() in DEMO_RATE_DAYS:
                continue
            for v in ('978', '840', '756', '826'):
                if v != '978':
                    level[v] *= rnd.uniform(0.996, 1.004)
                yield (rid2, d.isoformat(), '0', v, 1.0 if v == '978' else round(level[v], 4), 1)
                rid2 += 1
    w.rows('VLN', ['IDVLN', 'DAN', 'SFVLN', 'SFVLT', 'TCJ', 'STV'], rate_rows())

    w.comment('contracts, orders and delivery instructions')
    n_clients = args.persons
    contract_djv = {}

    def contract_rows():
        for i in range(args.contracts):
            idpog = BASE_CONTRACT + i
            djv = weighted(rnd, ACTIVITIES)
            contract_djv[idpog] = djv
            sf = BASE_PERSON + rnd.randrange(n_clients)
            dan = random_date(rnd, dt.date(2005, 1, 1), dt.date(2026, 12, 1))
            knz = None
            if djv in ('L', 'X') or rnd.random() < 0.1:
                knz = random_date(rnd, dt.date.fromisoformat(dan) + dt.timedelta(days=180), dt.date(2031, 12, 31))
            txt = None
            if rnd.random() < 0.05:
                pst, mst = rnd.choice(TOWNS)
                txt = '%s %s\n%s %d\n\n%s %s' % (rnd.choice(FIRST_F + FIRST_M), rnd.choice(SURNAMES),
                                                 rnd.choice(STREETS), rnd.randint(1, 99), pst, mst)
            yield (idpog, '%s-%s/%06d' % (djv, dan[:4], i + 1), 'Pogodba %d - %s' % (idpog, ACTIVITY_NAMES[djv]),
                   sf, djv, rnd.choice(org_ids), rnd.choice(('B01', 'B02')) if djv in ('U', 'N') else None,
                   dan, knz, 'KDD%06d' % rnd.randint(0, 999999), txt, '978', float(rnd.randint(1, 500) * 1000))
    w.rows('POG', ['IDPOG', 'STPOG', 'NZV', 'SFOSB', 'SFDJV', 'SFORG', 'SFBRK', 'DAN', 'DANKNZ', 'KRTKDD',
                   'TXTNSL', 'SFVLT', 'ZNS'], contract_rows())

    brokerage = [c for c, d in contract_djv.items() if d == 'N'] or list(contract_djv)
    sec_ids = [10, 11, 12, 13, 14, 15] + [s[0] for s in secs]

    def order_rows():
        for i in range(args.orders):
            idpog = rnd.choice(brokerage)
            d = rnd.choice(days) if days else today
            dog = 'P' if rnd.random() < 0.35 else 'O'
            snr = rnd.choice('KKKCsS')
            lot = float(rnd.randint(1, 100) * 10)
            limit = rnd.random() < 0.6
            spr = dt.datetime.combine(d, dt.time(rnd.randint(8, 15), rnd.randint(0, 59), rnd.randint(0, 59)))
            stn = spr + dt.timedelta(minutes=rnd.randint(1, 240))
            trm = rnd.choice('DRP')
            yield (BASE_ORDER + i, idpog, 100000 + i, d.isoformat(), spr.strftime('%Y-%m-%d %H:%M:%S'),
                   stn.strftime('%Y-%m-%d %H:%M:%S'), dog, snr, rnd.randint(1, 4), rnd.choice('NP'),
                   rnd.choice(sec_ids), lot, 'L' if limit else 'T', 'E', round(rnd.uniform(2, 300), 2) if limit else None,
                   rnd.choice('BBVM'), lot / 2 if rnd.random() < 0.1 else None, trm,
                   (d + dt.timedelta(days=30)).isoformat() if trm == 'R' else None, 'N', rnd.choice(('B01', 'B02')),
                   rnd.choice('SSZ'), rnd.choice('OOOV'), 'B', lot if rnd.random() < 0.2 else 0.0,
                   'Izvrši po najboljši ceni v dnevu' if dog == 'O' and snr == 'K' else None)
    w.rows('NRC', ['IDNRC', 'IDPOG', 'STNRC', 'DAN', 'SPR', 'STN', 'DOGNRC', 'SFSNR', 'SFTRG', 'SFNRC', 'SFVP', 'LOT',
                   'SFNRCTCJ', 'SFGLVENT', 'GLVTCJ', 'SFNRCPGJ', 'LOTMIN', 'SFNRCTRM', 'ROK', 'SFDJV', 'SFBRK',
                   'SFPRO', 'SFPRI', 'BESTEXEC', 'LOTZPR', 'NVD'], order_rows())

    last_instruction = [BASE_INSTRUCTION - 1]

    def instruction_rows():
        iid = BASE_INSTRUCTION
        contracts = list(contract_djv)
        picked = sorted(rnd.sample(contracts, min(len(contracts), args.instructions)))
        for idpog in picked:
            kind = 2 if contract_djv[idpog] == 'N' else rnd.choice((1, 3))
            code = weighted(rnd, [('EMAIL_DA', 45), ('POSTA_DA', 25), ('POSTA_NE', 20), ('EMAIL_NE', 10)])
            mails = (None, None, None)
            if code == 'EMAIL_DA' and rnd.random() < 0.8:
                mails = ('stranka%d@posta.example' % idpog, 'racunovodstvo%d@posta.example' % idpog if rnd.random() < 0.2 else None, None)
            yield (iid, kind, idpog, '', code) + mails + ('D' if rnd.random() < 0.9 else 'N',)
            last_instruction[0] = iid
            iid += 1
    w.rows('RPT_POG', ['IDRPTPOG', 'IDREPORT', 'IDPOG', 'VRSTA', 'NAVODILO', 'EMAIL', 'EMAIL1', 'EMAIL2', 'AKT'],
           instruction_rows())
    if last_instruction[0] >= BASE_INSTRUCTION:
        out.write('UPDATE ID SET IdRptPog = %d WHERE Id = 1;\n' % last_instruction[0])

    if args.computer:
        w.comment('automatic preparation settings of the benchmark computer')
        w.rows('RPT_SETTINGS', ['COMPUTER', 'NAME', 'VALUE'], [
            (args.computer, 'PDFFile', '/tmp/ovo-bench/Porocilo.pdf'),
            (args.computer, 'smtp', '127.0.0.1'),
            (args.computer, 'title', 'OVO finance d.d.'),
            (args.computer, 'email', 'porocila@ovo-finance.example'),
            (args.computer, 'avtorizacija', 'N'),
            (args.computer, 'directexport', 'D'),
            (args.computer, 'zunanjetiskanje', 'D'),
            (args.computer, 'vrstatiskanja', 'XEROX'),
            (args.computer, 'datotekatiskanja', '/tmp/ovo-bench/xerox_%YYYY%%MM%%DD%.txt'),
            (args.computer, 'porocilo_sendemail', 'N'),
        ])


def main(argv=None):
    p = argparse.ArgumentParser(
        description='Write an SQL script that fills a large installation (run it after db/schema.sql, '
                    'instead of db/demo.sql). The demo rows are included once; bulk rows follow.')
    p.add_argument('-o', '--output', help='write to this file instead of standard output')
    p.add_argument('--contracts', type=int, default=100000, help='contracts (POG), default %(default)s')
    p.add_argument('--persons', type=int, help='client persons and companies (OSB), default 3/4 of the contracts')
    p.add_argument('--orders', type=int, help='client orders (NRC), default as many as contracts')
    p.add_argument('--instructions', type=int, help='delivery instructions (RPT_POG), default 1/4 of the contracts')
    p.add_argument('--users', type=int, default=200, help='users with their persons, default %(default)s')
    p.add_argument('--groups', type=int, default=10, help='user groups, default %(default)s')
    p.add_argument('--orgs', type=int, default=12, help='additional organisational units, default %(default)s')
    p.add_argument('--categories', type=int, default=25, help='report categories, default %(default)s')
    p.add_argument('--reports', type=int, default=500, help='reports (a tenth in the user range), default %(default)s')
    p.add_argument('--securities', type=int, default=200, help='securities with a price list, default %(default)s')
    p.add_argument('--price-days', type=int, default=260, help='business days of prices and rates, default %(default)s')
    p.add_argument('--computer', help='also write automatic-preparation settings for this computer name')
    p.add_argument('--seed', type=int, default=1, help='random seed, default %(default)s')
    p.add_argument('--batch', type=int, default=500, help='rows per INSERT statement, default %(default)s')
    p.add_argument('--demo', default=DEFAULT_DEMO, help='demo script to include (default: db/demo.sql)')
    args = p.parse_args(argv)
    if args.persons is None:
        args.persons = max(1, args.contracts * 3 // 4)
    if args.orders is None:
        args.orders = args.contracts
    if args.instructions is None:
        args.instructions = args.contracts // 4
    for name in ('contracts', 'persons', 'orders', 'instructions', 'users', 'groups', 'orgs', 'categories',
                 'reports', 'securities', 'price_days', 'batch'):
        if getattr(args, name) < 0 or (name in ('persons', 'groups', 'categories', 'batch') and getattr(args, name) < 1):
            p.error('--%s is out of range' % name.replace('_', '-'))
    if args.orgs > len(TOWNS) * 10:
        p.error('--orgs is out of range')

    if args.output:
        with open(args.output, 'w', encoding='utf-8', newline='\n') as out:
            generate(args, out)
    else:
        out = open(sys.stdout.fileno(), 'w', encoding='utf-8', newline='\n', closefd=False)
        generate(args, out)
        out.flush()


if __name__ == '__main__':
    main()
