-- Pharmacy database for the embedded engine: the objects the declaration program reads and writes.
-- Dates and date-times are ISO text "yyyy-mm-dd hh:mm:ss.zzz", so they compare as dates.
-- Names compared case-insensitively use ES_CI, the collation every connection of the program
-- registers; national codes stay binary so that they compare exactly with the list's codes.

CREATE TABLE Articu (
    IdArticu TEXT NOT NULL PRIMARY KEY,
    Descripcion TEXT COLLATE ES_CI NOT NULL,
    PVP NUMERIC NOT NULL DEFAULT 0,
    PCoste NUMERIC NOT NULL DEFAULT 0,
    IVA NUMERIC NOT NULL DEFAULT 21,
    Stock INTEGER NOT NULL DEFAULT 0,
    StockMinimo INTEGER NOT NULL DEFAULT 0,
    IdLaboratorio INTEGER NULL,
    Veterinario INTEGER NOT NULL DEFAULT 0,
    FechaAlta TEXT NOT NULL,
    Baja INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE venta (
    IdVenta INTEGER PRIMARY KEY,
    FechaHora TEXT NOT NULL,
    IdCliente INTEGER NULL,
    IdVendedor INTEGER NOT NULL,
    Puesto INTEGER NOT NULL,
    TotalVenta NUMERIC NOT NULL DEFAULT 0
);

CREATE TABLE Lineaventa (
    IdLineaVenta INTEGER PRIMARY KEY,
    IdVenta INTEGER NOT NULL,
    codigo TEXT NOT NULL,
    Cantidad INTEGER NOT NULL,
    Precio NUMERIC NOT NULL DEFAULT 0,
    Descuento NUMERIC NOT NULL DEFAULT 0,
    CONSTRAINT FK_LINEAVENTA_VENTA FOREIGN KEY (IdVenta) REFERENCES venta (IdVenta)
);

CREATE TABLE Recep (
    IdRecepcion INTEGER PRIMARY KEY,
    Fecha TEXT NOT NULL,
    IdProveedor INTEGER NOT NULL,
    NumAlbaran TEXT NOT NULL
);

CREATE TABLE LineaRecep (
    IdLineaRecep INTEGER PRIMARY KEY,
    IdRecepcion INTEGER NOT NULL,
    XArt_IdArticu TEXT NOT NULL,
    Pedidas INTEGER NOT NULL DEFAULT 0,
    Recibidas INTEGER NOT NULL DEFAULT 0,
    Bonificadas INTEGER NOT NULL DEFAULT 0,
    UDevolver INTEGER NOT NULL DEFAULT 0,
    PCoste NUMERIC NOT NULL DEFAULT 0,
    CONSTRAINT FK_LINEARECEP_RECEP FOREIGN KEY (IdRecepcion) REFERENCES Recep (IdRecepcion)
);

-- The program numbers new lists itself (largest IdLista + 1).
CREATE TABLE ListaArticu (
    IdLista INTEGER NOT NULL PRIMARY KEY,
    Descripcion TEXT COLLATE ES_CI NOT NULL,
    Fecha TEXT NOT NULL,
    NumElem INTEGER NOT NULL DEFAULT 0,
    Tipo INTEGER NOT NULL DEFAULT 0
);

-- Items carry a key of their own: a list may hold the same article more than once.
CREATE TABLE ItemListaArticu (
    IdItemLista INTEGER PRIMARY KEY,
    XItem_IdLista INTEGER NOT NULL,
    XItem_IdArticu TEXT NOT NULL,
    CONSTRAINT FK_ITEMLISTAARTICU_LISTAARTICU FOREIGN KEY (XItem_IdLista)
        REFERENCES ListaArticu (IdLista)
);

-- Contador may be NULL: removing the last article list sets it to the largest IdLista left.
CREATE TABLE Contadores (
    IdContador INTEGER NOT NULL PRIMARY KEY,
    Descripcion TEXT NOT NULL,
    Contador INTEGER NULL
);

CREATE TABLE DbError (
    IdError TEXT NOT NULL,
    IdOperacion TEXT NOT NULL,
    Descripcion TEXT NOT NULL,
    PRIMARY KEY (IdError, IdOperacion)
);

CREATE TABLE CONFIGURACION (
    IdFormulario TEXT NOT NULL,
    IdFormContador INTEGER NOT NULL,
    Auxiliar INTEGER NULL,
    Descripcion TEXT COLLATE ES_CI NULL,
    Fecha TEXT NULL,
    FechaManual TEXT NULL,
    Orientacion TEXT NULL,
    Titulo TEXT NULL,
    TituloManual TEXT NULL,
    PRIMARY KEY (IdFormulario, IdFormContador)
);

CREATE TABLE DETCONFIGURACION (
    IdFormulario TEXT NOT NULL,
    IdFormContador INTEGER NOT NULL,
    IdContador INTEGER NOT NULL,
    ForGroup INTEGER NOT NULL DEFAULT 0,
    Title TEXT NULL,
    Total TEXT NULL,
    Visible INTEGER NOT NULL DEFAULT 1,
    PRIMARY KEY (IdFormulario, IdFormContador, IdContador)
);

INSERT INTO Contadores (IdContador, Descripcion, Contador) VALUES (1, 'Ventas', 0);
INSERT INTO Contadores (IdContador, Descripcion, Contador) VALUES (2, 'Recepciones', 0);
INSERT INTO Contadores (IdContador, Descripcion, Contador) VALUES (5, 'Pedidos', 0);
INSERT INTO Contadores (IdContador, Descripcion, Contador) VALUES (13, 'Listas de artículos', 0);

INSERT INTO DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_LINEAVENTA_VENTA', 'D', 'No se puede borrar una venta que tiene líneas.');
INSERT INTO DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_LINEARECEP_RECEP', 'D', 'No se puede borrar una recepción que tiene líneas.');
INSERT INTO DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_ITEMLISTAARTICU_LISTAARTICU', 'D', 'No se puede borrar una lista que tiene artículos.');
INSERT INTO DbError (IdError, IdOperacion, Descripcion)
VALUES ('PK_ARTICU', 'P', 'Ya existe un artículo con ese código nacional.');

-- Secondary indexes: national codes, the header keys of the line tables and the header dates.
CREATE INDEX IX_Lineaventa_codigo ON Lineaventa (codigo);
CREATE INDEX IX_Lineaventa_IdVenta ON Lineaventa (IdVenta);
CREATE INDEX IX_LineaRecep_XArt_IdArticu ON LineaRecep (XArt_IdArticu);
CREATE INDEX IX_LineaRecep_IdRecepcion ON LineaRecep (IdRecepcion);
CREATE INDEX IX_ItemListaArticu_XItem_IdArticu ON ItemListaArticu (XItem_IdArticu);
CREATE INDEX IX_ItemListaArticu_XItem_IdLista ON ItemListaArticu (XItem_IdLista);
CREATE INDEX IX_venta_FechaHora ON venta (FechaHora);
CREATE INDEX IX_Recep_Fecha ON Recep (Fecha);
