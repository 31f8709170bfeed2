-- Step 6: folded copies of the texts that the search reads, kept by the database itself so that
-- the address book and the visits are written as before. Folding: the Serbian letters lose their
-- marks (č ć to c, š to s, ž to z, đ to dj) and ASCII capitals become small, exactly as on the
-- embedded database (whose lower() knows only ASCII); the program folds what the user types the
-- same way. adresar_trazenje also holds the birth date read from the identity number (DDMMGGG,
-- 9GG is 19GG and 0GG is 20GG); NULL where the number gives no valid date. The folded names sort
-- byte by byte, as on the embedded database. The trigger functions run as their owner, so the
-- program's login reads the copies but cannot write them. Statements inside a function body put
-- their semicolons at the start of a line, so that every line that ends in a semicolon ends a
-- statement of this file.
CREATE TABLE adresar_trazenje (
    rbr_adresar    INTEGER NOT NULL PRIMARY KEY,
    ime            TEXT COLLATE "C" NOT NULL,
    prezime        TEXT COLLATE "C" NOT NULL,
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

CREATE FUNCTION trazenje_oblik(tekst text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
    SELECT translate(replace(replace(translate(tekst, 'ČčĆćŠšŽž', 'ccccsszz'), 'Đ', 'dj'), 'đ', 'dj'),
        'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz') $$;

CREATE FUNCTION trazenje_rodjenje(mbr text) RETURNS date LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    IF mbr IS NULL OR mbr !~ '^[0-9]{4}[09][0-9]{2}' THEN
        RETURN NULL
    ; END IF
    ; RETURN make_date((CASE WHEN substr(mbr, 5, 1) = '9' THEN 1000 ELSE 2000 END)
        + substr(mbr, 5, 3)::integer, substr(mbr, 3, 2)::integer, substr(mbr, 1, 2)::integer)
    ; EXCEPTION WHEN others THEN
        RETURN NULL
    ; END $$;

CREATE FUNCTION adresar_trazenje_upis() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    IF TG_OP <> 'INSERT' THEN
        DELETE FROM adresar_trazenje WHERE rbr_adresar = OLD.rbr
    ; END IF
    ; IF TG_OP <> 'DELETE' THEN
        INSERT INTO adresar_trazenje VALUES (NEW.rbr, trazenje_oblik(NEW.ime),
            trazenje_oblik(NEW.prezime), trazenje_oblik(NEW.grad), trazenje_rodjenje(NEW.mbr))
    ; END IF
    ; RETURN NULL
    ; END $$;

CREATE FUNCTION poseta_trazenje_upis() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    IF TG_OP <> 'INSERT' THEN
        DELETE FROM poseta_trazenje WHERE rbr_poseta = OLD.rbr
    ; END IF
    ; IF TG_OP <> 'DELETE' THEN
        INSERT INTO poseta_trazenje VALUES (NEW.rbr, trazenje_oblik(NEW.lekar))
    ; END IF
    ; RETURN NULL
    ; END $$;

CREATE FUNCTION poseta_polje_trazenje_upis() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    IF TG_OP <> 'INSERT' THEN
        DELETE FROM poseta_polje_trazenje WHERE rbr_poseta = OLD.rbr_poseta AND polje = OLD.polje
    ; END IF
    ; IF TG_OP <> 'DELETE' THEN
        INSERT INTO poseta_polje_trazenje
            VALUES (NEW.rbr_poseta, NEW.polje, trazenje_oblik(NEW.vrednost))
    ; END IF
    ; RETURN NULL
    ; END $$;

INSERT INTO adresar_trazenje SELECT rbr, trazenje_oblik(ime), trazenje_oblik(prezime),
    trazenje_oblik(grad), trazenje_rodjenje(mbr) FROM adresar;
INSERT INTO poseta_trazenje SELECT rbr, trazenje_oblik(lekar) FROM poseta;
INSERT INTO poseta_polje_trazenje SELECT rbr_poseta, polje, trazenje_oblik(vrednost) FROM poseta_polje;

CREATE TRIGGER adresar_trazenje AFTER INSERT OR UPDATE OR DELETE ON adresar
    FOR EACH ROW EXECUTE FUNCTION adresar_trazenje_upis();
CREATE TRIGGER poseta_trazenje AFTER INSERT OR UPDATE OR DELETE ON poseta
    FOR EACH ROW EXECUTE FUNCTION poseta_trazenje_upis();
CREATE TRIGGER poseta_polje_trazenje AFTER INSERT OR UPDATE OR DELETE ON poseta_polje
    FOR EACH ROW EXECUTE FUNCTION poseta_polje_trazenje_upis();
