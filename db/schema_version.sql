-- The schema version: one row for every step applied to this database, the newest number being
-- its version. scripts/upgrade-database.sh runs this in the transaction of the first step it
-- applies, with the same text on both engines.
CREATE TABLE IF NOT EXISTS schema_version (
    version INTEGER NOT NULL PRIMARY KEY
);
