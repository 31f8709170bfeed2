-- Step 6: folded copies of the texts that the search reads, kept by the database itself so that
-- the address book and the visits are written as before. Folding: the Serbian letters lose their
-- marks (č ć to c, š to s, ž to z, đ to dj) and ASCII capitals become small; the program folds
-- what the user types the same way, so "petrovic" finds "Petrović" and "dj" finds "Đorđe".
-- adresar_trazenje also holds the birth date read from the identity number (DDMMGGG, 9GG is 19GG
-- and 0GG is 20GG); NULL where the number gives no valid date. adresar itself gains no column:
-- its insert binds by position and the record load reads SELECT * by position.
-- Statements inside a trigger body put their semicolons at the start of a line, so that every
-- line that ends in a semicolon ends a statement of this file.
CREATE TABLE adresar_trazenje (
    rbr_adresar    INTEGER NOT NULL PRIMARY KEY,
    ime            TEXT NOT NULL,
    prezime        TEXT NOT NULL,
    grad           TEXT,
    datum_rodjenja DATE
);

CREATE INDEX adresar_trazenje_prezime ON adresar_trazenje (prezime, ime);

CREATE TABLE poseta_trazenje (
    rbr_poseta INTEGER NOT NULL PRIMARY KEY,
    lekar      TEXT
);

CREATE TABLE poseta_polje_trazenje (
    rbr_poseta INTEGER NOT NULL,
    polje      TEXT NOT NULL,
    vrednost   TEXT NOT NULL,
    PRIMARY KEY (rbr_poseta, polje)
);

CREATE VIEW trazenje_adresar_izvor AS
SELECT rbr,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(ime,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS ime,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(prezime,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS prezime,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(grad,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS grad,
    (SELECT CASE WHEN date(d, '+0 days') = d THEN d END
        FROM (SELECT CASE WHEN mbr GLOB '[0-9][0-9][0-9][0-9][09][0-9][0-9]*'
            THEN (CASE substr(mbr, 5, 1) WHEN '9' THEN '1' ELSE '2' END) || substr(mbr, 5, 3)
                || '-' || substr(mbr, 3, 2) || '-' || substr(mbr, 1, 2) END AS d)) AS datum_rodjenja
FROM adresar;

CREATE VIEW trazenje_polje_izvor AS
SELECT rbr_poseta, polje,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(vrednost,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS vrednost
FROM poseta_polje;

CREATE VIEW trazenje_poseta_izvor AS
SELECT rbr,
    lower(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(lekar,
        'Č', 'c'), 'č', 'c'), 'Ć', 'c'), 'ć', 'c'), 'Š', 's'), 'š', 's'), 'Ž', 'z'), 'ž', 'z'),
        'Đ', 'dj'), 'đ', 'dj')) AS lekar
FROM poseta;

INSERT INTO adresar_trazenje SELECT * FROM trazenje_adresar_izvor;
INSERT INTO poseta_trazenje SELECT * FROM trazenje_poseta_izvor;
INSERT INTO poseta_polje_trazenje SELECT * FROM trazenje_polje_izvor;

CREATE TRIGGER adresar_trazenje_unos AFTER INSERT ON adresar
BEGIN
    INSERT INTO adresar_trazenje SELECT * FROM trazenje_adresar_izvor WHERE rbr = NEW.rbr
    ; END;

CREATE TRIGGER adresar_trazenje_izmena AFTER UPDATE ON adresar
BEGIN
    DELETE FROM adresar_trazenje WHERE rbr_adresar IN (OLD.rbr, NEW.rbr)
    ; INSERT INTO adresar_trazenje SELECT * FROM trazenje_adresar_izvor WHERE rbr = NEW.rbr
    ; END;

CREATE TRIGGER adresar_trazenje_brisanje AFTER DELETE ON adresar
BEGIN
    DELETE FROM adresar_trazenje WHERE rbr_adresar = OLD.rbr
    ; END;

CREATE TRIGGER poseta_trazenje_unos AFTER INSERT ON poseta
BEGIN
    INSERT INTO poseta_trazenje SELECT * FROM trazenje_poseta_izvor WHERE rbr = NEW.rbr
    ; END;

CREATE TRIGGER poseta_trazenje_izmena AFTER UPDATE ON poseta
BEGIN
    DELETE FROM poseta_trazenje WHERE rbr_poseta IN (OLD.rbr, NEW.rbr)
    ; INSERT INTO poseta_trazenje SELECT * FROM trazenje_poseta_izvor WHERE rbr = NEW.rbr
    ; END;

CREATE TRIGGER poseta_trazenje_brisanje AFTER DELETE ON poseta
BEGIN
    DELETE FROM poseta_trazenje WHERE rbr_poseta = OLD.rbr
    ; END;

CREATE TRIGGER poseta_polje_trazenje_unos AFTER INSERT ON poseta_polje
BEGIN
    INSERT INTO poseta_polje_trazenje SELECT * FROM trazenje_polje_izvor
        WHERE rbr_poseta = NEW.rbr_poseta AND polje = NEW.polje
    ; END;

CREATE TRIGGER poseta_polje_trazenje_izmena AFTER UPDATE ON poseta_polje
BEGIN
    DELETE FROM poseta_polje_trazenje WHERE (rbr_poseta = OLD.rbr_poseta AND polje = OLD.polje)
        OR (rbr_poseta = NEW.rbr_poseta AND polje = NEW.polje)
    ; INSERT INTO poseta_polje_trazenje SELECT * FROM trazenje_polje_izvor
        WHERE rbr_poseta = NEW.rbr_poseta AND polje = NEW.polje
    ; END;

CREATE TRIGGER poseta_polje_trazenje_brisanje AFTER DELETE ON poseta_polje
BEGIN
    DELETE FROM poseta_polje_trazenje WHERE rbr_poseta = OLD.rbr_poseta AND polje = OLD.polje
    ; END;
