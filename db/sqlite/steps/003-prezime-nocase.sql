-- Step 3: SQLite's LIKE ignores the case of ASCII letters, so only an index in that same collation
-- lets the list's "surname begins with" condition read the matching entries instead of all of
-- them. Files made by the first schema may already hold it.
CREATE INDEX IF NOT EXISTS adresar_prezime_nocase ON adresar (prezime COLLATE NOCASE);
