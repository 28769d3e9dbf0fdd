// Catalogue of the master-data recordsets: for each class, the table or view it reads, the
// connect string it reports and its columns in binding order (see odbc/RecordsetMacros.h for the
// kinds). The classes are declared from these lists, so a column is fixed here and nowhere else.
#pragma once

#include "odbc/RecordsetMacros.h"

// ---- Master data: VAT codes, units, departments and the category / family / group tree ----

#define ORVEL_SOURCE_CIvaSet "IVA"
#define ORVEL_CONNECT_CIvaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CIvaSet(X) \
    X(T, CODICE, 255) X(T, DESCRIZIONE, 255) X(T, ALIQUOTA, 255) X(L, CODICE_CASSA, 0) X(T, NOTE, 255)

#define ORVEL_SOURCE_CUnitaMisuraSet "UNITA_MISURA"
#define ORVEL_CONNECT_CUnitaMisuraSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CUnitaMisuraSet(X) X(T, ID, 255) X(T, DESCRIZIONE, 255)

#define ORVEL_SOURCE_CRepartoSet "REPARTO"
#define ORVEL_CONNECT_CRepartoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CRepartoSet(X)                                                                     \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, ID_IVA, 255) X(T, PREZZO_MINIMO, 255) X(T, PREZZO_MASSIMO, 255) \
    X(T, PREZZO_DUE, 255) X(T, PREZZO_UNO, 255) X(T, STAMPANTE, 255) X(L, ID_SOCIETA, 0)

#define ORVEL_SOURCE_CRepartoCompletoSet "REPARTO_COMPLETO"
#define ORVEL_CONNECT_CRepartoCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CRepartoCompletoSet(X)                                                            \
    X(T, REP_ID, 255) X(T, REP_DESCRIZIONE, 255) X(T, REP_IVA_ID, 255) X(T, REP_IVA_ALIQUOTA, 255)      \
    X(L, REP_IVA_CODICE_CASSA, 0) X(T, REP_PREZZO_MINIMO, 255) X(T, REP_PREZZO_MASSIMO, 255)            \
    X(T, REP_PREZZO_DUE, 255) X(T, REP_PREZZO_UNO, 255) X(T, REP_STAMPANTE, 255) X(L, REP_SOCIETA_ID, 0) \
    X(T, REP_SOCIETA_NOME, 255)

#define ORVEL_SOURCE_CCategoriaSet "CATEGORIA"
#define ORVEL_CONNECT_CCategoriaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCategoriaSet(X)                                                                \
    X(T, ID, 10) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_ESTESA, 1000) X(T, FILE_FOTO, 256)            \
    X(L, F_COMPLETA, 0) X(T, DESCRIZIONE_ESTESA2, 2000) X(T, FILE_FOTO2, 256) X(T, ID_REPARTO, 10)

#define ORVEL_SOURCE_CFamigliaSet "FAMIGLIA"
#define ORVEL_CONNECT_CFamigliaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CFamigliaSet(X)                                                                 \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_ESTESA, 2000) X(T, FILE_FOTO, 256)           \
    X(T, ID_CATEGORIA, 255) X(T, DESCRIZIONE_ESTESA2, 2000) X(T, FILE_FOTO2, 256)                      \
    X(T, PERC_COSTO_OMAGGIO, 255)

#define ORVEL_SOURCE_CFamigliaListSet "FAMIGLIA_LIST"
#define ORVEL_CONNECT_CFamigliaListSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CFamigliaListSet(X) X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, CAT_ID, 255) X(L, CAT_F_COMPLETA, 0)

#define ORVEL_SOURCE_CGruppoSet "GRUPPO"
#define ORVEL_CONNECT_CGruppoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CGruppoSet(X)                                                                   \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_ESTESA, 1000) X(T, FILE_FOTO, 256)           \
    X(T, ID_FAMIGLIA, 255) X(T, DESCRIZIONE_ESTESA2, 2000) X(T, FILE_FOTO2, 256)
