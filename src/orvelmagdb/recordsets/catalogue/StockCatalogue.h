// Catalogue of the stock, history, lot and fashion recordsets: for each class, the table or view
// it reads, the connect string it reports and its columns in binding order (see
// odbc/RecordsetMacros.h for the kinds). The fashion article classes extend the article ones of
// ArticleCatalogue.h and list only the columns they add.
#pragma once

#include "odbc/RecordsetMacros.h"

// ---- Stock and movement totals per company, depot and year ----

// Stock of an article per company and year (the sum over the company's depots).
#define ORVEL_SOURCE_CArticoloEsistenzaSet "ARTICOLO_ESISTENZA"
#define ORVEL_CONNECT_CArticoloEsistenzaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloEsistenzaSet(X)                                                          \
    X(L, ID_SOCIETA, 0) X(T, ANNO, 255) X(T, ID_ARTICOLO, 255) X(T, ESISTENZA, 255) X(T, CARICATO, 255) \
    X(T, CARICATO_VAL, 255) X(T, CMP, 255) X(TS, DATA_PREVISTO_ARRIVO, 0) X(T, QUANTITA_IMPEGNATA, 255) \
    X(T, QUANTITA_IN_ARRIVO, 255) X(T, SCARICATO, 255) X(T, ESISTENZA_INIZIALE, 255)

// Stock of an article per company, depot and year: opening stock, loaded, unloaded, loaded
// value, average cost, quantities committed and on order.
#define ORVEL_SOURCE_CArticoloDepositoEsistenzaSet "ARTICOLO_DEPOSITO_ESISTENZA"
#define ORVEL_CONNECT_CArticoloDepositoEsistenzaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloDepositoEsistenzaSet(X)                                            \
    X(L, ANNO, 0) X(T, CARICATO, 255) X(T, CARICATO_VAL, 255) X(T, CMP, 255)                      \
    X(TS, DATA_PREVISTO_ARRIVO, 0) X(T, ESISTENZA, 255) X(T, ESISTENZA_INIZIALE, 255)             \
    X(T, ID_ARTICOLO, 255) X(L, ID_DEPOSITO, 0) X(L, ID_SOCIETA, 0) X(T, QUANTITA_IMPEGNATA, 255) \
    X(T, QUANTITA_IN_ARRIVO, 255) X(T, SCARICATO, 255)

// Stock per depot with the depot's address.
#define ORVEL_SOURCE_CArticoloDepositoEsistCompSet "ARTICOLO_DEPOSITO_ESIST_COMP"
#define ORVEL_CONNECT_CArticoloDepositoEsistCompSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloDepositoEsistCompSet(X)                                                    \
    X(L, ID_SOCIETA, 0) X(L, ID_DEPOSITO, 0) X(L, ANNO, 0) X(T, ID_ARTICOLO, 255) X(T, ESISTENZA, 255)    \
    X(T, CMP, 255) X(T, ESISTENZA_INIZIALE, 255) X(T, CARICATO, 255) X(T, SCARICATO, 255)                 \
    X(T, CARICATO_VAL, 255) X(T, QUANTITA_IMPEGNATA, 255) X(T, QUANTITA_IN_ARRIVO, 255)                   \
    X(TS, DATA_PREVISTO_ARRIVO, 0) X(T, DEP_VIA, 255) X(T, DEP_NOME_ZONA_POSTALE, 255) X(T, DEP_CAP, 255) \
    X(T, DEP_SIGLA_PROVINCIA, 255)

// Stock of garments (size scale, size, colour) per depot, with the depot's address.
#define ORVEL_SOURCE_CArticoloDeposEsistCompModaSet "ARTICOLO_DEPOS_ESIST_COMP_MODA"
#define ORVEL_CONNECT_CArticoloDeposEsistCompModaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloDeposEsistCompModaSet(X)                                                   \
    X(L, ID_SOCIETA, 0) X(L, ID_DEPOSITO, 0) X(L, ANNO, 0) X(T, ID_ARTICOLO, 255)                         \
    X(T, ID_SCALA_TAGLIA, 255) X(T, ID_TAGLIA, 255) X(T, ID_COLORE, 255) X(T, ESISTENZA, 255)             \
    X(T, CMP, 255) X(T, ESISTENZA_INIZIALE, 255) X(T, CARICATO, 255) X(T, SCARICATO, 255)                 \
    X(T, CARICATO_VAL, 255) X(T, QUANTITA_IMPEGNATA, 255) X(T, QUANTITA_IN_ARRIVO, 255)                   \
    X(TS, DATA_PREVISTO_ARRIVO, 0) X(T, DEP_VIA, 255) X(T, DEP_NOME_ZONA_POSTALE, 255) X(T, DEP_CAP, 255) \
    X(T, DEP_SIGLA_PROVINCIA, 255)

