// Catalogue of the returnable-container recordsets: container documents, their reasons, lines and
// links to ordinary documents, and the views the hosts search and list them through. For each
// class: the table or view it reads, the connect string it reports and its columns in binding order
// (see odbc/RecordsetMacros.h for the kinds).
#pragma once

#include "odbc/RecordsetMacros.h"

// CDocumentoVuotoSet: the header of a container document.
#define ORVEL_SOURCE_CDocumentoVuotoSet "DOCUMENTO_VUOTO"
#define ORVEL_CONNECT_CDocumentoVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoVuotoSet(X)                                                      \
    X(L, ID, 0) X(TS, DATA_MOVIMENTO, 0) X(L, NUMERO, 0) X(L, ANNO, 0) X(L, ID_CAUSALE_VUOTO, 0) \
    X(L, ID_FORNITORE, 0) X(L, ID_CLIENTE, 0) X(L, ID_SOCIETA, 0) X(L, ID_SEDE_SOCIETA, 0)       \
    X(T, NOTA, 2000) X(L, ID_DEPOSITO, 0) X(L, ID_DOC_VUOTO_GENERATO, 0)

// CDocumentoVuotoCausaleSet: a container header with the flags of its reason.
#define ORVEL_SOURCE_CDocumentoVuotoCausaleSet "DOCUMENTO_VUOTO_CAUSALE"
#define ORVEL_CONNECT_CDocumentoVuotoCausaleSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoVuotoCausaleSet(X)                                      \
    X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0)    \
    X(L, C_F_FORNITORE, 0) X(L, C_F_CLIENTE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)        \
    X(L, C_F_INVENTARIO_CLIENTE, 0) X(L, C_F_RESO_VALORE, 0) X(L, C_F_RESO_QUANTITA, 0) \
    X(T, C_F_REPORT, 1024) X(L, D_ID, 0) X(L, D_NUMERO, 0) X(TS, D_DATA_MOVIMENTO, 0)   \
    X(T, D_NOTA, 2000) X(T, D_ANNO, 255)

// CTestataDocumentoVuotoSet: a container header with its reason, company, site, depot and partners.
#define ORVEL_SOURCE_CTestataDocumentoVuotoSet "TESTATA_DOCUMENTO_VUOTO"
#define ORVEL_CONNECT_CTestataDocumentoVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTestataDocumentoVuotoSet(X)                                                   \
    X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0)                 \
    X(L, C_F_FORNITORE, 0) X(L, C_F_CLIENTE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)                     \
    X(L, C_F_INVENTARIO_CLIENTE, 0) X(L, C_F_RESO_VALORE, 0) X(L, C_F_RESO_QUANTITA, 0)              \
    X(T, C_F_REPORT, 1023) X(L, D_ID, 0) X(L, D_NUMERO, 0) X(TS, D_DATA_MOVIMENTO, 0)                \
    X(T, D_NOTA, 2000) X(T, D_ANNO, 255) X(L, S_ID, 0) X(T, S_NOME, 255) X(T, S_RAGIONESOCIALE, 255) \
    X(T, S_PARTITAIVA, 255) X(L, SEDE_SOC_ID, 0) X(T, SEDE_SOC_NOMEZONAPOSTALE, 255)                 \
    X(T, SEDE_SOC_SIGLAPROVINCIA, 255) X(T, SEDE_SOC_VIA, 255) X(T, SEDE_SOC_NOMETIPOSEDE, 255)      \
    X(T, SEDE_SOC_CAP, 255) X(L, DEP_ID, 0) X(T, DEP_NOMEZONAPOSTALE, 255)                           \
    X(T, DEP_SIGLAPROVINCIA, 255) X(T, DEP_VIA, 255) X(T, DEP_NOMETIPOSEDE, 255) X(T, DEP_CAP, 255)  \
    X(L, CL_ID, 0) X(T, CL_RAGIONESOCIALE, 255) X(T, CL_PARTITAIVA, 255) X(L, FORN_ID, 0)            \
    X(T, FORN_RAGIONESOCIALE, 255) X(T, FORN_PARTITAIVA, 255)

// CListaDocumentoVuotoSet: container documents as the hosts list them.
#define ORVEL_SOURCE_CListaDocumentoVuotoSet "LISTA_DOCUMENTO_VUOTO"
#define ORVEL_CONNECT_CListaDocumentoVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CListaDocumentoVuotoSet(X)                                     \
    X(L, ID_DOCUMENTO, 0) X(TS, DATA_MOVIMENTO, 0) X(L, NUMERO, 0) X(T, ANNO, 255)   \
    X(T, DESC_CAUSALE, 255) X(T, SOC_RAGIONESOCIALE, 255) X(T, SEDE_SOCIETA, 255)    \
    X(T, FOR_RAGIONESOCIALE, 255) X(T, CLI_FAT_RAGIONESOCIALE, 255) X(T, NOTA, 2000) \
    X(T, VIA_DEPOSITO, 255)

