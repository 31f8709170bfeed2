-- Brings an address book made with length limits on its text columns to the types of schema.sql
-- (no limit but the identity number's 13). Only columns that still have a limit are changed, so
-- running it again changes nothing; widening a VARCHAR to TEXT rewrites no row.
DO $$
DECLARE
    col text;
BEGIN
    FOR col IN
        SELECT column_name FROM information_schema.columns
         WHERE table_schema = current_schema() AND table_name = 'adresar'
           AND data_type <> 'text'
           AND column_name IN ('ime', 'prezime', 's_slovo', 'ulica', 'grad', 'telefon',
                               'mob_telefon', 'fax', 'email', 'firma', 'dept', 'p_ulica',
                               'p_grad', 'p_telefon1', 'p_telefon2', 'p_fax', 'p_email',
                               'napomena')
    LOOP
        EXECUTE format('ALTER TABLE adresar ALTER COLUMN %I TYPE text', col);
        RAISE NOTICE 'adresar.% is now text', col;
    END LOOP;
END $$;