// Stock of garments per company and year (the sum over the company's depots).
#define ORVEL_SOURCE_CArticoloModaEsistenzaSet "ARTICOLO_MODA_ESISTENZA"
#define ORVEL_CONNECT_CArticoloModaEsistenzaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloModaEsistenzaSet(X)                                                 \
    X(L, ID_SOCIETA, 0) X(L, ANNO, 0) X(T, ID_ARTICOLO, 255) X(T, ID_SCALA_TAGLIA, 255)            \
    X(T, ID_TAGLIA, 255) X(T, ID_COLORE, 255) X(T, ESISTENZA, 255) X(T, CMP, 255)                  \
    X(T, ESISTENZA_INIZIALE, 255) X(T, CARICATO, 255) X(T, SCARICATO, 255) X(T, CARICATO_VAL, 255) \
    X(T, QUANTITA_IMPEGNATA, 255) X(T, QUANTITA_IN_ARRIVO, 255) X(TS, DATA_PREVISTO_ARRIVO, 0)

// Availability of an article: stock on hand and the next expected arrival.
#define ORVEL_SOURCE_CDisponibilitaArticoloSet "DISPONIBILITA_ARTICOLO"
#define ORVEL_CONNECT_CDisponibilitaArticoloSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDisponibilitaArticoloSet(X)                                                   \
    X(T, ID_ARTICOLO, 255) X(T, ESISTENZA, 255) X(T, QUANTITA_PREVISTA, 255) X(TS, DATA_PREVISTA, 0)

// Movement totals of an article per company, depot and year.
#define ORVEL_SOURCE_CMovimentoArticoloDepositoSet "MOVIMENTO_ARTICOLO_DEPOSITO"
#define ORVEL_CONNECT_CMovimentoArticoloDepositoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CMovimentoArticoloDepositoSet(X)                                                 \
    X(T, ID_ARTICOLO, 255) X(L, ID_SOCIETA, 0) X(L, ID_DEPOSITO, 0) X(T, CMP, 255) X(T, CARICATO, 255) \
    X(T, SCARICATO, 255) X(T, CARICATO_VAL, 255) X(L, ANNO, 0) X(T, ESISTENZA_INIZIALE, 255)           \
    X(T, QUANTITA_IMPEGNATA, 255) X(T, QUANTITA_IN_ARRIVO, 255) X(TS, DATA_PREVISTO_ARRIVO, 0)

// Movement totals of an article per company and year.
#define ORVEL_SOURCE_CMovimentoArticoloSocietaSet "MOVIMENTO_ARTICOLO_SOCIETA"
#define ORVEL_CONNECT_CMovimentoArticoloSocietaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CMovimentoArticoloSocietaSet(X)                                                  \
    X(T, ID_ARTICOLO, 255) X(L, ID_SOCIETA, 0) X(T, CMP, 255) X(T, CARICATO, 255) X(T, SCARICATO, 255) \
    X(L, ANNO, 0) X(T, CARICATO_VAL, 255) X(T, ESISTENZA_INIZIALE, 255) X(T, QUANTITA_IMPEGNATA, 255)  \
    X(T, QUANTITA_IN_ARRIVO, 255) X(TS, DATA_PREVISTO_ARRIVO, 0)

