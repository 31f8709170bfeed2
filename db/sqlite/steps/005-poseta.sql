-- Step 5: the reception visits. One row of poseta per visit; every field of the reception form is a
-- row of poseta_polje named by its control, so that the form can gain fields without a column per
-- control and a search can ask for one field across visits. verzija counts the saves of a visit:
-- a save names the version it read and changes nothing when another desk saved in between.
-- Dates are the driver's text form ("2026-12-09"), kept in that one form so that they sort.
CREATE TABLE poseta (
    rbr            INTEGER NOT NULL PRIMARY KEY,
    rbr_adresar    INTEGER NOT NULL REFERENCES adresar (rbr),
    datum          DATE NOT NULL CHECK (datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    broj_protokola TEXT,
    lekar          TEXT,
    verzija        INTEGER NOT NULL DEFAULT 1 CHECK (verzija >= 1),
    upisano        TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP
);

-- One patient's visits, newest first, without a sort.
CREATE INDEX poseta_pacijent ON poseta (rbr_adresar, datum DESC, rbr DESC);

CREATE TABLE poseta_polje (
    rbr_poseta INTEGER NOT NULL REFERENCES poseta (rbr) ON DELETE CASCADE,
    polje      TEXT NOT NULL,
    vrednost   TEXT NOT NULL,
    PRIMARY KEY (rbr_poseta, polje)
);

-- One field across all visits.
CREATE INDEX poseta_polje_polje ON poseta_polje (polje, rbr_poseta);

-- The embedded driver leaves SQLite's foreign keys off, so triggers keep the same promises: a visit
-- belongs to a patient of the address book, a field to a visit, a patient with visits is not
-- deleted from under them, and a deleted visit takes its fields along.
CREATE TRIGGER poseta_pacijent_unos BEFORE INSERT ON poseta
WHEN NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'poseta: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER poseta_pacijent_izmena BEFORE UPDATE OF rbr_adresar ON poseta
WHEN NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'poseta: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER adresar_posete BEFORE DELETE ON adresar
WHEN EXISTS (SELECT 1 FROM poseta WHERE rbr_adresar = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'adresar: pacijent ima posete'); END;

CREATE TRIGGER poseta_polje_unos BEFORE INSERT ON poseta_polje
WHEN NOT EXISTS (SELECT 1 FROM poseta WHERE rbr = NEW.rbr_poseta)
BEGIN SELECT RAISE(ABORT, 'poseta_polje: poseta ne postoji'); END;

CREATE TRIGGER poseta_brisanje AFTER DELETE ON poseta
BEGIN DELETE FROM poseta_polje WHERE rbr_poseta = OLD.rbr; END;
