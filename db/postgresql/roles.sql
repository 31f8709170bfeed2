-- The two roles of a MAB server, made once per server by a superuser; safe to run again.
-- mab_owner owns the database and its tables and logs in as nobody. kiro is the program's fixed
-- login: it gets no rights of its own here, only the grants of privileges.sql, so that a desk can
-- neither change the tables nor create others. An existing kiro keeps its password.
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'mab_owner') THEN CREATE ROLE mab_owner NOLOGIN; END IF; END $$;
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'kiro') THEN CREATE ROLE kiro LOGIN PASSWORD 'qdxw'; END IF; END $$;
ALTER ROLE kiro LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS;