// Movement totals of an article per company and year, recomputed from the stored document
// lines, to check the stored totals against.
#define ORVEL_SOURCE_CCtrlMovimentoArticoloSocietaSet "CTRL_MOVIMENTO_ARTICOLO_SOCIETA"
#define ORVEL_CONNECT_CCtrlMovimentoArticoloSocietaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCtrlMovimentoArticoloSocietaSet(X)                                       \
    X(L, ID_SOCIETA, 0) X(L, ANNO, 0) X(T, ID_ARTICOLO, 255) X(T, CMP, 255) X(T, CARICATO, 255) \
    X(T, SCARICATO, 255) X(T, CARICATO_VAL, 255) X(T, ESISTENZA_INIZIALE, 255)                  \
    X(T, QUANTITA_IMPEGNATA, 255) X(T, QUANTITA_IN_ARRIVO, 255) X(TS, DATA_PREVISTO_ARRIVO, 0)

// ---- History: the document lines that moved an article or a lot ----

// History of an article: each document line of it with its document and movement reason.
#define ORVEL_SOURCE_CStoriaArticoloSet "STORIA_ARTICOLO"
#define ORVEL_CONNECT_CStoriaArticoloSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CStoriaArticoloSet(X)                                                               \
    X(L, D_ID, 0) X(TS, D_DATA_DOCUMENTO, 0) X(TS, D_DATA_MOVIMENTO, 0) X(L, D_NUMERO, 0) X(L, D_ANNO, 0) \
    X(T, D_SERIE, 255) X(L, D_FORN_ID, 0) X(T, D_FORN_RAGIONE_SOCIALE, 255) X(L, D_CLI_FAT_ID, 0)         \
    X(T, D_CLI_FAT_RAGIONE_SOCIALE, 255) X(L, D_ID_SOCIETA, 0) X(L, D_ID_SEDE_SOCIETA, 0)                 \
    X(L, D_ID_DEPOSITO, 0) X(T, D_SCONTO_EXTRA, 255) X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255)               \
    X(T, C_TIPO_DOCUMENTO, 255) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0) X(L, C_F_FORNITORE, 0)          \
    X(L, C_F_CLIENTE, 0) X(L, C_F_AGENTE, 0) X(L, C_F_ESIST_ATTUALE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)  \
    X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0) X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0)     \
    X(L, C_F_ORDINE_DA_CLIENTE, 0) X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, C_F_LISTINO, 0)                  \
    X(L, C_F_ULTIMO_PREZZO, 0) X(L, C_F_MODIFICA_LISTINO, 0) X(L, VC_ID, 0) X(T, VC_ID_ARTICOLO, 255)     \
    X(T, VC_DESCRIZIONE, 255) X(T, VC_PREZZO, 255) X(T, VC_PREZZO_IVATO, 255) X(T, VC_QUANTITA, 255)      \
    X(T, VC_QUANTITA_DA_EVADERE, 255) X(T, VC_QUANTITA_EVASA, 255) X(T, VC_UM, 255)                       \
    X(T, VC_ALIQUOTA_IVA, 255) X(L, VC_SCONTA_IVA, 0) X(T, VC_SCONTO_1, 255) X(T, VC_SCONTO_2, 255)       \
    X(T, VC_SCONTO_3, 255) X(T, VC_SCONTO_4, 255) X(T, VC_PROVVIGIONE, 255)

// History of a fashion article: each document line with the garment's size and colour.
#define ORVEL_SOURCE_CStoriaArticoloModaSet "STORIA_ARTICOLO_MODA"
#define ORVEL_CONNECT_CStoriaArticoloModaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CStoriaArticoloModaSet(X)                                                           \
    X(L, D_ID, 0) X(TS, D_DATA_DOCUMENTO, 0) X(TS, D_DATA_MOVIMENTO, 0) X(L, D_NUMERO, 0) X(L, D_ANNO, 0) \
    X(T, D_SERIE, 255) X(L, D_FORN_ID, 0) X(T, D_FORN_RAGIONE_SOCIALE, 255) X(L, D_CLI_FAT_ID, 0)         \
    X(T, D_CLI_FAT_RAGIONE_SOCIALE, 255) X(L, D_ID_SOCIETA, 0) X(L, D_ID_SEDE_SOCIETA, 0)                 \
    X(L, D_ID_DEPOSITO, 0) X(T, D_SCONTO_EXTRA, 255) X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255)               \
    X(T, C_TIPO_DOCUMENTO, 255) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0) X(L, C_F_FORNITORE, 0)          \
    X(L, C_F_CLIENTE, 0) X(L, C_F_AGENTE, 0) X(L, C_F_ESIST_ATTUALE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)  \
    X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0) X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0)     \
    X(L, C_F_ORDINE_DA_CLIENTE, 0) X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, C_F_LISTINO, 0)                  \
    X(L, C_F_ULTIMO_PREZZO, 0) X(L, C_F_MODIFICA_LISTINO, 0) X(L, VC_ID, 0) X(T, VC_ID_ARTICOLO, 255)     \
    X(T, VC_DESCRIZIONE, 255) X(T, VC_ID_TAGLIA, 255) X(T, VC_ID_COLORE, 255) X(T, VC_PREZZO, 255)        \
    X(T, VC_PREZZO_IVATO, 255) X(T, VC_QUANTITA, 255) X(T, VC_QUANTITA_DA_EVADERE, 255)                   \
    X(T, VC_QUANTITA_EVASA, 255) X(T, VC_ALIQUOTA_IVA, 255) X(L, VC_SCONTA_IVA, 0) X(T, VC_SCONTO_1, 255) \
    X(T, VC_SCONTO_2, 255) X(T, VC_SCONTO_3, 255) X(T, VC_SCONTO_4, 255) X(T, VC_PROVVIGIONE, 255)

