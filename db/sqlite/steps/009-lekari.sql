-- Step 9: the practice's doctors, and bookings per doctor with a status and a version. A slot is
-- one doctor's half hour of one day, so two doctors can both see patients at 09:00; a cancelled
-- booking stays stored with its status "otkazan" and frees its slot, which is why the uniqueness
-- is a partial index over the bookings that are not cancelled. verzija counts a booking's changes:
-- a change names the version it read and changes nothing when another desk changed it meanwhile.
-- pacijent keeps the patient's name once the address-book entry is deleted: a past or cancelled
-- booking stays with the day's history. One doctor exists from the start, and the bookings made
-- before this step are that doctor's. The unique (datum, vreme) of step 4 cannot be dropped from
-- an SQLite table, so the table is made again with the same keys.
CREATE TABLE lekar (
    rbr   INTEGER NOT NULL PRIMARY KEY,
    naziv TEXT NOT NULL UNIQUE CHECK (trim(naziv) <> '')
);

INSERT INTO lekar (naziv) VALUES ('Lekar');

CREATE TABLE zakazivanje_7 (
    rbr         INTEGER NOT NULL PRIMARY KEY,
    datum       DATE NOT NULL CHECK (datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    vreme       TIME NOT NULL
                CHECK (vreme GLOB '[0-2][0-9]:[03]0:00' AND vreme BETWEEN '07:00:00' AND '22:00:00'),
    opis        TEXT,
    rbr_adresar INTEGER REFERENCES adresar (rbr),
    rbr_lekar   INTEGER NOT NULL REFERENCES lekar (rbr),
    status      TEXT NOT NULL DEFAULT 'zakazan'
                CHECK (status IN ('zakazan', 'dosao', 'nije_dosao', 'otkazan')),
    verzija     INTEGER NOT NULL DEFAULT 1 CHECK (verzija >= 1),
    pacijent    TEXT
);

INSERT INTO zakazivanje_7 (rbr, datum, vreme, opis, rbr_adresar, rbr_lekar)
SELECT rbr, datum, vreme, opis, rbr_adresar, (SELECT MIN(rbr) FROM lekar) FROM zakazivanje;

DROP TRIGGER adresar_zakazan;

DROP TABLE zakazivanje;

ALTER TABLE zakazivanje_7 RENAME TO zakazivanje;

CREATE UNIQUE INDEX zakazivanje_termin ON zakazivanje (rbr_lekar, datum, vreme)
WHERE status <> 'otkazan';

-- One doctor's day with its cancelled bookings, which the partial index leaves out.
CREATE INDEX zakazivanje_dan ON zakazivanje (rbr_lekar, datum, vreme);

CREATE INDEX zakazivanje_pacijent ON zakazivanje (rbr_adresar);

-- The embedded driver leaves SQLite's foreign keys off: triggers keep the links, as in step 4.
CREATE TRIGGER zakazivanje_pacijent_unos BEFORE INSERT ON zakazivanje
WHEN NEW.rbr_adresar IS NOT NULL AND NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER zakazivanje_pacijent_izmena BEFORE UPDATE OF rbr_adresar ON zakazivanje
WHEN NEW.rbr_adresar IS NOT NULL AND NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER zakazivanje_lekar_unos BEFORE INSERT ON zakazivanje
WHEN NOT EXISTS (SELECT 1 FROM lekar WHERE rbr = NEW.rbr_lekar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: lekar ne postoji'); END;

CREATE TRIGGER zakazivanje_lekar_izmena BEFORE UPDATE OF rbr_lekar ON zakazivanje
WHEN NOT EXISTS (SELECT 1 FROM lekar WHERE rbr = NEW.rbr_lekar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: lekar ne postoji'); END;

CREATE TRIGGER lekar_zakazan BEFORE DELETE ON lekar
WHEN EXISTS (SELECT 1 FROM zakazivanje WHERE rbr_lekar = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'lekar: lekar ima termine'); END;

-- A patient with an upcoming booking (not cancelled, today or later) stays in the address book;
-- the other bookings keep the patient's name and let the entry go.
-- The statements inside the trigger put their semicolons at the start of a line, so that every
-- line that ends in a semicolon ends a statement of this file.
CREATE TRIGGER adresar_zakazan BEFORE DELETE ON adresar
BEGIN
    SELECT RAISE(ABORT, 'adresar: pacijent ima zakazane termine')
    WHERE EXISTS (SELECT 1 FROM zakazivanje WHERE rbr_adresar = OLD.rbr AND status = 'zakazan'
                  AND datum >= date('now', 'localtime'))
    ; UPDATE zakazivanje SET pacijent = trim(OLD.prezime || ' ' || OLD.ime), rbr_adresar = NULL
    WHERE rbr_adresar = OLD.rbr
    ; END;
