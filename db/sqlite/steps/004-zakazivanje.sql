-- Step 4: the bookings of the day sheet, one row per booked half-hour slot. The unique
-- (datum, vreme) makes the database, not the program, refuse a second booking of a slot, whichever
-- desk comes second; its index also reads one day's rows without scanning the others. The driver stores dates and
-- times as text ("2026-12-08", "09:30:00"); the checks keep them in that one form, on the sheet's
-- half-hour grid, so that equal slots compare equal.
CREATE TABLE zakazivanje (
    rbr         INTEGER NOT NULL PRIMARY KEY,
    datum       DATE NOT NULL CHECK (datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    vreme       TIME NOT NULL
                CHECK (vreme GLOB '[0-2][0-9]:[03]0:00' AND vreme BETWEEN '07:00:00' AND '22:00:00'),
    opis        TEXT,
    rbr_adresar INTEGER REFERENCES adresar (rbr),
    UNIQUE (datum, vreme)
);

CREATE INDEX zakazivanje_pacijent ON zakazivanje (rbr_adresar);

-- The embedded driver leaves SQLite's foreign keys off, so triggers keep the same promise: no
-- booking names a patient the address book does not hold, and no patient with bookings is
-- deleted from under them.
CREATE TRIGGER zakazivanje_pacijent_unos BEFORE INSERT ON zakazivanje
WHEN NEW.rbr_adresar IS NOT NULL AND NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER zakazivanje_pacijent_izmena BEFORE UPDATE OF rbr_adresar ON zakazivanje
WHEN NEW.rbr_adresar IS NOT NULL AND NOT EXISTS (SELECT 1 FROM adresar WHERE rbr = NEW.rbr_adresar)
BEGIN SELECT RAISE(ABORT, 'zakazivanje: pacijent ne postoji u adresaru'); END;

CREATE TRIGGER adresar_zakazan BEFORE DELETE ON adresar
WHEN EXISTS (SELECT 1 FROM zakazivanje WHERE rbr_adresar = OLD.rbr)
BEGIN SELECT RAISE(ABORT, 'adresar: pacijent ima zakazane termine'); END;
