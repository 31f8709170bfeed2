-- MAB database, embedded SQLite edition.
-- adresar keeps its 22 columns in this order: the insert binds its values by position and the
-- record load reads SELECT * by position.

CREATE TABLE status (
    rbr   INTEGER NOT NULL PRIMARY KEY,
    naziv VARCHAR(50) NOT NULL UNIQUE
);

CREATE TABLE adresar (
    rbr         INTEGER NOT NULL PRIMARY KEY,
    ime         VARCHAR(50) NOT NULL,
    prezime     VARCHAR(50) NOT NULL,
    s_slovo     VARCHAR(5),
    mbr         VARCHAR(13) UNIQUE,
    pol         INTEGER,
    status      INTEGER,
    ulica       VARCHAR(100),
    grad        VARCHAR(50),
    telefon     VARCHAR(30),
    mob_telefon VARCHAR(30),
    fax         VARCHAR(30),
    email       VARCHAR(100),
    firma       VARCHAR(100),
    dept        VARCHAR(100),
    p_ulica     VARCHAR(100),
    p_grad      VARCHAR(50),
    p_telefon1  VARCHAR(30),
    p_telefon2  VARCHAR(30),
    p_fax       VARCHAR(30),
    p_email     VARCHAR(100),
    napomena    TEXT
);

CREATE INDEX adresar_prezime ON adresar (prezime);
-- SQLite's LIKE ignores the case of ASCII letters, so only an index in that same collation lets
-- the list's "surname begins with" condition read the matching entries instead of all of them.
CREATE INDEX adresar_prezime_nocase ON adresar (prezime COLLATE NOCASE);

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