// History of lots: each document line that moved a lot, with its document and reason.
#define ORVEL_SOURCE_CStoriaLottoSet "STORIA_LOTTO"
#define ORVEL_CONNECT_CStoriaLottoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CStoriaLottoSet(X)                                                                  \
    X(L, D_ID, 0) X(TS, D_DATA_DOCUMENTO, 0) X(TS, D_DATA_MOVIMENTO, 0) X(L, D_NUMERO, 0) X(L, D_ANNO, 0) \
    X(T, D_SERIE, 255) X(L, D_FORN_ID, 0) X(T, D_FORN_RAGIONE_SOCIALE, 255) X(L, D_CLI_FAT_ID, 0)         \
    X(T, D_CLI_FAT_RAGIONE_SOCIALE, 255) X(L, D_ID_SOCIETA, 0) X(L, D_ID_SEDE_SOCIETA, 0)                 \
    X(L, D_ID_DEPOSITO, 0) X(T, D_SCONTO_EXTRA, 255) X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255)               \
    X(T, C_TIPO_DOCUMENTO, 255) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0) X(L, C_F_FORNITORE, 0)          \
    X(L, C_F_CLIENTE, 0) X(L, C_F_AGENTE, 0) X(L, C_F_ESIST_ATTUALE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)  \
    X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0) X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0)     \
    X(L, C_F_ORDINE_DA_CLIENTE, 0) X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, VC_ID, 0)                        \
    X(T, VC_ID_ARTICOLO, 255) X(T, VC_DESCRIZIONE, 255) X(T, VC_PREZZO, 255) X(T, VC_QUANTITA, 255)       \
    X(T, VC_QUANTITA_DA_EVADERE, 255) X(T, VC_QUANTITA_EVASA, 255) X(T, VC_ALIQUOTA_IVA, 255)             \
    X(L, VC_SCONTA_IVA, 0) X(T, VC_SCONTO_1, 255) X(T, VC_SCONTO_2, 255) X(T, VC_SCONTO_3, 255)           \
    X(T, VC_SCONTO_4, 255) X(T, VC_PROVVIGIONE, 255) X(L, VC_LOTTO_ANNO, 0) X(L, VC_LOTTO_NUMERO, 0)

// ---- Lots and lot labels ----

// Lots of an article by year and number: dates, quantities loaded and unloaded, closed flag,
// the supplier's lot code. Both quantities of a new row start at zero.
#define ORVEL_SOURCE_CLottoSet "LOTTO"
#define ORVEL_CONNECT_CLottoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CLottoSet(X)                                                                        \
    X(L, ANNO, 0) X(L, NUMERO, 0) X(DT, DATA_CREAZIONE, 0) X(DT, DATA_SCADENZA, 0) X(T, ID_ARTICOLO, 255) \
    X(T0, QUANTITA_CARICATA, 255) X(T0, QUANTITA_SCARICATA, 255) X(L, F_CHIUSO, 0)                        \
    X(T, CODICE_FORNITORE, 255) X(L, F_MODIFICA_MANUALE, 0)

