-- The temporary database that league tables are ordered in. The program only empties and fills
-- these tables; it never creates, alters or drops one.
CREATE TABLE Teams (
    TeamNumber INTEGER,
    [Competitors Name] TEXT
);
CREATE TABLE League (
    TeamNumber INTEGER,
    Won INTEGER,
    Drawn INTEGER,
    Lost INTEGER,
    [For] INTEGER,
    Against INTEGER,
    Diff INTEGER,
    Pts INTEGER
);
CREATE TABLE TempTable (
    [Competitors Name] TEXT,
    Won INTEGER,
    Drawn INTEGER,
    Lost INTEGER,
    [For] INTEGER,
    Against INTEGER,
    Diff INTEGER,
    Pts INTEGER
);
