-- Step 8: the laboratory keeps its work. One row of nalog per order of a patient (and of the visit
-- open at reception, when there was one): the discount as the order window showed it and the
-- page's amounts to the cent. nalog_stavka holds an order's analyses by their catalogue key, with
-- the name and price as the order showed them; a line without a price was added only to enter a
-- result. rezultat holds one result per line, with the unit and the reference ranges it was judged
-- against and its mark, so that a later change of the catalogue does not change a finding.
-- verzija counts the saves of an order and verzija_rezultata those of its results: a save names
-- the version it read and changes nothing when another desk saved in between. An order is
-- cancelled (otkazan), never deleted. ordinacija is the one row of the practice's details that
-- every printed report and bill carries in its header.
-- Dates are the driver's text form ("2026-12-09"), kept in that one form so that they sort.
-- Statements inside a trigger body put their semicolons at the start of a line, so that every
-- line that ends in a semicolon ends a statement of this file.
CREATE TABLE ordinacija (
    rbr     INTEGER NOT NULL PRIMARY KEY CHECK (rbr = 1),
    naziv   TEXT NOT NULL,
    adresa  TEXT NOT NULL,
    telefon TEXT NOT NULL,
    verzija INTEGER NOT NULL DEFAULT 1 CHECK (verzija >= 1)
);

INSERT INTO ordinacija (rbr, naziv, adresa, telefon) VALUES (1, '', '', '');

CREATE TABLE nalog (
    rbr               INTEGER NOT NULL PRIMARY KEY,
    rbr_adresar       INTEGER NOT NULL REFERENCES adresar (rbr),
    rbr_poseta        INTEGER REFERENCES poseta (rbr),
    datum             DATE NOT NULL CHECK (datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    popust            TEXT,
    cena_hem          NUMERIC(14,2),
    ukupno_hem        NUMERIC(14,2) NOT NULL,
    ukupno_biohem     NUMERIC(14,2) NOT NULL,
    ukupno_urin       NUMERIC(14,2) NOT NULL,
    svega             NUMERIC(14,2) NOT NULL,
    otkazan           SMALLINT NOT NULL DEFAULT 0 CHECK (otkazan IN (0, 1)),
    verzija           INTEGER NOT NULL DEFAULT 1 CHECK (verzija >= 1),
    verzija_rezultata INTEGER NOT NULL DEFAULT 1 CHECK (verzija_rezultata >= 1),
    upisano           TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP
);

-- One patient's orders, newest first, without a sort.
CREATE INDEX nalog_pacijent ON nalog (rbr_adresar, datum DESC, rbr DESC);

CREATE TABLE nalog_stavka (
    rbr            INTEGER NOT NULL PRIMARY KEY,
    rbr_nalog      INTEGER NOT NULL REFERENCES nalog (rbr),
    grupa          SMALLINT NOT NULL,
    podgrupa       SMALLINT NOT NULL,
    rbr_nalaza     SMALLINT NOT NULL,
    naziv          TEXT NOT NULL,
    naziv_trazenje TEXT,
    cena           NUMERIC(14,2),
    UNIQUE (rbr_nalog, grupa, podgrupa, rbr_nalaza)
);

CREATE TABLE rezultat (
    rbr_stavka INTEGER NOT NULL PRIMARY KEY REFERENCES nalog_stavka (rbr),
    vrednost   TEXT NOT NULL,
    jed_mere   VARCHAR(20),
    pol        SMALLINT,
    ref_m_nizi NUMERIC(10,3),
    ref_m_visi NUMERIC(10,3),
    ref_z_nizi NUMERIC(10,3),
    ref_z_visi NUMERIC(10,3),
    ocena      SMALLINT CHECK (ocena IN (-1, 0, 1)),
    oznaka     VARCHAR(1),
    datum      DATE NOT NULL CHECK (datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    upisano    TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP
);

-- The embedded driver leaves SQLite's foreign keys off, so triggers keep the same promises: an
-- order belongs to a patient of the address book (and to a visit, when it names one), a line to
-- an order and a result to a line; a patient or a visit with orders and a line with a result are
-- not deleted from under them.
CREATE TRIGGER nalog_pacijent_unos BEFORE INSERT ON nalog
WHEN NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'nalog: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER nalog_pacijent_izmena BEFORE UPDATE OF rbr_adresar ON nalog
WHEN NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'nalog: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER nalog_poseta_unos BEFORE INSERT ON nalog
WHEN NEW.rbr_poseta IS NOT NULL AND NOT EXISTS (SELECT 1 FROM poseta WHERE rbr = NEW.rbr_poseta)
BEGIN SELECT RAISE(ABORT, 'nalog: poseta ne postoji'); END;

CREATE TRIGGER adresar_nalozi BEFORE DELETE ON adresar
WHEN EXISTS (SELECT 1 FROM nalog WHERE rbr_adresar = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'adresar: pacijent ima laboratorijske naloge'); END;

CREATE TRIGGER poseta_nalozi BEFORE DELETE ON poseta
WHEN EXISTS (SELECT 1 FROM nalog WHERE rbr_poseta = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'poseta: poseta ima laboratorijske naloge'); END;

CREATE TRIGGER nalog_stavka_unos BEFORE INSERT ON nalog_stavka
WHEN NOT EXISTS (SELECT 1 FROM nalog WHERE rbr = NEW.rbr_nalog)
BEGIN SELECT RAISE(ABORT, 'nalog_stavka: nalog ne postoji'); END;

CREATE TRIGGER nalog_stavka_brisanje BEFORE DELETE ON nalog_stavka
WHEN EXISTS (SELECT 1 FROM rezultat WHERE rbr_stavka = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'nalog_stavka: analiza ima rezultat'); END;

CREATE TRIGGER rezultat_unos BEFORE INSERT ON rezultat
WHEN NOT EXISTS (SELECT 1 FROM nalog_stavka WHERE rbr = NEW.rbr_stavka)
BEGIN SELECT RAISE(ABORT, 'rezultat: analiza naloga ne postoji'); END;

-- The analysis name as the search reads it, folded as in step 6. A write of the folded copy itself
-- is folded again (SQLite does not fire a trigger from its own UPDATE).
CREATE VIEW trazenje_stavka_izvor AS
SELECT rbr,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(naziv,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS naziv
FROM nalog_stavka;

CREATE TRIGGER nalog_stavka_trazenje_unos AFTER INSERT ON nalog_stavka
BEGIN
    UPDATE nalog_stavka SET naziv_trazenje =
        (SELECT naziv FROM trazenje_stavka_izvor WHERE rbr = NEW.rbr) WHERE rbr = NEW.rbr
    ; END;

CREATE TRIGGER nalog_stavka_trazenje_izmena AFTER UPDATE OF naziv, naziv_trazenje ON nalog_stavka
BEGIN
    UPDATE nalog_stavka SET naziv_trazenje =
        (SELECT naziv FROM trazenje_stavka_izvor WHERE rbr = NEW.rbr) WHERE rbr = NEW.rbr
    ; END;