// Lots with the description of their article.
#define ORVEL_SOURCE_CLottoCompletoSet "LOTTO_COMPLETO"
#define ORVEL_CONNECT_CLottoCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CLottoCompletoSet(X)                                                                \
    X(L, ANNO, 0) X(L, NUMERO, 0) X(DT, DATA_CREAZIONE, 0) X(DT, DATA_SCADENZA, 0) X(T, ARTICOLO_ID, 255) \
    X(T, ARTICOLO_DESCRIZIONE, 255) X(T, QUANTITA_CARICATA, 255) X(T, QUANTITA_SCARICATA, 255)            \
    X(L, F_CHIUSO, 0) X(T, CODICE_FORNITORE, 255)

// Lot labels waiting to be printed.
#define ORVEL_SOURCE_CEtichettaLottoSet "ETICHETTA_LOTTO"
#define ORVEL_CONNECT_CEtichettaLottoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CEtichettaLottoSet(X)                                                             \
    X(L, NUMERO, 0) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(L, QUANTITA, 0) X(L, LOTTO_ANNO, 0) \
    X(L, LOTTO_NUMERO, 0) X(T, INFO, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255)            \
    X(T, INFO5, 255) X(T, INFO6, 255)

// ---- Fashion: articles with season, line and fabric, garments, variants, colours and sizes ----

// Fashion attributes of an article: season, line, fabric, size scale.
#define ORVEL_SOURCE_CArticoloModaSet "ARTICOLO_MODA"
#define ORVEL_CONNECT_CArticoloModaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloModaSet(X)                                                   \
    X(T, ID_ARTICOLO, 255) X(T, ID_STAGIONE, 255) X(T, ID_LINEA, 255) X(T, ID_TESSUTO, 255) \
    X(T, ID_SCALA_TAGLIA, 255)

// A fashion article: the full article and the descriptions of its season, line and fabric.
#define ORVEL_SOURCE_CArticoloModaCompletoSet "ARTICOLO_MODA_COMPLETO"
#define ORVEL_CONNECT_CArticoloModaCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloModaCompletoSet(X)                                                         \
    X(T, ID_STAGIONE, 255) X(T, STAGIONE, 255) X(T, ID_LINEA, 255) X(T, LINEA, 255) X(T, ID_TESSUTO, 255) \
    X(T, TESSUTO, 255)

// Fashion attributes of an article with the description of its line.
#define ORVEL_SOURCE_CArticoloModaLineaSet "ARTICOLO_MODA_LINEA"
#define ORVEL_CONNECT_CArticoloModaLineaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloModaLineaSet(X)                                              \
    X(T, ID_ARTICOLO, 255) X(T, ID_STAGIONE, 255) X(T, ID_LINEA, 255) X(T, ID_TESSUTO, 255) \
    X(T, ID_SCALA_TAGLIA, 255) X(T, LINEA_DESCRIZIONE, 255)

// The short form of a fashion article for lists and searches.
#define ORVEL_SOURCE_CArticoloModaListSet "ARTICOLO_MODA_LIST"
#define ORVEL_CONNECT_CArticoloModaListSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloModaListSet(X)                        \
    X(T, ID_STAGIONE, 255) X(T, ID_LINEA, 255) X(T, ID_TESSUTO, 255)

// Priced options of an article (a variant sold at its own price).
#define ORVEL_SOURCE_CArticoloVarianteSet "ARTICOLO_VARIANTE"
#define ORVEL_CONNECT_CArticoloVarianteSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloVarianteSet(X)                                                           \
    X(L, ID, 0) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(T, PREZZO, 255) X(L, F_PREZZO_IVATO, 0) \
    X(T, ID_CATEGORIA, 255)

// Priced options with the descriptions of their article and category.
#define ORVEL_SOURCE_CArticoloVarianteCompletoSet "ARTICOLO_VARIANTE_COMPLETO"
#define ORVEL_CONNECT_CArticoloVarianteCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloVarianteCompletoSet(X)                                                   \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(T, PREZZO, 255) X(L, F_PREZZO_IVATO, 0) X(T, ARTICOLO_ID, 255) \
    X(T, ARTICOLO_DESCRIZIONE, 255) X(T, CATEGORIA_ID, 255) X(T, CATEGORIA_DESCRIZIONE, 255)

