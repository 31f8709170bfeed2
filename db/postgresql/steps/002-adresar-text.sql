-- Step 2: adresar's text columns lose their length limits (all but the identity number's 13), so
-- that a save never fails on a long entry. Servers set up early declared them VARCHAR(n); on a
-- column that is already text the change is a no-op, and widening a VARCHAR rewrites no row.
ALTER TABLE adresar
    ALTER COLUMN ime TYPE text, ALTER COLUMN prezime TYPE text, ALTER COLUMN s_slovo TYPE text,
    ALTER COLUMN ulica TYPE text, ALTER COLUMN grad TYPE text, ALTER COLUMN telefon TYPE text,
    ALTER COLUMN mob_telefon TYPE text, ALTER COLUMN fax TYPE text, ALTER COLUMN email TYPE text,
    ALTER COLUMN firma TYPE text, ALTER COLUMN dept TYPE text, ALTER COLUMN p_ulica TYPE text,
    ALTER COLUMN p_grad TYPE text, ALTER COLUMN p_telefon1 TYPE text,
    ALTER COLUMN p_telefon2 TYPE text, ALTER COLUMN p_fax TYPE text,
    ALTER COLUMN p_email TYPE text, ALTER COLUMN napomena TYPE text;
