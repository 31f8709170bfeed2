-- Invented people for trying the program out; none of them exists. Load with
-- scripts/load-sample-people.sh.
INSERT INTO adresar VALUES (1, 'Ana', 'Antić', 'M', '0101990715001', 0, 1, 'Cvetna 3', 'Beograd', '011 123 001', '064 100 0001', NULL, 'ana.antic@primer.test', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Kontrola za šest meseci');
INSERT INTO adresar VALUES (2, 'Aleksandar', 'Avramović', NULL, NULL, 1, 1, 'Lipova 12', 'Novi Sad', NULL, '065 200 0002', NULL, NULL, 'Primer d.o.o.', 'Nabavka', 'Industrijska 5', 'Novi Sad', '021 400 002', NULL, NULL, 'nabavka@primer.test', NULL);
INSERT INTO adresar VALUES (3, 'Branka', 'Bogdanović', NULL, '1505985715002', 0, 1, 'Sunčana 7', 'Beograd', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO adresar VALUES (4, 'Dragan', 'Džunić', 'P', NULL, 1, 2, NULL, 'Niš', NULL, '063 300 0004', NULL, NULL, 'Laboratorija Primer', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO adresar VALUES (5, 'Đorđe', 'Đorđević', NULL, NULL, 1, 1, 'Kneza Miloša 1', 'Kragujevac', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO adresar VALUES (6, 'Ljiljana', 'Ljubić', NULL, NULL, 0, 4, NULL, 'Beograd', NULL, NULL, NULL, NULL, 'Dom zdravlja Primer', 'Interna', NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO adresar VALUES (7, 'Živko', 'Živković', NULL, NULL, 1, 3, NULL, 'Subotica', NULL, NULL, NULL, NULL, 'Medicinska oprema Primer', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO adresar VALUES (8, 'Čedomir', 'Čolić', NULL, NULL, 1, 5, NULL, 'Čačak', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