// Garments of an article: one per size scale, size and colour, each with its barcode and its
// order in the scale.
#define ORVEL_SOURCE_CCapoSet "CAPO"
#define ORVEL_CONNECT_CCapoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCapoSet(X)                                                               \
    X(T, ID_ARTICOLO, 255) X(T, ID_TAGLIA, 255) X(T, ID_SCALA_TAGLIA, 255) X(T, ID_COLORE, 255) \
    X(T, CODICE_EAN, 255) X(L, RN, 0)

// A garment with its article's data and the descriptions of its colour and size scale.
#define ORVEL_SOURCE_CCapoCompletoSet "CAPO_COMPLETO"
#define ORVEL_CONNECT_CCapoCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCapoCompletoSet(X)                                                              \
    X(T, ID_ARTICOLO, 255) X(T, CODICE_EAN, 255) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_RIDOTTA, 255) \
    X(T, FILEFOTO, 512) X(T, PREZZO_PZ_EURO, 255) X(T, PREZZO_PZ_EURO_IVATO, 255)                      \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ID_IVA, 255)        \
    X(T, ALIQUOTA_IVA, 255) X(T, SCORTA_MINIMA, 255) X(T, ID_CATEGORIA, 255) X(T, ID_FAMIGLIA, 255)    \
    X(T, ID_GRUPPO, 255) X(T, PROVVIGIONE, 255) X(L, F_PUBBLICA, 0) X(T, SCONTO_1, 255)                \
    X(T, SCONTO_2, 255) X(T, PREZZO_ACQ_LISTINO_EURO, 255) X(T, ID_SCALA_TAGLIA, 255)                  \
    X(T, ID_TAGLIA, 255) X(T, ID_COLORE, 255) X(L, RN, 0) X(T, CODICE_INTERNO_ARTICOLO, 255)           \
    X(T, COLORE, 255) X(T, SCALA_TAGLIA, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255)

// Colours.
#define ORVEL_SOURCE_CColoreSet "COLORE"
#define ORVEL_CONNECT_CColoreSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CColoreSet(X)      \
    X(T, ID, 255) X(T, DESCRIZIONE, 255)

// Sizes of a size scale, in order.
#define ORVEL_SOURCE_CTagliaSet "TAGLIA"
#define ORVEL_CONNECT_CTagliaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTagliaSet(X)                      \
    X(T, ID, 255) X(T, ID_SCALA_TAGLIA, 255) X(L, RN, 0)

// Sizes with the description of their scale.
#define ORVEL_SOURCE_CTagliaCompletaSet "TAGLIA_COMPLETA"
#define ORVEL_CONNECT_CTagliaCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTagliaCompletaSet(X)                                             \
    X(T, ID_TAGLIA, 255) X(T, ID_SCALA_TAGLIA, 255) X(T, DESCRIZIONE_SCALA_TAGLIA, 255)

// Size scales.
#define ORVEL_SOURCE_CScalaTaglieSet "SCALA_TAGLIA"
#define ORVEL_CONNECT_CScalaTaglieSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScalaTaglieSet(X) \
    X(T, ID, 255) X(T, DESCRIZIONE, 255)

// Seasons.
#define ORVEL_SOURCE_CStagioneSet "STAGIONE"
#define ORVEL_CONNECT_CStagioneSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CStagioneSet(X)    \
    X(T, ID, 255) X(T, DESCRIZIONE, 255)

// Fabrics.
#define ORVEL_SOURCE_CTessutoSet "TESSUTO"
#define ORVEL_CONNECT_CTessutoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTessutoSet(X)     \
    X(T, ID, 255) X(T, DESCRIZIONE, 255)

// Fashion lines: mark-up and supplier.
#define ORVEL_SOURCE_CLineaSet "LINEA"
#define ORVEL_CONNECT_CLineaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CLineaSet(X)                                                 \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, RICARICO, 255) X(L, ID_FORNITORE, 0)

// Fashion lines with the supplier's name.
#define ORVEL_SOURCE_CLineaCompletaSet "LINEA_COMPLETA"
#define ORVEL_CONNECT_CLineaCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CLineaCompletaSet(X)                                         \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, RICARICO, 255) X(L, ID_FORNITORE, 0) \
    X(T, DESCRIZIONE_FORNITORE, 255)
