-- Step 7: the history of changes. Whatever an UPDATE or DELETE takes away from an address-book
-- entry or a saved visit is kept here first, by the database's own triggers, so that no path of
-- the program (nor a desk writing past it) overwrites a value without a trace. One row per field:
-- which table's record (a visit's own columns and its form fields both count as the visit's), the
-- field (a column, or the form field's stored key), the value it had, when, and which desk.
-- istorija_pult holds the computer's user, which the program writes when it connects: a trigger
-- of the main database cannot read a connection's TEMP table, and the embedded database belongs
-- to one user's data folder anyway. Without a row the desk stays NULL and the history is kept all
-- the same. The history is only ever added to: changing or deleting it is refused.
-- Statements inside a trigger body put their semicolons at the start of a line, so that every
-- line that ends in a semicolon ends a statement of this file.
CREATE TABLE istorija (
    rbr            INTEGER NOT NULL PRIMARY KEY,
    tabela         TEXT NOT NULL CHECK (tabela IN ('adresar', 'poseta')),
    rbr_zapisa     INTEGER NOT NULL,
    polje          TEXT NOT NULL,
    stara_vrednost TEXT,
    radnja         TEXT NOT NULL CHECK (radnja IN ('izmena', 'brisanje')),
    kada           TIMESTAMP NOT NULL DEFAULT (datetime('now', 'localtime')),
    pult           TEXT
);

-- One record's history, newest first.
CREATE INDEX istorija_zapis ON istorija (tabela, rbr_zapisa, rbr DESC);

CREATE TABLE istorija_pult (
    korisnik TEXT NOT NULL
);

CREATE TRIGGER istorija_bez_izmene BEFORE UPDATE ON istorija
BEGIN SELECT RAISE(ABORT, 'istorija: zapis istorije se ne menja'); END;

CREATE TRIGGER istorija_bez_brisanja BEFORE DELETE ON istorija
BEGIN SELECT RAISE(ABORT, 'istorija: zapis istorije se ne briše'); END;

CREATE TRIGGER adresar_istorija_izmena AFTER UPDATE ON adresar
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    SELECT 'adresar', OLD.rbr, polje, CAST(stara AS TEXT), 'izmena',
        (SELECT korisnik FROM istorija_pult LIMIT 1)
    FROM (SELECT 'ime' AS polje, OLD.ime AS stara, NEW.ime AS nova
        UNION ALL SELECT 'prezime', OLD.prezime, NEW.prezime
        UNION ALL SELECT 's_slovo', OLD.s_slovo, NEW.s_slovo
        UNION ALL SELECT 'mbr', OLD.mbr, NEW.mbr
        UNION ALL SELECT 'pol', OLD.pol, NEW.pol
        UNION ALL SELECT 'status', OLD.status, NEW.status
        UNION ALL SELECT 'ulica', OLD.ulica, NEW.ulica
        UNION ALL SELECT 'grad', OLD.grad, NEW.grad
        UNION ALL SELECT 'telefon', OLD.telefon, NEW.telefon
        UNION ALL SELECT 'mob_telefon', OLD.mob_telefon, NEW.mob_telefon
        UNION ALL SELECT 'fax', OLD.fax, NEW.fax
        UNION ALL SELECT 'email', OLD.email, NEW.email
        UNION ALL SELECT 'firma', OLD.firma, NEW.firma
        UNION ALL SELECT 'dept', OLD.dept, NEW.dept
        UNION ALL SELECT 'p_ulica', OLD.p_ulica, NEW.p_ulica
        UNION ALL SELECT 'p_grad', OLD.p_grad, NEW.p_grad
        UNION ALL SELECT 'p_telefon1', OLD.p_telefon1, NEW.p_telefon1
        UNION ALL SELECT 'p_telefon2', OLD.p_telefon2, NEW.p_telefon2
        UNION ALL SELECT 'p_fax', OLD.p_fax, NEW.p_fax
        UNION ALL SELECT 'p_email', OLD.p_email, NEW.p_email
        UNION ALL SELECT 'napomena', OLD.napomena, NEW.napomena)
    WHERE stara IS NOT nova
    ; END;

CREATE TRIGGER adresar_istorija_brisanje AFTER DELETE ON adresar
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    SELECT 'adresar', OLD.rbr, polje, CAST(stara AS TEXT), 'brisanje',
        (SELECT korisnik FROM istorija_pult LIMIT 1)
    FROM (SELECT 'ime' AS polje, OLD.ime AS stara
        UNION ALL SELECT 'prezime', OLD.prezime
        UNION ALL SELECT 's_slovo', OLD.s_slovo
        UNION ALL SELECT 'mbr', OLD.mbr
        UNION ALL SELECT 'pol', OLD.pol
        UNION ALL SELECT 'status', OLD.status
        UNION ALL SELECT 'ulica', OLD.ulica
        UNION ALL SELECT 'grad', OLD.grad
        UNION ALL SELECT 'telefon', OLD.telefon
        UNION ALL SELECT 'mob_telefon', OLD.mob_telefon
        UNION ALL SELECT 'fax', OLD.fax
        UNION ALL SELECT 'email', OLD.email
        UNION ALL SELECT 'firma', OLD.firma
        UNION ALL SELECT 'dept', OLD.dept
        UNION ALL SELECT 'p_ulica', OLD.p_ulica
        UNION ALL SELECT 'p_grad', OLD.p_grad
        UNION ALL SELECT 'p_telefon1', OLD.p_telefon1
        UNION ALL SELECT 'p_telefon2', OLD.p_telefon2
        UNION ALL SELECT 'p_fax', OLD.p_fax
        UNION ALL SELECT 'p_email', OLD.p_email
        UNION ALL SELECT 'napomena', OLD.napomena)
    WHERE stara IS NOT NULL
    ; END;

-- A visit's own columns; its version and the time of its last save are the save's bookkeeping.
CREATE TRIGGER poseta_istorija_izmena AFTER UPDATE ON poseta
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    SELECT 'poseta', OLD.rbr, polje, CAST(stara AS TEXT), 'izmena',
        (SELECT korisnik FROM istorija_pult LIMIT 1)
    FROM (SELECT 'rbr_adresar' AS polje, OLD.rbr_adresar AS stara, NEW.rbr_adresar AS nova
        UNION ALL SELECT 'datum', OLD.datum, NEW.datum
        UNION ALL SELECT 'broj_protokola', OLD.broj_protokola, NEW.broj_protokola
        UNION ALL SELECT 'lekar', OLD.lekar, NEW.lekar)
    WHERE stara IS NOT nova
    ; END;

CREATE TRIGGER poseta_istorija_brisanje AFTER DELETE ON poseta
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    SELECT 'poseta', OLD.rbr, polje, CAST(stara AS TEXT), 'brisanje',
        (SELECT korisnik FROM istorija_pult LIMIT 1)
    FROM (SELECT 'rbr_adresar' AS polje, OLD.rbr_adresar AS stara
        UNION ALL SELECT 'datum', OLD.datum
        UNION ALL SELECT 'broj_protokola', OLD.broj_protokola
        UNION ALL SELECT 'lekar', OLD.lekar)
    WHERE stara IS NOT NULL
    ; END;

-- A visit's form fields: a field emptied on the form is deleted, a changed one updated.
CREATE TRIGGER poseta_polje_istorija_izmena AFTER UPDATE ON poseta_polje
WHEN OLD.vrednost IS NOT NEW.vrednost OR OLD.polje IS NOT NEW.polje
    OR OLD.rbr_poseta IS NOT NEW.rbr_poseta
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    VALUES ('poseta', OLD.rbr_poseta, OLD.polje, OLD.vrednost, 'izmena',
        (SELECT korisnik FROM istorija_pult LIMIT 1))
    ; END;

CREATE TRIGGER poseta_polje_istorija_brisanje AFTER DELETE ON poseta_polje
BEGIN
    INSERT INTO istorija (tabela, rbr_zapisa, polje, stara_vrednost, radnja, pult)
    VALUES ('poseta', OLD.rbr_poseta, OLD.polje, OLD.vrednost, 'brisanje',
        (SELECT korisnik FROM istorija_pult LIMIT 1))
    ; END;
