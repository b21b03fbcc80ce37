-- Pharmacy database for SQL Server: the objects the declaration program reads and writes.
-- Kept in step with pharmacy.sqlite.sql. The file is UTF-8 (sqlcmd -f 65001).
-- Names compared case-insensitively use a Spanish case-insensitive collation; national codes
-- are varchar(6) so that they compare exactly with the list's codes.

CREATE TABLE dbo.Articu (
    IdArticu varchar(6) NOT NULL,
    Descripcion varchar(80) COLLATE Modern_Spanish_CI_AS NOT NULL,
    PVP numeric(10, 2) NOT NULL DEFAULT 0,
    PCoste numeric(10, 2) NOT NULL DEFAULT 0,
    IVA numeric(5, 2) NOT NULL DEFAULT 21,
    Stock int NOT NULL DEFAULT 0,
    StockMinimo int NOT NULL DEFAULT 0,
    IdLaboratorio int NULL,
    Veterinario bit NOT NULL DEFAULT 0,
    FechaAlta datetime NOT NULL,
    Baja bit NOT NULL DEFAULT 0,
    CONSTRAINT PK_ARTICU PRIMARY KEY (IdArticu)
)
GO

CREATE TABLE dbo.venta (
    IdVenta int NOT NULL,
    FechaHora datetime NOT NULL,
    IdCliente int NULL,
    IdVendedor int NOT NULL,
    Puesto int NOT NULL,
    TotalVenta numeric(12, 2) NOT NULL DEFAULT 0,
    CONSTRAINT PK_VENTA PRIMARY KEY (IdVenta)
)
GO

CREATE TABLE dbo.Lineaventa (
    IdLineaVenta int IDENTITY(1, 1) NOT NULL,
    IdVenta int NOT NULL,
    codigo varchar(6) NOT NULL,
    Cantidad numeric(10, 0) NOT NULL,
    Precio numeric(10, 2) NOT NULL DEFAULT 0,
    Descuento numeric(5, 2) NOT NULL DEFAULT 0,
    CONSTRAINT PK_LINEAVENTA PRIMARY KEY (IdLineaVenta),
    CONSTRAINT FK_LINEAVENTA_VENTA FOREIGN KEY (IdVenta) REFERENCES dbo.venta (IdVenta)
)
GO

CREATE TABLE dbo.Recep (
    IdRecepcion int NOT NULL,
    Fecha datetime NOT NULL,
    IdProveedor int NOT NULL,
    NumAlbaran varchar(20) NOT NULL,
    CONSTRAINT PK_RECEP PRIMARY KEY (IdRecepcion)
)
GO

CREATE TABLE dbo.LineaRecep (
    IdLineaRecep int IDENTITY(1, 1) NOT NULL,
    IdRecepcion int NOT NULL,
    XArt_IdArticu varchar(6) NOT NULL,
    Pedidas numeric(10, 0) NOT NULL DEFAULT 0,
    Recibidas numeric(10, 0) NOT NULL DEFAULT 0,
    Bonificadas numeric(10, 0) NOT NULL DEFAULT 0,
    UDevolver numeric(10, 0) NOT NULL DEFAULT 0,
    PCoste numeric(10, 2) NOT NULL DEFAULT 0,
    CONSTRAINT PK_LINEARECEP PRIMARY KEY (IdLineaRecep),
    CONSTRAINT FK_LINEARECEP_RECEP FOREIGN KEY (IdRecepcion) REFERENCES dbo.Recep (IdRecepcion)
)
GO

-- The program numbers new lists itself (largest IdLista + 1).
CREATE TABLE dbo.ListaArticu (
    IdLista int NOT NULL,
    Descripcion varchar(100) COLLATE Modern_Spanish_CI_AS NOT NULL,
    Fecha datetime NOT NULL,
    NumElem int NOT NULL DEFAULT 0,
    Tipo int NOT NULL DEFAULT 0,
    CONSTRAINT PK_LISTAARTICU PRIMARY KEY (IdLista)
)
GO

