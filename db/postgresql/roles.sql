-- The two roles of a MAB server, made by a superuser at every set-up; safe to run again.
-- mab_owner owns the database and its tables; it has no password, and a server set up by
-- use-postgresql.sh lets it in only through the local socket as the server's own account, so that
-- a copy is restored with the owner's rights rather than a superuser's. kiro is the program's fixed
-- login: it gets no rights of its own here, only the grants of privileges.sql, so that a desk can
-- neither change the tables nor create others. An existing kiro keeps its password.
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'mab_owner') THEN CREATE ROLE mab_owner; END IF; END $$;
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'kiro') THEN CREATE ROLE kiro LOGIN PASSWORD 'qdxw'; END IF; END $$;
ALTER ROLE mab_owner LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS;
ALTER ROLE kiro LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS;
-- Any role may store settings on itself (ALTER ROLE kiro SET ...), and the program's login's reach
-- every desk's new sessions: each set-up takes them away again, in every database.
ALTER ROLE kiro RESET ALL;
DO $$ DECLARE d name; BEGIN
    FOR d IN SELECT b.datname FROM pg_db_role_setting s JOIN pg_database b ON b.oid = s.setdatabase
              WHERE s.setrole = 'kiro'::regrole LOOP
        EXECUTE format('ALTER ROLE kiro IN DATABASE %I RESET ALL', d);
    END LOOP;
END $$;
