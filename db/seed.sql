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

-- Biochemistry (group 2) and urine (group 3): no order window, their amounts are typed on the
-- laboratory page, but their results are entered against these lines. A bound left NULL is open
-- (no upper limit for HDL, no lower one for cholesterol); lines without any range take a result in
-- words, such as "negativan".
INSERT INTO nalazi VALUES (2, 0, 1, 'Glukoza', 'mmol/L', 3.9, 6.1, 3.9, 6.1);
INSERT INTO nalazi VALUES (2, 0, 2, 'Urea', 'mmol/L', 2.5, 7.5, 2.5, 7.5);
INSERT INTO nalazi VALUES (2, 0, 3, 'Kreatinin', 'µmol/L', 62, 106, 44, 80);
INSERT INTO nalazi VALUES (2, 0, 4, 'Mokraćna kiselina', 'µmol/L', 202, 416, 142, 339);
INSERT INTO nalazi VALUES (2, 0, 5, 'Holesterol ukupni', 'mmol/L', NULL, 5.2, NULL, 5.2);
INSERT INTO nalazi VALUES (2, 0, 6, 'HDL holesterol', 'mmol/L', 1.0, NULL, 1.2, NULL);
INSERT INTO nalazi VALUES (2, 0, 7, 'LDL holesterol', 'mmol/L', NULL, 3.4, NULL, 3.4);
INSERT INTO nalazi VALUES (2, 0, 8, 'Trigliceridi', 'mmol/L', NULL, 1.7, NULL, 1.7);
INSERT INTO nalazi VALUES (2, 0, 9, 'AST', 'U/L', 0, 40, 0, 32);
INSERT INTO nalazi VALUES (2, 0, 10, 'ALT', 'U/L', 0, 41, 0, 33);
INSERT INTO nalazi VALUES (2, 0, 11, 'Gama GT', 'U/L', 10, 71, 6, 42);
INSERT INTO nalazi VALUES (2, 0, 12, 'Bilirubin ukupni', 'µmol/L', 3.4, 20.5, 3.4, 20.5);
INSERT INTO nalazi VALUES (2, 0, 13, 'Gvožđe', 'µmol/L', 10.7, 28.6, 6.6, 26.0);
INSERT INTO nalazi VALUES (3, 0, 1, 'Boja', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 2, 'Izgled', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 3, 'Specifična težina', NULL, 1.005, 1.030, 1.005, 1.030);
INSERT INTO nalazi VALUES (3, 0, 4, 'pH', NULL, 5.0, 8.0, 5.0, 8.0);
INSERT INTO nalazi VALUES (3, 0, 5, 'Proteini', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 6, 'Glukoza', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 7, 'Ketoni', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 8, 'Urobilinogen', 'µmol/L', 3.2, 16, 3.2, 16);
INSERT INTO nalazi VALUES (3, 0, 9, 'Nitriti', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (3, 0, 10, 'Eritrociti u sedimentu', '/vp', 0, 2, 0, 2);
INSERT INTO nalazi VALUES (3, 0, 11, 'Leukociti u sedimentu', '/vp', 0, 5, 0, 5);
