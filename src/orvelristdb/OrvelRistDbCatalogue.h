// Catalogue of the restaurant library's recordsets: restaurant orders and the order documents
// sent for them. For each class: the table it reads, the connect string it reports and its
// columns in binding order (kinds in odbc/RecordsetMacros.h). The shop library reads the cover
// price, covers and service percentage of an order, and the documents of its kitchen orders, to
// build the pre-bill.
#pragma once

#include "odbc/RecordsetMacros.h"

// A restaurant order: the table and sitting it serves, how many covers at which price, the
// service percentage, who took it and whether it is closed.
#define ORVEL_SOURCE_CComandaSet "COMANDA"
#define ORVEL_CONNECT_CComandaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CComandaSet(X)                                                                  \
    X(L, ID, 0) X(TS, DATA, 0) X(T, TAVOLO, 255) X(L, COPERTI, 0) X(T, PREZZO_COPERTO, 255)            \
    X(T, PERC_SERVIZIO, 255) X(L, ID_SOCIETA, 0) X(L, ID_COLLABORATORE, 0) X(T, ID_POSTAZIONE, 255)    \
    X(L, F_CHIUSA, 0) X(T, NOTE, 1000)

// The order documents of a restaurant order, numbered in the order they were sent.
#define ORVEL_SOURCE_CComandaOrdineSet "COMANDA_ORDINE"
#define ORVEL_CONNECT_CComandaOrdineSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CComandaOrdineSet(X) X(L, ID_COMANDA, 0) X(L, ID_DOCUMENTO, 0) X(L, NUMERO, 0)
