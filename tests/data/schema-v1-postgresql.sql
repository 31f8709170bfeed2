-- The schema of a MAB database before schema versions were recorded (version 1), kept as test
-- data: the upgrade test builds a database with it and brings that to the newest version.
-- MAB database, PostgreSQL edition (several desks on one server).
-- adresar keeps its 22 columns in this order: the insert binds its values by position and the
-- record load reads SELECT * by position. Its text columns have no length: the form limits none of
-- its fields but the 13-character identity number, and a save must not fail on a long entry.

CREATE TABLE status (
    rbr   INTEGER NOT NULL PRIMARY KEY,
    naziv VARCHAR(50) NOT NULL UNIQUE
);

CREATE TABLE adresar (
    rbr         INTEGER NOT NULL PRIMARY KEY,
    ime         TEXT NOT NULL,
    prezime     TEXT NOT NULL,
    s_slovo     TEXT,
    mbr         VARCHAR(13) UNIQUE,
    pol         INTEGER,
    status      INTEGER,
    ulica       TEXT,
    grad        TEXT,
    telefon     TEXT,
    mob_telefon TEXT,
    fax         TEXT,
    email       TEXT,
    firma       TEXT,
    dept        TEXT,
    p_ulica     TEXT,
    p_grad      TEXT,
    p_telefon1  TEXT,
    p_telefon2  TEXT,
    p_fax       TEXT,
    p_email     TEXT,
    napomena    TEXT
);

CREATE INDEX adresar_prezime ON adresar (prezime);

CREATE TABLE nalazi (
    grupa      SMALLINT NOT NULL,
    podgrupa   SMALLINT NOT NULL,
    rbr        SMALLINT NOT NULL,
    naziv      VARCHAR(100) NOT NULL,
    jed_mere   VARCHAR(20),
    ref_m_nizi NUMERIC(10,3),
    ref_m_visi NUMERIC(10,3),
    ref_z_nizi NUMERIC(10,3),
    ref_z_visi NUMERIC(10,3)
);

CREATE INDEX nalazi_grupa ON nalazi (grupa, podgrupa, rbr);
