-- Least privilege in one MAB database (after roles.sql): the database and its tables belong to
-- mab_owner, and the program's login kiro may read the status categories and the analysis
-- catalogue, read and write the address book, the bookings and the visits, read the search's
-- folded copies (which only the owner's trigger functions write), read the schema version
-- that it checks at start-up, read, add and change laboratory orders (never delete one) with their
-- lines and results, and read the practice's details (changed only through ordinacija_upis),
-- nothing more. Run by a superuser or by mab_owner while connected to
-- the database (a new table of a schema step gets its line here); running it again changes
-- nothing.
DO $$ BEGIN EXECUTE format('ALTER DATABASE %I OWNER TO mab_owner', current_database()); END $$;
ALTER TABLE status OWNER TO mab_owner;
ALTER TABLE adresar OWNER TO mab_owner;
ALTER TABLE nalazi OWNER TO mab_owner;
ALTER TABLE schema_version OWNER TO mab_owner;
ALTER TABLE zakazivanje OWNER TO mab_owner;
ALTER TABLE poseta OWNER TO mab_owner;
ALTER TABLE poseta_polje OWNER TO mab_owner;
ALTER TABLE adresar_trazenje OWNER TO mab_owner;
ALTER TABLE poseta_trazenje OWNER TO mab_owner;
ALTER TABLE poseta_polje_trazenje OWNER TO mab_owner;
ALTER FUNCTION trazenje_oblik(text) OWNER TO mab_owner;
ALTER FUNCTION trazenje_rodjenje(text) OWNER TO mab_owner;
ALTER FUNCTION adresar_trazenje_upis() OWNER TO mab_owner;
ALTER FUNCTION poseta_trazenje_upis() OWNER TO mab_owner;
ALTER FUNCTION poseta_polje_trazenje_upis() OWNER TO mab_owner;
ALTER TABLE istorija OWNER TO mab_owner;
ALTER TABLE istorija_pult OWNER TO mab_owner;
ALTER FUNCTION istorija_pult_odredi() OWNER TO mab_owner;
ALTER FUNCTION istorija_upis() OWNER TO mab_owner;
REVOKE ALL ON FUNCTION istorija_pult_odredi(), istorija_upis() FROM PUBLIC, kiro;
REVOKE ALL ON istorija, istorija_pult FROM PUBLIC, kiro;
-- The history of changes is the owner's trigger's to write: the login only reads it.
GRANT SELECT ON istorija, istorija_pult TO kiro;
GRANT SELECT ON SEQUENCE istorija_rbr_seq TO kiro;
ALTER TABLE ordinacija OWNER TO mab_owner;
ALTER TABLE nalog OWNER TO mab_owner;
ALTER TABLE nalog_stavka OWNER TO mab_owner;
ALTER TABLE rezultat OWNER TO mab_owner;
ALTER FUNCTION nalog_stavka_trazenje() OWNER TO mab_owner;
ALTER FUNCTION ordinacija_upis(text, text, text, integer) OWNER TO mab_owner;
REVOKE ALL ON FUNCTION trazenje_oblik(text), trazenje_rodjenje(text), adresar_trazenje_upis(),
    poseta_trazenje_upis(), poseta_polje_trazenje_upis(), nalog_stavka_trazenje(),
    ordinacija_upis(text, text, text, integer) FROM PUBLIC, kiro;
REVOKE ALL ON ordinacija, nalog, nalog_stavka, rezultat FROM PUBLIC, kiro;
REVOKE ALL ON status, adresar, nalazi, schema_version, zakazivanje, poseta, poseta_polje,
    adresar_trazenje, poseta_trazenje, poseta_polje_trazenje FROM PUBLIC, kiro;
GRANT SELECT ON status, nalazi, schema_version, adresar_trazenje, poseta_trazenje,
    poseta_polje_trazenje TO kiro;
GRANT SELECT, INSERT, UPDATE, DELETE ON adresar, zakazivanje, poseta, poseta_polje TO kiro;
GRANT SELECT ON ordinacija TO kiro;
GRANT EXECUTE ON FUNCTION ordinacija_upis(text, text, text, integer) TO kiro;
GRANT SELECT, INSERT, UPDATE ON nalog TO kiro;
GRANT SELECT, INSERT, UPDATE, DELETE ON nalog_stavka, rezultat TO kiro;
-- Bookings' and visits' keys come from identity sequences; a copy taken as kiro reads their position.
GRANT SELECT ON SEQUENCE zakazivanje_rbr_seq, poseta_rbr_seq, nalog_rbr_seq, nalog_stavka_rbr_seq
    TO kiro;
-- The practice's doctors: the login keeps the list from the appointments page. The booking's
-- delete trigger runs as its owner.
ALTER TABLE lekar OWNER TO mab_owner;
ALTER FUNCTION adresar_termini_brisanje() OWNER TO mab_owner;
REVOKE ALL ON FUNCTION adresar_termini_brisanje() FROM PUBLIC, kiro;
REVOKE ALL ON lekar FROM PUBLIC, kiro;
GRANT SELECT, INSERT, UPDATE, DELETE ON lekar TO kiro;
GRANT SELECT ON SEQUENCE lekar_rbr_seq TO kiro;
REVOKE CREATE ON SCHEMA public FROM PUBLIC, kiro;
