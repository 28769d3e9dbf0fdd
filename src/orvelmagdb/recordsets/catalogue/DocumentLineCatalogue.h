// Catalogue of the document-line recordsets: the line table under the names the library reads and
// writes it by, the till-receipt and document-with-lines views, revaluation rows and line kinds.
// For each class: the table or view it reads, the connect string it reports and its columns in
// binding order (see odbc/RecordsetMacros.h for the kinds).
#pragma once

#include "odbc/RecordsetMacros.h"

// CDocumentoVoceDocumentoSet: lines with the amounts of each and the header of their document.
#define ORVEL_SOURCE_CDocumentoVoceDocumentoSet "DOCUMENTO_VOCE_DOCUMENTO"
#define ORVEL_CONNECT_CDocumentoVoceDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoVoceDocumentoSet(X)                                                    \
    X(L, ID_VOCE_DOCUMENTO, 0) X(T, ID_ARTICOLO, 255) X(T, PREZZO, 255) X(T, QUANTITA, 255)            \
    X(T, QUANTITA_DA_EVADERE, 255) X(T, QUANTITA_EVASA, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255)   \
    X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) X(T, TOTALE_NO_SCONTO, 255) X(T, TOTALE_SCONTO, 255)       \
    X(T, TOTALE_IMPONIBILE, 255) X(T, TOTALE_IVA, 255) X(T, ALIQUOTA_IVA, 255) X(L, D_ID, 0)           \
    X(T, D_SERIE, 255) X(L, D_NUMERO, 0) X(CT, D_DATA_MOVIMENTO, 0) X(CT, D_DATA_DOCUMENTO, 0)         \
    X(T, D_NOTA, 2000) X(T, D_SCONTO_EXTRA, 255) X(L, D_ID_PORTO, 0) X(L, D_ID_VETTORE, 0)             \
    X(L, D_ID_TRASPORTO, 0) X(L, D_ID_ASPETTO_BENI, 0) X(L, D_IMBALLI, 0) X(L, D_NUMERO_COLLI, 0)      \
    X(T, D_SPESE_TRASPORTO, 255) X(TS, D_DATA_ORA_INIZIO_TRASPORTO, 0)                                 \
    X(TS, D_DATA_ORA_FINE_TRASPORTO, 0) X(L, D_ID_BANCA_AGENZIA, 0) X(L, D_ID_FORMULA_PAGAMENTO, 0)    \
    X(L, D_ANNO, 0) X(L, S_ID, 0) X(L, SEDE_SOC_ID, 0) X(L, AG_ID, 0) X(L, DEP_ID, 0) X(L, FORN_ID, 0) \
    X(T, FORN_RAGIONE_SOCIALE, 255) X(T, FORN_PARTITA_IVA, 255) X(T, FORN_INDIRIZZO1, 255)             \
    X(T, FORN_INDIRIZZO2, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONE_SOCIALE, 255)                  \
    X(T, CLI_FAT_PARTITA_IVA, 255) X(T, CLI_FAT_INDIRIZZO1, 255) X(T, CLI_FAT_INDIRIZZO2, 255)         \
    X(T, CLI_SPE_INDIRIZZO1, 255) X(T, CLI_SPE_INDIRIZZO2, 255)

// CVociDocumentoSet: the stored lines of documents: what a warehouse or restaurant document loads.
#define ORVEL_SOURCE_CVociDocumentoSet "VOCI_DOCUMENTO"
#define ORVEL_CONNECT_CVociDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoSet(X)                                                              \
    X(L, ID, 0) X(T, ID_ARTICOLO, 255) X(L, ID_DOCUMENTO, 0) X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255)  \
    X(T, QUANTITA, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, ALIQUOTA_IVA, 255) X(T, DESCRIZIONE, 255)       \
    X(L, SCONTA_IVA, 0) X(T, TIPO, 255) X(T, UM, 255) X(T, QUANTITA_DA_EVADERE, 255)                    \
    X(T, QUANTITA_EVASA, 255) X(T, PZ_X_CONF, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255)   \
    X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, CODICE_EAN, 255)           \
    X(T, QUANTITA_OMAGGIO, 255) X(T, QUANTITA_OMAGGIO_PAGATA, 255) X(L, MOLTIPLICATORE_QTA, 0)          \
    X(T, COEFFICIENTE_UM, 255) X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) X(T, ID_SCONTO, 255)        \
    X(T, ID_LISTINO, 255) X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0) X(T, QUANTITA_LORDA, 255)       \
    X(T, PESO_IMBALLO, 255) X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0) X(L, MARCATORE, 0) X(L, NRIGA, 0) \
    X(T, PREZZO_COMPLETO, 255)

