// Catalogue of the partner library's recordsets: partners and their sites, accounts, discount
// bands, price lists and the coins of the till. For each class: the table or view it reads, the
// connect string it reports and its columns in binding order (kinds in odbc/RecordsetMacros.h).
// The shop library reads partners' names, kinds and payment formulas, sites' addresses, account
// descriptions, bands and price lists through these classes.
#pragma once

#include "odbc/RecordsetMacros.h"

// A business partner (customer or supplier): names, tax codes, free information fields, the
// relation with the shop (F_TIPO_RAPPORTO 1 customer, 2 supplier), payment formula, discount
// band, price list, agent and bank.
#define ORVEL_SOURCE_CAziendaSet "AZIENDA"
#define ORVEL_CONNECT_CAziendaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CAziendaSet(X)                                                                       \
    X(L, ID, 0) X(T, RAGIONESOCIALE, 255) X(T, ATTIVITASPECIFICA, 255) X(T, PARTITAIVA, 255)                \
    X(T, CODICEFISCALE, 255) X(TS, DATAINSERIMENTO, 0) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255)   \
    X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(L, INFOSINO1, 0) X(L, INFOSINO2, 0)               \
    X(L, INFOSINO3, 0) X(L, INFOSINO4, 0) X(L, INFOSINO5, 0) X(T, NOTE, 1000) X(T, INIZIALE, 255)            \
    X(L, IDSOTTOSETTORE, 0) X(L, IDFORMAGIURIDICA, 0) X(L, F_TIPO_RAPPORTO, 0) X(T, F_TIPO, 255)           \
    X(L, ID_FORMULA_PAGAMENTO, 0) X(T, ID_SCONTO, 255) X(T, ID_LISTINO, 255) X(L, ID_AGENTE, 0)             \
    X(L, ID_BANCA_AGENZIA, 0) X(T, TELEFONO, 255) X(T, EMAIL, 255)

// A site of a partner (invoicing or delivery address) with the partner's name and the kind of
// site; hosts read a partner's sites by IDAZIENDA, main site first (F_PRIMARIA).
#define ORVEL_SOURCE_CSedeCompletaSet "SEDE_COMPLETA"
#define ORVEL_CONNECT_CSedeCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CSedeCompletaSet(X)                                                                  \
    X(L, ID, 0) X(L, IDAZIENDA, 0) X(T, RAGIONESOCIALE, 255) X(L, IDTIPOSEDE, 0) X(T, NOMETIPOSEDE, 255)    \
    X(T, VIA, 255) X(T, CAP, 255) X(T, NOMEZONAPOSTALE, 255) X(T, SIGLAPROVINCIA, 255) X(T, NAZIONE, 255)   \
    X(T, TELEFONO, 255) X(L, F_PRIMARIA, 0)

// An account with its bank (ABI) and branch (CAB) and its bank co-ordinates.
#define ORVEL_SOURCE_CContoCompletoSet "CONTO_COMPLETO"
#define ORVEL_CONNECT_CContoCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CContoCompletoSet(X)                                                                 \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(L, ID_SOCIETA, 0) X(L, BANCA_ID, 0) X(T, BANCA_DESCRIZIONE, 255)   \
    X(T, BANCA_ABI, 255) X(L, AGENZIA_ID, 0) X(T, AGENZIA_DESCRIZIONE, 255) X(T, AGENZIA_CAB, 255)          \
    X(T, CIN, 255) X(T, CONTO_CORRENTE, 255) X(T, IBAN, 255)

// A discount band: id and description, four cascading discounts and the agent's commission.
#define ORVEL_SOURCE_CScontoSet "SCONTO"
#define ORVEL_CONNECT_CScontoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScontoSet(X)                                                                 \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) \
    X(T, SCONTO_4, 255) X(T, PROVVIGIONE, 255)

// A price list: id and description first; TIPO_LISTINO 1 sale, -1 purchase; F_IVATO when its
// prices include VAT.
#define ORVEL_SOURCE_CListinoSet "LISTINO"
#define ORVEL_CONNECT_CListinoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CListinoSet(X) X(T, ID, 255) X(T, DESCRIZIONE, 255) X(L, TIPO_LISTINO, 0) X(L, F_IVATO, 0)

// A partner with its band (id, description, discounts, commission) and then its price list
// (description, then id), the order in which document lines take them.
#define ORVEL_SOURCE_CAziendaScontoCompletoSet "AZIENDA_SCONTO_COMPLETO"
#define ORVEL_CONNECT_CAziendaScontoCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CAziendaScontoCompletoSet(X)                                                      \
    X(L, ID, 0) X(T, SCONTO_ID, 255) X(T, SCONTO_DESCRIZIONE, 255) X(T, SCONTO_SCONTO_1, 255)            \
    X(T, SCONTO_SCONTO_2, 255) X(T, SCONTO_SCONTO_3, 255) X(T, SCONTO_SCONTO_4, 255)                     \
    X(T, SCONTO_PROVVIGIONE, 255) X(T, LISTINO_DESCRIZIONE, 255) X(T, LISTINO_ID, 255)                   \
    X(T, RAGIONESOCIALE, 255)

// A coin or banknote kind with its face value.
#define ORVEL_SOURCE_CPezzoMonetaSet "PEZZO_MONETA"
#define ORVEL_CONNECT_CPezzoMonetaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPezzoMonetaSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255) X(T, VALORE, 255) X(L, F_BANCONOTA, 0)