-- Items carry a key of their own: a list may hold the same article more than once.
CREATE TABLE dbo.ItemListaArticu (
    IdItemLista int IDENTITY(1, 1) NOT NULL,
    XItem_IdLista int NOT NULL,
    XItem_IdArticu varchar(6) NOT NULL,
    CONSTRAINT PK_ITEMLISTAARTICU PRIMARY KEY (IdItemLista),
    CONSTRAINT FK_ITEMLISTAARTICU_LISTAARTICU FOREIGN KEY (XItem_IdLista)
        REFERENCES dbo.ListaArticu (IdLista)
)
GO

-- Contador may be NULL: removing the last article list sets it to the largest IdLista left.
CREATE TABLE dbo.Contadores (
    IdContador int NOT NULL,
    Descripcion varchar(50) NOT NULL,
    Contador int NULL,
    CONSTRAINT PK_CONTADORES PRIMARY KEY (IdContador)
)
GO

CREATE TABLE dbo.DbError (
    IdError varchar(128) NOT NULL,
    IdOperacion char(1) NOT NULL,
    Descripcion varchar(255) NOT NULL,
    CONSTRAINT PK_DBERROR PRIMARY KEY (IdError, IdOperacion)
)
GO

CREATE TABLE dbo.CONFIGURACION (
    IdFormulario varchar(100) NOT NULL,
    IdFormContador int NOT NULL,
    Auxiliar int NULL,
    Descripcion varchar(255) COLLATE Modern_Spanish_CI_AS NULL,
    Fecha varchar(30) NULL,
    FechaManual char(1) NULL,
    Orientacion char(1) NULL,
    Titulo varchar(255) NULL,
    TituloManual char(1) NULL,
    CONSTRAINT PK_CONFIGURACION PRIMARY KEY (IdFormulario, IdFormContador)
)
GO

CREATE TABLE dbo.DETCONFIGURACION (
    IdFormulario varchar(100) NOT NULL,
    IdFormContador int NOT NULL,
    IdContador int NOT NULL,
    ForGroup bit NOT NULL DEFAULT 0,
    Title varchar(100) NULL,
    Total char(3) NULL,
    Visible bit NOT NULL DEFAULT 1,
    CONSTRAINT PK_DETCONFIGURACION PRIMARY KEY (IdFormulario, IdFormContador, IdContador)
)
GO

INSERT INTO dbo.Contadores (IdContador, Descripcion, Contador) VALUES (1, 'Ventas', 0)
INSERT INTO dbo.Contadores (IdContador, Descripcion, Contador) VALUES (2, 'Recepciones', 0)
INSERT INTO dbo.Contadores (IdContador, Descripcion, Contador) VALUES (5, 'Pedidos', 0)
INSERT INTO dbo.Contadores (IdContador, Descripcion, Contador) VALUES (13, 'Listas de artículos', 0)
GO

INSERT INTO dbo.DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_LINEAVENTA_VENTA', 'D', 'No se puede borrar una venta que tiene líneas.')
INSERT INTO dbo.DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_LINEARECEP_RECEP', 'D', 'No se puede borrar una recepción que tiene líneas.')
INSERT INTO dbo.DbError (IdError, IdOperacion, Descripcion)
VALUES ('FK_ITEMLISTAARTICU_LISTAARTICU', 'D', 'No se puede borrar una lista que tiene artículos.')
INSERT INTO dbo.DbError (IdError, IdOperacion, Descripcion)
VALUES ('PK_ARTICU', 'P', 'Ya existe un artículo con ese código nacional.')
GO

-- Secondary indexes: national codes, the header keys of the line tables and the header dates.
CREATE INDEX IX_Lineaventa_codigo ON dbo.Lineaventa (codigo)
CREATE INDEX IX_Lineaventa_IdVenta ON dbo.Lineaventa (IdVenta)
CREATE INDEX IX_LineaRecep_XArt_IdArticu ON dbo.LineaRecep (XArt_IdArticu)
CREATE INDEX IX_LineaRecep_IdRecepcion ON dbo.LineaRecep (IdRecepcion)
CREATE INDEX IX_ItemListaArticu_XItem_IdArticu ON dbo.ItemListaArticu (XItem_IdArticu)
CREATE INDEX IX_ItemListaArticu_XItem_IdLista ON dbo.ItemListaArticu (XItem_IdLista)
CREATE INDEX IX_venta_FechaHora ON dbo.venta (FechaHora)
CREATE INDEX IX_Recep_Fecha ON dbo.Recep (Fecha)
GO