// CVociDocumentoOperSet: the stored lines as the warehouse line write sees them, with the header
// and reason copies.
#define ORVEL_SOURCE_CVociDocumentoOperSet "VOCI_DOCUMENTO_OPER"
#define ORVEL_CONNECT_CVociDocumentoOperSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoOperSet(X)                                                          \
    X(L, ID, 0) X(T, TIPO, 255) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(L, ID_DOCUMENTO, 0)     \
    X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255) X(T, UM, 255) X(T, QUANTITA, 255) X(T, ALIQUOTA_IVA, 255) \
    X(L, SCONTA_IVA, 0) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, PZ_X_CONF, 255) X(T, QUANTITA_DA_EVADERE, 255)  \
    X(T, QUANTITA_EVASA, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255)       \
    X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, CODICE_EAN, 255) X(TS, D_DATA_DOCUMENTO, 0) \
    X(TS, D_DATA_MOVIMENTO, 0) X(L, D_ANNO, 0) X(L, D_ID_SOCIETA, 0) X(L, D_ID_SEDE_SOCIETA, 0)         \
    X(L, D_ID_DEPOSITO, 0) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0) X(L, C_F_ESIST_ATTUALE, 0)         \
    X(L, C_F_INVENTARIO_INIZIALE, 0) X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0)                      \
    X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0) X(L, C_F_ORDINE_DA_CLIENTE, 0)                  \
    X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, C_F_MOVIMENTA_CARBURANTE, 0) X(L, C_F_LISTINO, 0)             \
    X(L, C_F_MODIFICA_LISTINO, 0) X(T, QUANTITA_OMAGGIO, 255) X(T, QUANTITA_OMAGGIO_PAGATA, 255)        \
    X(L, MOLTIPLICATORE_QTA, 0) X(T, COEFFICIENTE_UM, 255) X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) \
    X(T, ID_SCONTO, 255) X(T, ID_LISTINO, 255) X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0)            \
    X(T, QUANTITA_LORDA, 255) X(T, PESO_IMBALLO, 255) X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0)         \
    X(L, MARCATORE, 0) X(L, NRIGA, 0) X(T, PREZZO_COMPLETO, 255)

// CVociDocumentoModaOperSet: the stored lines as the fashion line write sees them, with size,
// colour, row number and the header and reason copies.
#define ORVEL_SOURCE_CVociDocumentoModaOperSet "VOCI_DOCUMENTO_MODA_OPER"
#define ORVEL_CONNECT_CVociDocumentoModaOperSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoModaOperSet(X)                                                      \
    X(L, ID, 0) X(T, TIPO, 255) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(L, ID_DOCUMENTO, 0)     \
    X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255) X(T, UM, 255) X(T, QUANTITA, 255) X(T, ALIQUOTA_IVA, 255) \
    X(L, SCONTA_IVA, 0) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, PZ_X_CONF, 255) X(T, QUANTITA_DA_EVADERE, 255)  \
    X(T, QUANTITA_EVASA, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255)       \
    X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, ID_SCALA_TAGLIA, 255) X(T, ID_TAGLIA, 255)  \
    X(T, ID_COLORE, 255) X(T, CODICE_EAN, 255) X(L, RN, 0) X(TS, D_DATA_DOCUMENTO, 0)                   \
    X(TS, D_DATA_MOVIMENTO, 0) X(L, D_ANNO, 0) X(L, D_ID_SOCIETA, 0) X(L, D_ID_SEDE_SOCIETA, 0)         \
    X(L, D_ID_DEPOSITO, 0) X(L, C_F_VALORE, 0) X(L, C_F_QUANTITA, 0) X(L, C_F_ESIST_ATTUALE, 0)         \
    X(L, C_F_INVENTARIO_INIZIALE, 0) X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0)                      \
    X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0) X(L, C_F_ORDINE_DA_CLIENTE, 0)                  \
    X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, C_F_LISTINO, 0) X(L, C_F_MODIFICA_LISTINO, 0)                 \
    X(T, QUANTITA_OMAGGIO, 255) X(T, QUANTITA_OMAGGIO_PAGATA, 255) X(L, MOLTIPLICATORE_QTA, 0)          \
    X(T, COEFFICIENTE_UM, 255) X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) X(T, ID_SCONTO, 255)        \
    X(T, ID_LISTINO, 255) X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0) X(T, QUANTITA_LORDA, 255)       \
    X(T, PESO_IMBALLO, 255) X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0) X(L, MARCATORE, 0) X(L, NRIGA, 0) \
    X(T, PREZZO_COMPLETO, 255)

