#pragma once

#include <vector>

namespace test {

// What the declaration program relies on in the pharmacy database.
struct RequiredTable {
    const char* table;
    std::vector<const char*> columns;
};

inline const std::vector<RequiredTable> kRequiredTables = {
    {"Articu", {"IdArticu", "Descripcion"}},
    {"venta", {"IdVenta", "FechaHora"}},
    {"Lineaventa", {"IdVenta", "codigo", "Cantidad"}},
    {"Recep", {"IdRecepcion", "Fecha"}},
    {"LineaRecep", {"IdRecepcion", "XArt_IdArticu", "Recibidas", "UDevolver"}},
    {"ListaArticu", {"IdLista", "Descripcion", "Fecha", "NumElem", "Tipo"}},
    {"ItemListaArticu", {"XItem_IdLista", "XItem_IdArticu"}},
    {"Contadores", {"IdContador", "Contador"}},
    {"DbError", {"IdError", "IdOperacion", "Descripcion"}},
    {"CONFIGURACION",
     {"IdFormulario", "IdFormContador", "Auxiliar", "Descripcion", "Fecha", "FechaManual",
      "Orientacion", "Titulo", "TituloManual"}},
    {"DETCONFIGURACION",
     {"IdFormulario", "IdFormContador", "IdContador", "ForGroup", "Title", "Total", "Visible"}},
};

// Single-column indexes the view's joins and date ranges need.
struct RequiredIndex {
    const char* table;
    const char* column;
};

inline const std::vector<RequiredIndex> kRequiredIndexes = {
    {"Lineaventa", "codigo"},
    {"LineaRecep", "XArt_IdArticu"},
    {"ItemListaArticu", "XItem_IdArticu"},
    {"Lineaventa", "IdVenta"},
    {"LineaRecep", "IdRecepcion"},
    {"venta", "FechaHora"},
    {"Recep", "Fecha"},
};

}  // namespace test
