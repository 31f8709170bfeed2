-- Categories of the address book: numbered 1, 2, 3 ... without gaps, unique names.
INSERT INTO status (rbr, naziv) VALUES (1, 'Pacijent');
INSERT INTO status (rbr, naziv) VALUES (2, 'Saradnik');
INSERT INTO status (rbr, naziv) VALUES (3, 'Dobavljač');
INSERT INTO status (rbr, naziv) VALUES (4, 'Lekar');
INSERT INTO status (rbr, naziv) VALUES (5, 'Prijatelj');

-- Hematology (group 1): the blood count in subgroup 0, the leukocyte formula in subgroup 1.
-- Units and adult reference ranges, men then women.
INSERT INTO nalazi VALUES (1, 0, 1, 'Sedimentacija eritrocita', 'mm/h', 2, 15, 2, 20);
INSERT INTO nalazi VALUES (1, 0, 2, 'Leukociti', '10^9/L', 4.0, 10.0, 4.0, 10.0);
INSERT INTO nalazi VALUES (1, 0, 3, 'Eritrociti', '10^12/L', 4.5, 5.9, 4.0, 5.2);
INSERT INTO nalazi VALUES (1, 0, 4, 'Hemoglobin', 'g/L', 135, 175, 120, 160);
INSERT INTO nalazi VALUES (1, 0, 5, 'Hematokrit', 'L/L', 0.400, 0.520, 0.360, 0.480);
INSERT INTO nalazi VALUES (1, 0, 6, 'MCV', 'fL', 80, 97, 80, 97);
INSERT INTO nalazi VALUES (1, 0, 7, 'MCH', 'pg', 27, 33, 27, 33);
INSERT INTO nalazi VALUES (1, 0, 8, 'MCHC', 'g/L', 320, 360, 320, 360);
INSERT INTO nalazi VALUES (1, 0, 9, 'RDW', '%', 11.5, 14.5, 11.5, 14.5);
INSERT INTO nalazi VALUES (1, 0, 10, 'Trombociti', '10^9/L', 150, 400, 150, 400);
INSERT INTO nalazi VALUES (1, 0, 11, 'MPV', 'fL', 7.5, 11.5, 7.5, 11.5);
INSERT INTO nalazi VALUES (1, 0, 12, 'Retikulociti', '%', 0.5, 2.0, 0.5, 2.0);
INSERT INTO nalazi VALUES (1, 1, 1, 'Neutrofilni granulociti', '%', 40, 75, 40, 75);
INSERT INTO nalazi VALUES (1, 1, 2, 'Nesegmentovani granulociti', '%', 0, 5, 0, 5);
INSERT INTO nalazi VALUES (1, 1, 3, 'Limfociti', '%', 20, 45, 20, 45);
INSERT INTO nalazi VALUES (1, 1, 4, 'Monociti', '%', 2, 10, 2, 10);
INSERT INTO nalazi VALUES (1, 1, 5, 'Eozinofilni granulociti', '%', 1, 6, 1, 6);
INSERT INTO nalazi VALUES (1, 1, 6, 'Bazofilni granulociti', '%', 0, 1, 0, 1);