// CVociDocumentoModaLoadSet: the stored lines with their fashion columns: what a fashion document
// loads.
#define ORVEL_SOURCE_CVociDocumentoModaLoadSet "VOCI_DOCUMENTO_MODA_LOAD"
#define ORVEL_CONNECT_CVociDocumentoModaLoadSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoModaLoadSet(X)                                                      \
    X(L, ID, 0) X(T, TIPO, 255) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(L, ID_DOCUMENTO, 0)     \
    X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255) X(T, UM, 255) X(T, QUANTITA, 255) X(T, ALIQUOTA_IVA, 255) \
    X(L, SCONTA_IVA, 0) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, PZ_X_CONF, 255) X(T, QUANTITA_DA_EVADERE, 255)  \
    X(T, QUANTITA_EVASA, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255)       \
    X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, ID_SCALA_TAGLIA, 255) X(T, ID_TAGLIA, 255)  \
    X(T, ID_COLORE, 255) X(T, CODICE_EAN, 255) X(L, RN, 0) X(T, QUANTITA_OMAGGIO, 255)                  \
    X(T, QUANTITA_OMAGGIO_PAGATA, 255) X(L, MOLTIPLICATORE_QTA, 0) X(T, COEFFICIENTE_UM, 255)           \
    X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) X(T, ID_SCONTO, 255) X(T, ID_LISTINO, 255)             \
    X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0) X(T, QUANTITA_LORDA, 255) X(T, PESO_IMBALLO, 255)     \
    X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0) X(L, MARCATORE, 0) X(L, NRIGA, 0)                         \
    X(T, PREZZO_COMPLETO, 255)

// CVociDocumentoScontrinoSet: lines of till receipts with the department and till VAT codes.
#define ORVEL_SOURCE_CVociDocumentoScontrinoSet "VOCI_DOCUMENTO_SCONTRINO"
#define ORVEL_CONNECT_CVociDocumentoScontrinoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoScontrinoSet(X)                                                     \
    X(L, ID, 0) X(T, ID_ARTICOLO, 255) X(L, ID_DOCUMENTO, 0) X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255)  \
    X(T, QUANTITA, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, ALIQUOTA_IVA, 255) X(T, DESCRIZIONE, 255)       \
    X(L, SCONTA_IVA, 0) X(T, TIPO, 255) X(T, UM, 255) X(T, QUANTITA_DA_EVADERE, 255)                    \
    X(T, QUANTITA_EVASA, 255) X(T, PZ_X_CONF, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255)   \
    X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, CODICE_EAN, 255)           \
    X(T, QUANTITA_OMAGGIO, 255) X(T, QUANTITA_OMAGGIO_PAGATA, 255) X(L, MOLTIPLICATORE_QTA, 0)          \
    X(T, COEFFICIENTE_UM, 255) X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) X(T, ID_SCONTO, 255)        \
    X(T, ID_LISTINO, 255) X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0) X(T, QUANTITA_LORDA, 255)       \
    X(T, PESO_IMBALLO, 255) X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0) X(T, ID_REPARTO, 255)             \
    X(L, CODICE_CASSA_IVA_REPARTO, 0) X(L, CODICE_CASSA_IVA_ARTICOLO, 0) X(L, F_STAMPA_IN_SCONTRINO, 0)