// CRicercaDocumentoVuotiSet: container documents as the search finds them.
#define ORVEL_SOURCE_CRicercaDocumentoVuotiSet "RICERCA_DOCUMENTO_VUOTI"
#define ORVEL_CONNECT_CRicercaDocumentoVuotiSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CRicercaDocumentoVuotiSet(X)                                                     \
    X(L, ID_DOCUMENTO, 0) X(TS, DATA_MOVIMENTO, 0) X(L, NUMERO, 0) X(L, ANNO, 0) X(L, ID_CAUSALE, 0)   \
    X(T, DESC_CAUSALE, 255) X(L, ID_SOCIETA, 0) X(T, SOC_RAGIONESOCIALE, 255) X(T, SEDE_SOCIETA, 255)  \
    X(L, FORN_ID, 0) X(T, FOR_RAGIONESOCIALE, 255) X(L, CLI_FAT_ID, 0)                                 \
    X(T, CLI_FAT_RAGIONESOCIALE, 255) X(L, ID_DEPOSITO, 0) X(T, VIA_DEPOSITO, 255) X(T, SOC_NOME, 255)

// CDocVuotoReferenziaDocsSet: links from a container document to ordinary documents.
#define ORVEL_SOURCE_CDocVuotoReferenziaDocsSet "DOC_VUOTO_REFERENZIA_DOCS"
#define ORVEL_CONNECT_CDocVuotoReferenziaDocsSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocVuotoReferenziaDocsSet(X) X(L, ID_DOCUMENTO_VUOTO, 0) X(L, ID_DOCUMENTO_REF, 0)

// CListaVuotiDocumentiAssociatiSet: the ordinary documents that container documents are linked to.
#define ORVEL_SOURCE_CListaVuotiDocumentiAssociatiSet "LISTA_VUOTI_DOCUMENTI_ASSOCIATI"
#define ORVEL_CONNECT_CListaVuotiDocumentiAssociatiSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CListaVuotiDocumentiAssociatiSet(X)                        \
    X(L, ID, 0) X(L, NUMERO, 0) X(T, DESC_CAUSALE, 255) X(TS, DATA_MOVIMENTO, 0)

// CMaxNumeroDocumentoVuotoSet: the highest container document number per year and reason.
#define ORVEL_SOURCE_CMaxNumeroDocumentoVuotoSet "MAX_NUMERO_DOCUMENTO_VUOTO"
#define ORVEL_CONNECT_CMaxNumeroDocumentoVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CMaxNumeroDocumentoVuotoSet(X) X(L, ANNO, 0) X(L, ID_CAUSALE, 0) X(L, NUMERO, 0)

// CVociDocumentoVuotoSet: lines of container documents.
#define ORVEL_SOURCE_CVociDocumentoVuotoSet "VOCI_DOCUMENTO_VUOTO"
#define ORVEL_CONNECT_CVociDocumentoVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoVuotoSet(X)                                                     \
    X(L, ID, 0) X(T, ID_VUOTO, 255) X(L, ID_DOCUMENTO_VUOTO, 0) X(T, PREZZO, 255) X(L, QUANTITA, 0)

// CVociDocumentoVuotoCompleteSet: container lines with the container's data and the line amounts.
#define ORVEL_SOURCE_CVociDocumentoVuotoCompleteSet "VOCI_DOCUMENTO_VUOTO_COMPLETE"
#define ORVEL_CONNECT_CVociDocumentoVuotoCompleteSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoVuotoCompleteSet(X)                                            \
    X(T, ID_VUOTO, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 512) X(T, PREZZO_PZ_EURO, 255) \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, ALIQUOTA_IVA, 255) X(L, ID_VOCI_DOCUMENTO_VUOTO, 0)         \
    X(L, ID_DOCUMENTO_VUOTO, 0) X(T, PREZZO, 255) X(L, QUANTITA, 0) X(T, TOTALE_IMPONIBILE, 255)   \
    X(T, TOTALE_IVA, 255) X(T, TOTALE, 255)

// CCausaleVuotoSet: movement reasons for containers.
#define ORVEL_SOURCE_CCausaleVuotoSet "CAUSALE_VUOTO"
#define ORVEL_CONNECT_CCausaleVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCausaleVuotoSet(X)                                                         \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(L, F_VALORE, 0) X(L, F_QUANTITA, 0) X(L, F_FORNITORE, 0) \
    X(L, F_CLIENTE, 0) X(L, F_INVENTARIO_INIZIALE, 0) X(L, F_INVENTARIO_CLIENTE, 0)               \
    X(L, F_RESO_QUANTITA, 0) X(L, F_RESO_VALORE, 0) X(T, F_REPORT, 1024)