// CVociDocumentoScontrinoNofiscSet: lines of non-fiscal till receipts with the department and till
// VAT codes.
#define ORVEL_SOURCE_CVociDocumentoScontrinoNofiscSet "VOCI_DOCUMENTO_SCONTRINO_NOFISC"
#define ORVEL_CONNECT_CVociDocumentoScontrinoNofiscSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVociDocumentoScontrinoNofiscSet(X)                                               \
    X(L, ID, 0) X(T, ID_ARTICOLO, 255) X(L, ID_DOCUMENTO, 0) X(T, PREZZO, 255) X(T, PREZZO_IVATO, 255)  \
    X(T, QUANTITA, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) \
    X(T, SCONTO_EXTRA, 255) X(T, PROVVIGIONE, 255) X(T, ALIQUOTA_IVA, 255) X(T, DESCRIZIONE, 255)       \
    X(L, SCONTA_IVA, 0) X(T, TIPO, 255) X(T, UM, 255) X(T, QUANTITA_DA_EVADERE, 255)                    \
    X(T, QUANTITA_EVASA, 255) X(T, PZ_X_CONF, 255) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255)   \
    X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(T, NOTE, 1000) X(T, CODICE_EAN, 255)           \
    X(T, QUANTITA_OMAGGIO, 255) X(T, QUANTITA_OMAGGIO_PAGATA, 255) X(L, MOLTIPLICATORE_QTA, 0)          \
    X(T, COEFFICIENTE_UM, 255) X(T, ID_IVA, 255) X(T, PREZZO_ACQUISTO, 255) X(T, ID_SCONTO, 255)        \
    X(T, ID_LISTINO, 255) X(T, ID_IMBALLO, 255) X(L, NUMERO_IMBALLI, 0) X(T, QUANTITA_LORDA, 255)       \
    X(T, PESO_IMBALLO, 255) X(L, LOTTO_ANNO, 0) X(L, LOTTO_NUMERO, 0) X(T, ID_REPARTO, 255)             \
    X(L, CODICE_CASSA_IVA_REPARTO, 0) X(L, CODICE_CASSA_IVA_ARTICOLO, 0) X(L, F_STAMPA_IN_SCONTRINO, 0)

// CVOCE_DOCUMENTO_RIVALUTAZIONE: revaluation of an imported line: foreign price, duty, volume and
// transport cost.
#define ORVEL_SOURCE_CVOCE_DOCUMENTO_RIVALUTAZIONE "VOCE_DOCUMENTO_RIVALUTAZIONE"
#define ORVEL_CONNECT_CVOCE_DOCUMENTO_RIVALUTAZIONE ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVOCE_DOCUMENTO_RIVALUTAZIONE(X)                                               \
    X(L, ID_VOCE_DOCUMENTO, 0) X(T, PREZZO_USD, 255) X(T, PREZZO_EURO, 255)                          \
    X(T, PERCENTUALE_DAZIO, 255) X(T, COSTO_DAZIO, 255) X(T, VOLUME, 255) X(T, COSTO_TRASPORTO, 255) \
    X(T, PREZZO_COMPLETO, 255) X(T, LUNGHEZZA_CM, 255) X(T, LARGHEZZA_CM, 255) X(T, ALTEZZA_CM, 255)

// CVOCE_DOCUMENTO_RIV_COMP: the revaluation rows of the lines of a document.
#define ORVEL_SOURCE_CVOCE_DOCUMENTO_RIV_COMP "VOCE_DOCUMENTO_RIV_COMP"
#define ORVEL_CONNECT_CVOCE_DOCUMENTO_RIV_COMP ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVOCE_DOCUMENTO_RIV_COMP(X)                                                    \
    X(L, ID_DOCUMENTO, 0) X(L, ID_VOCE_DOCUMENTO, 0) X(T, PREZZO_USD, 255) X(T, PREZZO_EURO, 255)    \
    X(T, PERCENTUALE_DAZIO, 255) X(T, COSTO_DAZIO, 255) X(T, VOLUME, 255) X(T, COSTO_TRASPORTO, 255) \
    X(T, PREZZO_COMPLETO, 255) X(T, LUNGHEZZA_CM, 255) X(T, LARGHEZZA_CM, 255) X(T, ALTEZZA_CM, 255)

// CTipoVoceDocumentoSet: kinds of document line.
#define ORVEL_SOURCE_CTipoVoceDocumentoSet "TIPO_VOCE_DOCUMENTO"
#define ORVEL_CONNECT_CTipoVoceDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTipoVoceDocumentoSet(X) X(T, ID, 255) X(T, DESCRIZIONE, 256) X(L, F_ATTIVA, 0)
