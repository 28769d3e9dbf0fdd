// Catalogue of the document recordsets: headers and what a header refers to (reasons, order
// states, numbering, links, VAT summary, transport lookups, agents) and the joined views that load,
// search, list and print documents. For each class: the table or view it reads, the connect string
// it reports and its columns in binding order (see odbc/RecordsetMacros.h for the kinds). The
// classes are declared from these lists, so a column is fixed here and nowhere else.
#pragma once

#include "odbc/RecordsetMacros.h"

// CDocumentoSet: the header row of a document as the library writes it.
#define ORVEL_SOURCE_CDocumentoSet "DOCUMENTO"
#define ORVEL_CONNECT_CDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoSet(X)                                                                 \
    X(L, ID, 0) X(TS, DATA_MOVIMENTO, 0) X(TS, DATA_DOCUMENTO, 0) X(L, NUMERO, 0) X(L, ANNO, 0)        \
    X(T, SERIE, 255) X(L, ID_CAUSALE, 0) X(L, FORN_ID, 0) X(T, FORN_RAGIONE_SOCIALE, 255)              \
    X(T, FORN_PARTITA_IVA, 255) X(T, FORN_CODICE_FISCALE, 255) X(T, FORN_INDIRIZZO1, 255)              \
    X(T, FORN_INDIRIZZO2, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONE_SOCIALE, 255)                  \
    X(T, CLI_FAT_PARTITA_IVA, 255) X(T, CLI_FAT_CODICE_FISCALE, 255) X(T, CLI_FAT_INDIRIZZO1, 255)     \
    X(T, CLI_FAT_INDIRIZZO2, 255) X(T, CLI_SPE_INDIRIZZO1, 255) X(T, CLI_SPE_INDIRIZZO2, 255)          \
    X(L, ID_SOCIETA, 0) X(L, ID_SEDE_SOCIETA, 0) X(L, ID_AGENTE_SEDE_SOCIETA, 0) X(T, NOTA, 2000)      \
    X(T, NOTA2, 2000) X(L, ID_DEPOSITO, 0) X(T, SCONTO_EXTRA, 255) X(TS, DATA_ORA_INIZIO_TRASPORTO, 0) \
    X(TS, DATA_ORA_FINE_TRASPORTO, 0) X(L, ID_CAUSALE_TRASPORTO, 0) X(L, ID_TRASPORTO, 0)              \
    X(L, ID_PORTO, 0) X(L, ID_VETTORE, 0) X(L, ID_ASPETTO_BENI, 0) X(L, NUMERO_COLLI, 0)               \
    X(L, IMBALLI, 0) X(L, ID_FORMULA_PAGAMENTO, 0) X(L, ID_BANCA_AGENZIA, 0) X(T, CIN, 255)            \
    X(T, CONTO_CORRENTE, 255) X(T, IBAN, 255) X(L, ID_STATO_ORDINE, 0) X(T, INFO1, 255)                \
    X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255)               \
    X(L, F_MODIFICATO, 0) X(T, TOTALE, 255) X(T, TOTALE_IMPORTO, 255) X(T, TOTALE_IMPORTO_NETTO, 255)  \
    X(T, TOTALE_NETTO_DOCUMENTO, 255) X(T, TOTALE_IVA, 255) X(T, TOTALE_OMAGGIO, 255)                  \
    X(T, TOTALE_IMPORTO_ACQUISTO, 255) X(T, TOTALE_SCONTO_EXTRA, 255) X(T, TOTALE_SCONTO, 255)         \
    X(T, TOTALE_IMPONIBILE, 255) X(T, TOTALE_PROVVIGIONE, 255) X(T, POSTAZIONE, 255)                   \
    X(L, ID_DOCUMENTO_GENERATORE, 0) X(L, ID_GIORNALE_EROGATORI, 0) X(L, ID_OPERATORE, 0)              \
    X(TS, DATA_INSERIMENTO, 0) X(T, TARGA_AUTOMEZZO, 255) X(L, ID_SEDE_AZIENDA_INTESTAZIONE, 0)        \
    X(L, ID_SEDE_AZIENDA_SPEDIZIONE, 0) X(L, F_RIVALUTAZIONE, 0) X(T, COSTO_TRASPORTO_M3, 255)         \
    X(T, PESO_KG, 255) X(T, SPESE_TRASPORTO, 255) X(T, SPESE_INCASSO, 255) X(T, SPESE_VARIE, 255)      \
    X(T, ID_IVA_SPESE_INCASSO, 255) X(T, ID_IVA_SPESE_TRASPORTO, 255) X(T, ID_IVA_SPESE_VARIE, 255)    \
    X(T, ALIQUOTA_IVA_SPESE_INCASSO, 255) X(T, ALIQUOTA_IVA_SPESE_TRASPORTO, 255)                      \
    X(T, ALIQUOTA_IVA_SPESE_VARIE, 255) X(T, CAMBIO, 255)

// CTestataDocumentoSet: a header joined with its reason, company, company site, agent, depot and
// payment formula: what a document loads.
#define ORVEL_SOURCE_CTestataDocumentoSet "TESTATA_DOCUMENTO"
#define ORVEL_CONNECT_CTestataDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTestataDocumentoSet(X)                                                           \
    X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255) X(T, C_TIPO_DOCUMENTO, 255) X(L, C_F_VALORE, 0)              \
    X(L, C_F_QUANTITA, 0) X(L, C_F_FORNITORE, 0) X(L, C_F_CLIENTE, 0) X(L, C_F_CLIENTE_SPEDIZIONE, 0)   \
    X(L, C_F_AGENTE, 0) X(L, C_F_ESIST_ATTUALE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)                     \
    X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0) X(T, C_F_REPORT, 1023) X(L, C_F_INFO_TRASPORTO, 0)    \
    X(L, C_F_PAGAMENTO, 0) X(L, C_F_ORDINE_DA_CLIENTE, 0) X(L, C_F_ORDINE_AL_FORNITORE, 0)              \
    X(L, C_F_VENDITA_BANCO, 0) X(L, D_ID, 0) X(T, D_SERIE, 255) X(L, D_NUMERO, 0)                       \
    X(TS, D_DATA_MOVIMENTO, 0) X(TS, D_DATA_DOCUMENTO, 0) X(T, D_NOTA, 2000) X(T, D_NOTA2, 2000)        \
    X(T, D_SCONTO_EXTRA, 255) X(L, D_ID_PORTO, 0) X(L, D_ID_VETTORE, 0) X(T, TARGA_AUTOMEZZO, 255)      \
    X(L, D_ID_TRASPORTO, 0) X(L, D_ID_CAUSALE_TRASPORTO, 0) X(L, D_ID_ASPETTO_BENI, 0)                  \
    X(L, D_IMBALLI, 0) X(L, D_NUMERO_COLLI, 0) X(TS, D_DATA_ORA_INIZIO_TRASPORTO, 0)                    \
    X(TS, D_DATA_ORA_FINE_TRASPORTO, 0) X(L, D_ID_BANCA, 0) X(L, D_ID_BANCA_AGENZIA, 0)                 \
    X(T, D_CIN, 255) X(T, D_CONTO_CORRENTE, 255) X(T, D_IBAN, 255) X(L, D_ID_FORMULA_PAGAMENTO, 0)      \
    X(L, S_ID, 0) X(T, S_NOME, 255) X(T, S_RAGIONESOCIALE, 255) X(T, S_PARTITAIVA, 255)                 \
    X(L, SEDE_SOC_ID, 0) X(T, SEDE_SOC_NOMEZONAPOSTALE, 255) X(T, SEDE_SOC_SIGLAPROVINCIA, 255)         \
    X(T, SEDE_SOC_VIA, 255) X(T, SEDE_SOC_NOMETIPOSEDE, 255) X(L, AG_ID, 0) X(T, AG_COGNOME, 255)       \
    X(T, AG_NOME, 255) X(L, DEP_ID, 0) X(T, DEP_NOMEZONAPOSTALE, 255) X(T, DEP_SIGLAPROVINCIA, 255)     \
    X(T, DEP_VIA, 255) X(T, DEP_NOMETIPOSEDE, 255) X(L, FORN_ID, 0) X(T, FORN_RAGIONE_SOCIALE, 255)     \
    X(T, FORN_INDIRIZZO1, 255) X(T, FORN_INDIRIZZO2, 255) X(T, FORN_PARTITA_IVA, 255)                   \
    X(T, FORN_CODICE_FISCALE, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONE_SOCIALE, 255)               \
    X(T, CLI_FAT_INDIRIZZO1, 255) X(T, CLI_FAT_INDIRIZZO2, 255) X(T, CLI_FAT_PARTITA_IVA, 255)          \
    X(T, CLI_FAT_CODICE_FISCALE, 255) X(T, CLI_SPE_INDIRIZZO1, 255) X(T, CLI_SPE_INDIRIZZO2, 255)       \
    X(L, ID_STATO_ORDINE, 0) X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0) X(L, D_ANNO, 0)        \
    X(T, D_POSTAZIONE, 255) X(T, D_INFO1, 255) X(T, D_INFO2, 255) X(T, D_INFO3, 255) X(T, D_INFO4, 255) \
    X(T, D_INFO5, 255) X(T, D_INFO6, 255) X(T, C_NOTE_REPORT, 1000)                                     \
    X(T, D_FORMULA_PAGAMENTO_DESCRIZIONE, 255) X(T, DEP_CAP, 255) X(T, S_INFO1, 255) X(T, S_INFO2, 255) \
    X(T, SEDE_SOC_CAP, 255) X(T, TOTALE, 255) X(T, TOTALE_IMPORTO, 255)                                 \
    X(T, TOTALE_IMPORTO_ACQUISTO, 255) X(T, TOTALE_IMPORTO_NETTO, 255)                                  \
    X(T, TOTALE_NETTO_DOCUMENTO, 255) X(T, TOTALE_IVA, 255) X(T, TOTALE_OMAGGIO, 255)                   \
    X(T, TOTALE_SCONTO_EXTRA, 255) X(T, TOTALE_SCONTO, 255) X(T, TOTALE_PROVVIGIONE, 255)               \
    X(L, D_ID_OPERATORE, 0) X(T, TOTALE_IMPONIBILE, 255) X(T, S_FILE_LOGO, 512)                         \
    X(T, S_FILE_TESTATA, 512) X(T, S_FILE_PIEPAGINA, 512) X(L, D_ID_SEDE_AZIENDA_INTESTAZIONE, 0)       \
    X(L, D_ID_SEDE_AZIENDA_SPEDIZIONE, 0) X(L, D_F_RIVALUTAZIONE, 0) X(T, D_COSTO_TRASPORTO_M3, 255)    \
    X(T, D_PESO_KG, 255) X(T, D_SPESE_INCASSO, 255) X(T, D_SPESE_TRASPORTO, 255)                        \
    X(T, D_SPESE_VARIE, 255) X(T, D_ID_IVA_SPESE_INCASSO, 255) X(T, D_ID_IVA_SPESE_TRASPORTO, 255)      \
    X(T, D_ID_IVA_SPESE_VARIE, 255) X(T, D_ALIQUOTA_IVA_SPESE_INCASSO, 255)                             \
    X(T, D_ALIQUOTA_IVA_SPESE_TRASPORTO, 255) X(T, D_ALIQUOTA_IVA_SPESE_VARIE, 255) X(T, D_CAMBIO, 255)

// CDocumentoCausaleSet: a header with the flags of its reason.
#define ORVEL_SOURCE_CDocumentoCausaleSet "DOCUMENTO_CAUSALE"
#define ORVEL_CONNECT_CDocumentoCausaleSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoCausaleSet(X)                                                         \
    X(L, C_ID, 0) X(T, C_DESCRIZIONE, 255) X(T, C_TIPO_DOCUMENTO, 255) X(L, C_F_VALORE, 0)            \
    X(L, C_F_QUANTITA, 0) X(L, C_F_FORNITORE, 0) X(L, C_F_CLIENTE, 0) X(L, C_F_CLIENTE_SPEDIZIONE, 0) \
    X(L, C_F_AGENTE, 0) X(L, C_F_ESIST_ATTUALE, 0) X(L, C_F_INVENTARIO_INIZIALE, 0)                   \
    X(L, C_F_INVESTIMENTO, 0) X(L, C_F_RICAVO, 0) X(L, C_F_RESO_QUANTITA, 0) X(L, C_F_RESO_VALORE, 0) \
    X(T, C_F_REPORT, 1024) X(L, C_F_INFO_TRASPORTO, 0) X(L, C_F_PAGAMENTO, 0)                         \
    X(L, C_F_ORDINE_DA_CLIENTE, 0) X(L, C_F_ORDINE_AL_FORNITORE, 0) X(L, C_F_VENDITA_BANCO, 0)        \
    X(L, C_F_CLIENTE_OBBLIGATORIO, 0) X(L, C_F_FORNITORE_OBBLIGATORIO, 0) X(L, C_F_VALUTAZIONE, 0)    \
    X(L, C_F_LISTINO, 0) X(L, C_F_ULTIMO_PREZZO, 0) X(L, C_F_MODIFICA_LISTINO, 0) X(L, D_ID, 0)       \
    X(T, D_SERIE, 255) X(L, D_NUMERO, 0) X(TS, D_DATA_MOVIMENTO, 0) X(TS, D_DATA_DOCUMENTO, 0)        \
    X(T, D_NOTA, 2000) X(T, D_SCONTO_EXTRA, 255) X(L, D_ID_PORTO, 0) X(L, D_ID_VETTORE, 0)            \
    X(L, D_ID_CAUSALE_TRASPORTO, 0) X(L, D_ID_TRASPORTO, 0) X(L, D_ID_ASPETTO_BENI, 0)                \
    X(L, D_IMBALLI, 0) X(L, D_NUMERO_COLLI, 0) X(T, D_SPESE_TRASPORTO, 255)                           \
    X(CT, D_DATA_ORA_INIZIO_TRASPORTO, 0) X(CT, D_DATA_ORA_FINE_TRASPORTO, 0)                         \
    X(L, D_ID_BANCA_AGENZIA, 0) X(L, D_ID_FORMULA_PAGAMENTO, 0) X(L, D_ANNO, 0) X(L, D_FORN_ID, 0)    \
    X(T, D_FORN_RAGIONE_SOCIALE, 255) X(T, D_FORN_PARTITA_IVA, 255) X(T, D_FORN_INDIRIZZO1, 255)      \
    X(T, D_FORN_INDIRIZZO2, 255) X(L, D_CLI_FAT_ID, 0) X(T, D_CLI_FAT_RAGIONE_SOCIALE, 255)           \
    X(T, D_CLI_FAT_PARTITA_IVA, 255) X(T, D_CLI_FAT_INDIRIZZO1, 255) X(T, D_CLI_FAT_INDIRIZZO2, 255)  \
    X(T, D_CLI_SPE_INDIRIZZO1, 255) X(T, D_CLI_SPE_INDIRIZZO2, 255) X(L, D_ID_SOCIETA, 0)             \
    X(L, D_ID_SEDE_SOCIETA, 0) X(L, D_ID_AGENTE_SEDE_SOCIETA, 0) X(L, D_ID_DEPOSITO, 0)               \
    X(L, D_ID_STATO_ORDINE, 0)

// CDocumentoStatoOrdineSet: an order header with the steps of its order state.
#define ORVEL_SOURCE_CDocumentoStatoOrdineSet "DOCUMENTO_STATO_ORDINE"
#define ORVEL_CONNECT_CDocumentoStatoOrdineSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentoStatoOrdineSet(X)                                                      \
    X(L, D_ID, 0) X(TS, D_DATA_DOCUMENTO, 0) X(TS, D_DATA_MOVIMENTO, 0) X(L, D_NUMERO, 0)              \
    X(L, D_ANNO, 0) X(T, D_SERIE, 255) X(L, D_ID_CAUSALE, 0) X(L, D_FORN_ID, 0)                        \
    X(T, D_FORN_RAGIONE_SOCIALE, 255) X(T, D_FORN_PARTITA_IVA, 255) X(T, D_FORN_INDIRIZZO1, 255)       \
    X(T, D_FORN_INDIRIZZO2, 255) X(L, D_CLI_FAT_ID, 0) X(T, D_CLI_FAT_RAGIONE_SOCIALE, 255)            \
    X(T, D_CLI_FAT_PARTITA_IVA, 255) X(T, D_CLI_FAT_INDIRIZZO1, 255) X(T, D_CLI_FAT_INDIRIZZO2, 255)   \
    X(T, D_CLI_SPE_INDIRIZZO1, 255) X(T, D_CLI_SPE_INDIRIZZO2, 255) X(L, D_ID_SOCIETA, 0)              \
    X(L, D_ID_SEDE_SOCIETA, 0) X(L, D_ID_AGENTE_SEDE_SOCIETA, 0) X(T, D_NOTA, 2000)                    \
    X(L, D_ID_DEPOSITO, 0) X(T, D_SCONTO_EXTRA, 255) X(TS, D_DATA_ORA_INIZIO_TRASPORTO, 0)             \
    X(TS, D_DATA_ORA_FINE_TRASPORTO, 0) X(L, D_ID_CAUSALE_TRASPORTO, 0) X(L, D_ID_TRASPORTO, 0)        \
    X(L, D_ID_PORTO, 0) X(L, D_ID_VETTORE, 0) X(L, D_ID_ASPETTO_BENI, 0) X(L, D_NUMERO_COLLI, 0)       \
    X(L, D_IMBALLI, 0) X(T, D_SPESE, 255) X(L, D_ID_FORMULA_PAGAMENTO, 0) X(L, D_ID_BANCA_AGENZIA, 0)  \
    X(T, D_CODICE_INTERNO, 255) X(L, SO_ID, 0) X(L, SO_O_INVIO, 0) X(L, SO_O_RISPOSTA_DESTINATARIO, 0) \
    X(L, SO_O_ACCETTAZIONE_RICHIEDENTE, 0) X(L, SO_O_STATO_AVANZAMENTO, 0) X(L, SO_O_APERTO_CHIUSO, 0)

// CListaDocumentoSet: documents as the hosts list them: number, reason, company, partners, agent,
// depot, totals and the reason's permissions.
#define ORVEL_SOURCE_CListaDocumentoSet "LISTA_DOCUMENTO"
#define ORVEL_CONNECT_CListaDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CListaDocumentoSet(X)                                                           \
    X(L, ID_DOCUMENTO, 0) X(TS, DATA_MOVIMENTO, 0) X(TS, DATA_DOCUMENTO, 0) X(L, NUMERO, 0)           \
    X(T, SERIE, 255) X(L, ANNO, 0) X(L, ID_CAUSALE, 0) X(T, DESC_CAUSALE, 255) X(L, F_VALUTAZIONE, 0) \
    X(L, SOC_ID, 0) X(T, SOC_RAGIONESOCIALE, 255) X(T, SEDE_SOCIETA, 255) X(L, FORN_ID, 0)            \
    X(T, FORN_RAGIONE_SOCIALE, 255) X(T, FORN_PARTITA_IVA, 255) X(T, FORN_INDIRIZZO1, 255)            \
    X(T, FORN_INDIRIZZO2, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONE_SOCIALE, 255)                 \
    X(T, CLI_FAT_PARTITA_IVA, 255) X(T, CLI_FAT_INDIRIZZO1, 255) X(T, CLI_FAT_INDIRIZZO2, 255)        \
    X(T, CLI_SPE_INDIRIZZO1, 255) X(T, CLI_SPE_INDIRIZZO2, 255) X(L, AG_ID, 0) X(T, AG_COGNOME, 255)  \
    X(T, AG_NOME, 255) X(T, NOTA, 2000) X(T, VIA_DEPOSITO, 255) X(T, SOC_NOME, 255) X(T, TOTALE, 255) \
    X(T, TOTALE_IVA, 255) X(T, TIPO_DOCUMENTO, 255) X(T, POSTAZIONE, 255) X(L, NUMERO_COLLI, 0)       \
    X(L, F_ELIMINA, 0) X(L, F_MODIFICA, 0) X(L, F_NUOVO, 0) X(L, F_VISUALIZZA, 0)

// CRicercaDocumentoSet: documents as the search finds them: the summary a linked document is read
// from.
#define ORVEL_SOURCE_CRicercaDocumentoSet "RICERCA_DOCUMENTO"
#define ORVEL_CONNECT_CRicercaDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CRicercaDocumentoSet(X)                                                          \
    X(L, ID_DOCUMENTO, 0) X(TS, DATA_MOVIMENTO, 0) X(TS, DATA_DOCUMENTO, 0) X(L, NUMERO, 0)            \
    X(T, SERIE, 255) X(L, ANNO, 0) X(L, ID_CAUSALE, 0) X(T, DESC_CAUSALE, 255) X(L, ID_SOCIETA, 0)     \
    X(T, SOC_RAGIONESOCIALE, 255) X(T, SEDE_SOCIETA, 255) X(L, FORN_ID, 0)                             \
    X(T, FOR_RAGIONESOCIALE, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONESOCIALE, 255)                \
    X(T, VIA_DEPOSITO, 255) X(L, ID_DEPOSITO, 0) X(L, F_ELIMINA, 0) X(L, F_MODIFICA, 0)                \
    X(L, F_NUOVO, 0) X(L, F_VISUALIZZA, 0) X(L, F_VALUTAZIONE, 0) X(T, SOC_NOME, 255)                  \
    X(T, SCONTO_EXTRA, 255) X(T, TOTALE_PROVVIGIONE, 255) X(T, TOTALE_IVA, 255)                        \
    X(T, TOTALE_IMPONIBILE, 255) X(T, TOTALE_NETTO_DOCUMENTO, 255) X(T, TOTALE, 255)                   \
    X(T, CLI_SPEDIZIONE, 505) X(T, TIPO_DOCUMENTO, 255) X(L, NUMERO_COLLI, 0) X(L, STATO_ORDINE_ID, 0) \
    X(T, STATO_ORDINE_NOME, 255) X(L, STATO_ORDINE_ICONA, 0) X(L, ID_AGENTE_SEDE_SOCIETA, 0)           \
    X(L, FORMULA_PAGAMENTO_ID, 0) X(T, FORMULA_PAGAMENTO_DESCRIZIONE, 255)

// CRicercaOrdineSet: orders as the search finds them, with their state.
#define ORVEL_SOURCE_CRicercaOrdineSet "RICERCA_ORDINE"
#define ORVEL_CONNECT_CRicercaOrdineSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CRicercaOrdineSet(X)                                                         \
    X(L, ID_DOCUMENTO, 0) X(TS, DATA_MOVIMENTO, 0) X(TS, DATA_DOCUMENTO, 0) X(L, NUMERO, 0)        \
    X(T, SERIE, 255) X(L, ANNO, 0) X(L, ID_CAUSALE, 0) X(T, DESC_CAUSALE, 255) X(L, ID_SOCIETA, 0) \
    X(T, SOC_RAGIONESOCIALE, 255) X(T, SEDE_SOCIETA, 255) X(L, FORN_ID, 0)                         \
    X(T, FOR_RAGIONESOCIALE, 255) X(L, CLI_FAT_ID, 0) X(T, CLI_FAT_RAGIONESOCIALE, 255)            \
    X(L, ID_DEPOSITO, 0) X(T, VIA_DEPOSITO, 255) X(L, F_NUOVO, 0) X(L, F_MODIFICA, 0)              \
    X(L, F_VISUALIZZA, 0) X(L, F_ELIMINA, 0) X(L, F_VALUTAZIONE, 0) X(L, STATO_ORDINE_ID, 0)       \
    X(T, STATO_ORDINE_DESCRIZIONE, 255) X(L, STATO_ORDINE_ICONA, 0) X(T, SOC_NOME, 255)            \
    X(T, TOTALE, 255) X(T, TOTALE_IVA, 255)

// COrdineClienteCompletoSet: a customer order with its state, payment formula, bank and transport.
#define ORVEL_SOURCE_COrdineClienteCompletoSet "ORDINE_CLIENTE_COMPLETO"
#define ORVEL_CONNECT_COrdineClienteCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_COrdineClienteCompletoSet(X)                                                     \
    X(L, ID, 0) X(T, SERIE, 255) X(L, NUMERO, 0) X(L, ANNO, 0) X(TS, DATA, 0) X(L, ID_SOCIETA, 0)      \
    X(L, ID_AGENTE, 0) X(L, CLI_ID, 0) X(T, CLI_RAGIONE_SOCIALE, 255) X(T, CLI_INDIRIZZO1, 255)        \
    X(T, CLI_INDIRIZZO2, 255) X(T, CLI_PARTITA_IVA, 255) X(T, SPE_INDIRIZZO1, 255)                     \
    X(T, SPE_INDIRIZZO2, 255) X(L, STATO_ORDINE_ID, 0) X(T, STATO_ORDINE_DESCRIZIONE, 255)             \
    X(L, STATO_ORDINE_ICONA, 0) X(T, SCONTO_EXTRA, 255) X(T, NOTE, 2000) X(L, FORMULA_PAGAMENTO_ID, 0) \
    X(T, FORMULA_PAGAMENTO_DESCRIZIONE, 255) X(L, BANCA_ID, 0) X(T, BANCA_DESCRIZIONE, 255)            \
    X(T, BANCA_ABI, 255) X(T, BANCA_CAB, 255) X(L, TRASPORTO_ID, 0) X(T, TRASPORTO_DESCRIZIONE, 255)

// COrdineClienteListaSet: customer orders as the hosts list them.
#define ORVEL_SOURCE_COrdineClienteListaSet "ORDINE_CLIENTE_LISTA"
#define ORVEL_CONNECT_COrdineClienteListaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_COrdineClienteListaSet(X)                                                        \
    X(L, ID, 0) X(T, SERIE, 255) X(L, NUMERO, 0) X(L, ANNO, 0) X(TS, DATA, 0) X(L, ID_SOCIETA, 0)      \
    X(L, ID_AGENTE, 0) X(L, CLI_ID, 0) X(T, CLI_RAGIONE_SOCIALE, 255) X(T, CLI_INDIRIZZO1, 255)        \
    X(T, CLI_INDIRIZZO2, 255) X(T, CLI_PARTITA_IVA, 255) X(T, SPE_INDIRIZZO1, 255)                     \
    X(T, SPE_INDIRIZZO2, 255) X(L, ID_STATO_ORDINE, 0) X(T, STATO_ORDINE_DESCRIZIONE, 255)             \
    X(L, STATO_ORDINE_ICONA, 0) X(T, SCONTO_EXTRA, 255) X(T, NOTE, 2000) X(L, ID_FORMULA_PAGAMENTO, 0) \
    X(L, ID_BANCA, 0) X(L, ID_TRASPORTO, 0)

// COrdineUltimoCodiceSet: the highest order number in use per year and company.
#define ORVEL_SOURCE_COrdineUltimoCodiceSet "ORDINE_ULTIMO_CODICE"
#define ORVEL_CONNECT_COrdineUltimoCodiceSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_COrdineUltimoCodiceSet(X) X(L, ULTIMO_CODICE_ORDINE, 0) X(L, ANNO, 0) X(L, CODICE_SOCIETA, 0)

// CStatoOrdineSet: the states an order goes through.
#define ORVEL_SOURCE_CStatoOrdineSet "STATO_ORDINE"
#define ORVEL_CONNECT_CStatoOrdineSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CStatoOrdineSet(X)                                                         \
    X(L, ID, 0) X(T, NOME, 255) X(L, ICONA, 0) X(L, O_INVIO, 0) X(L, O_RISPOSTA_DESTINATARIO, 0) \
    X(L, O_ACCETTAZIONE_RICHIEDENTE, 0) X(L, O_STATO_AVANZAMENTO, 0) X(L, O_APERTO_CHIUSO, 0)

// CNumeroDocumentoSet: the highest number in use per reason, series and year.
#define ORVEL_SOURCE_CNumeroDocumentoSet "NUMERO_DOCUMENTO"
#define ORVEL_CONNECT_CNumeroDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CNumeroDocumentoSet(X) X(L, NUMERO, 0) X(T, SERIE, 255) X(L, ID_CAUSALE, 0) X(T, ANNO, 255)

// CNumeroNoSerieDocumentoSet: the highest number in use per reason and year, whatever the series.
#define ORVEL_SOURCE_CNumeroNoSerieDocumentoSet "NUMERO_SENZASERIE_DOCUMENTO"
#define ORVEL_CONNECT_CNumeroNoSerieDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CNumeroNoSerieDocumentoSet(X) X(L, NUMERO, 0) X(L, ID_CAUSALE, 0) X(T, ANNO, 255)

// CProgressivoSet: numbering counters per year and company.
#define ORVEL_SOURCE_CProgressivoSet "PROGRESSIVO"
#define ORVEL_CONNECT_CProgressivoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CProgressivoSet(X)                                                 \
    X(T, ID, 255) X(L, NUMERO, 0) X(L, ANNO, 0) X(T, SERIE, 255) X(L, RESET_NEW_YEAR, 0) \
    X(L, ID_SOCIETA, 0)

// CProgressivoCausaleSet: which counter numbers the documents of a reason.
#define ORVEL_SOURCE_CProgressivoCausaleSet "PROGRESSIVO_CAUSALE"
#define ORVEL_CONNECT_CProgressivoCausaleSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CProgressivoCausaleSet(X)                                                 \
    X(T, ID_PROGRESSIVO, 255) X(L, ANNO_PROGRESSIVO, 0) X(L, ID_CAUSALE, 0) X(L, ID_SOCIETA, 0)

// CProgressivoCausaleCompletoSet: a reason's counter with its series, number and the reason's
// description: what numbering reads.
#define ORVEL_SOURCE_CProgressivoCausaleCompletoSet "PROGRESSIVO_CAUSALE_COMPLETO"
#define ORVEL_CONNECT_CProgressivoCausaleCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CProgressivoCausaleCompletoSet(X)                                             \
    X(T, ID_PROGRESSIVO, 255) X(T, SERIE_PROG, 255) X(L, NUMERO_PROG, 0) X(L, ANNO_PROG, 0)         \
    X(L, ID_CAUSALE, 0) X(T, DESC_CAUSALE, 255) X(T, TIPO_DOC_CAUSALE, 255) X(L, RESET_NEW_YEAR, 0) \
    X(L, ID_SOCIETA, 0)

// CCausaleSet: movement reasons.
#define ORVEL_SOURCE_CCausaleSet "CAUSALE"
#define ORVEL_CONNECT_CCausaleSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCausaleSet(X)                                                                    \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(T, TIPO_DOCUMENTO, 255) X(L, F_VALORE, 0) X(L, F_QUANTITA, 0)  \
    X(L, F_FORNITORE, 0) X(L, F_CLIENTE, 0) X(L, F_CLIENTE_SPEDIZIONE, 0) X(L, F_AGENTE, 0)             \
    X(L, F_ESIST_ATTUALE, 0) X(L, F_INVENTARIO_INIZIALE, 0) X(L, F_INVESTIMENTO, 0) X(L, F_RICAVO, 0)   \
    X(L, F_RESO_QUANTITA, 0) X(L, F_RESO_VALORE, 0) X(T, F_REPORT, 1024) X(L, F_INFO_TRASPORTO, 0)      \
    X(L, F_PAGAMENTO, 0) X(L, F_ORDINE_DA_CLIENTE, 0) X(L, F_ORDINE_AL_FORNITORE, 0) X(L, F_SISTEMA, 0) \
    X(L, F_SCADENZARIO, 0) X(L, F_SCAD_ATTIVO, 0) X(L, F_SCAD_SOGGETTO, 0) X(L, F_VENDITA_BANCO, 0)     \
    X(L, ID_CAUSALE_VUOTO, 0) X(L, F_ELIMINA, 0) X(L, F_MODIFICA, 0) X(L, F_NUOVO, 0)                   \
    X(L, F_VISUALIZZA, 0) X(T, NOTE_REPORT, 1000) X(L, F_CLIENTE_OBBLIGATORIO, 0)                       \
    X(L, F_FORNITORE_OBBLIGATORIO, 0) X(L, F_VALUTAZIONE, 0) X(L, F_LISTINO, 0)                         \
    X(L, F_ULTIMO_PREZZO, 0) X(L, F_MODIFICA_LISTINO, 0) X(L, ID_CAUSALE_DISTINTA, 0)                   \
    X(L, ID_CAUSALE_DISTINTA_AUTO, 0) X(L, ID_CAUSALE_MOV_DISTRIBUTORE, 0)                              \
    X(L, F_MOVIMENTA_CARBURANTE, 0) X(L, F_DESCRIZIONE_RIDOTTA, 0) X(L, F_TIPO_STAMPA_BANCO, 0)         \
    X(L, F_STATO, 0) X(L, F_STATO_OBBLIGATORIO, 0) X(L, F_CLI_SPEDIZIONE_OBBLIGATORIO, 0)               \
    X(L, F_MOVIMENTA_CONTABILITA, 0) X(L, F_ABILITA_SPESE, 0)

// CDocReferenziaDocsSet: links from a document to the documents it fulfils or derives from.
#define ORVEL_SOURCE_CDocReferenziaDocsSet "DOC_REFERENZIA_DOCS"
#define ORVEL_CONNECT_CDocReferenziaDocsSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocReferenziaDocsSet(X) X(L, ID_DOCUMENTO, 0) X(L, ID_DOCUMENTO_REF, 0)

// CDocumentiReferenziatiSet: the linked documents of a document, each with its summary.
#define ORVEL_SOURCE_CDocumentiReferenziatiSet "DOCUMENTI_REFERENZIATI"
#define ORVEL_CONNECT_CDocumentiReferenziatiSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentiReferenziatiSet(X)                                           \
    X(L, ID_DOCUMENTO, 0) X(L, REF_ID_DOCUMENTO, 0) X(L, REF_NUMERO, 0) X(T, REF_SERIE, 255) \
    X(TS, REF_DATA_DOCUMENTO, 0) X(TS, REF_DATA_MOVIMENTO, 0) X(L, REF_CAUSALE_ID, 0)        \
    X(T, REF_CAUSALE_DESCRIZIONE, 255) X(T, REF_TIPO_DOCUMENTO, 255) X(T, REF_TOTALE, 255)   \
    X(T, REF_TOTALE_IVA, 255) X(T, REF_SCONTO_EXTRA, 255)

// CDocumentiVuotiReferenziatiSet: the ordinary documents linked to a container document, each with
// its summary.
#define ORVEL_SOURCE_CDocumentiVuotiReferenziatiSet "DOCUMENTI_VUOTI_REFERENZIATI"
#define ORVEL_CONNECT_CDocumentiVuotiReferenziatiSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CDocumentiVuotiReferenziatiSet(X)                                            \
    X(L, ID_DOCUMENTO_VUOTO, 0) X(L, REF_ID_DOCUMENTO, 0) X(L, REF_NUMERO, 0) X(T, REF_SERIE, 255) \
    X(TS, REF_DATA_DOCUMENTO, 0) X(TS, REF_DATA_MOVIMENTO, 0) X(L, REF_CAUSALE_ID, 0)              \
    X(T, REF_CAUSALE_DESCRIZIONE, 255) X(T, REF_TIPO_DOCUMENTO, 255)

// CIvaDocumentoSet: the stored VAT summary of a document, one row per VAT code.
#define ORVEL_SOURCE_CIvaDocumentoSet "IVA_DOCUMENTO"
#define ORVEL_CONNECT_CIvaDocumentoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CIvaDocumentoSet(X)                                               \
    X(L, ID_DOCUMENTO, 0) X(T, ID_IVA, 255) X(T, ALIQUOTA_IVA, 255) X(T, NOTE_IVA, 255) \
    X(T, TOTALE_IMPONIBILE, 255) X(T, TOTALE_IVA, 255)

// CPiePaginaPagamentoDocumentoSet: the payment footer of a document: bank and payment formula.
#define ORVEL_SOURCE_CPiePaginaPagamentoDocumentoSet "PAGAMENTO_DOCUMENTO"
#define ORVEL_CONNECT_CPiePaginaPagamentoDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPiePaginaPagamentoDocumentoSet(X)                                          \
    X(L, D_ID, 0) X(T, D_SERIE, 255) X(L, D_NUMERO, 0) X(TS, D_DATA_MOVIMENTO, 0)                 \
    X(TS, D_DATA_DOCUMENTO, 0) X(T, D_NOTA, 2000) X(S, D_SCONTO_EXTRA, 0) X(L, D_IMBALLI, 0)      \
    X(L, D_NUMERO_COLLI, 0) X(T, D_SPESE_TRASPORTO, 255) X(TS, D_DATA_INIZIO_TRASPORTO, 0)        \
    X(TS, D_DATA_FINE_TRASPORTO, 0) X(L, BAN_ID, 0) X(T, BAN_DESCRIZIONE, 255) X(T, BAN_ABI, 255) \
    X(T, BAN_CAB, 255) X(L, TD_ID, 0) X(T, TD_DESCRIZIONE, 255)

// CPiePaginaTrasportoDocumentoSet: the transport footer of a document: carriage terms, carrier,
// transport reason, means and appearance of goods.
#define ORVEL_SOURCE_CPiePaginaTrasportoDocumentoSet "TRASPORTO_DOCUMENTO"
#define ORVEL_CONNECT_CPiePaginaTrasportoDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPiePaginaTrasportoDocumentoSet(X)                                               \
    X(L, D_ID, 0) X(T, D_SERIE, 255) X(L, D_NUMERO, 0) X(TS, D_DATA_MOVIMENTO, 0)                      \
    X(TS, D_DATA_DOCUMENTO, 0) X(T, D_NOTA, 2000) X(S, D_SCONTO_EXTRA, 0) X(L, D_IMBALLI, 0)           \
    X(L, D_NUMERO_COLLI, 0) X(T, D_SPESE_TRASPORTO, 255) X(TS, D_DATA_INIZIO_TRASPORTO, 0)             \
    X(TS, D_DATA_FINE_TRASPORTO, 0) X(L, PORTO_ID, 0) X(T, PORTO_DESCRIZIONE, 255) X(L, VETTORE_ID, 0) \
    X(T, VETTORE_COGNOME, 255) X(T, VETTORE_NOME, 255) X(L, TRASPORTO_CAUSALE_ID, 0)                   \
    X(T, TRASPORTO_CAUSALE_DESCRIZIONE, 255) X(L, TRASPORTO_ID, 0) X(T, TRASPORTO_DESCRIZIONE, 255)    \
    X(L, ASPETTOBENI_ID, 0) X(T, ASPETTOBENI_DESCRIZIONE, 255)

// CTrasportoSet: who transports the goods.
#define ORVEL_SOURCE_CTrasportoSet "TRASPORTO"
#define ORVEL_CONNECT_CTrasportoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTrasportoSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// CVettoreSet: carriers.
#define ORVEL_SOURCE_CVettoreSet "VETTORE"
#define ORVEL_CONNECT_CVettoreSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVettoreSet(X)                                                   \
    X(L, ID, 0) X(T, RAGIONE_SOCIALE, 255) X(T, INDIRIZZO, 255) X(T, PARTITA_IVA, 255) \
    X(T, TELEFONO, 255)

// CMezzoTrasportoSet: means of transport.
#define ORVEL_SOURCE_CMezzoTrasportoSet "MEZZO_TRASPORTO"
#define ORVEL_CONNECT_CMezzoTrasportoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CMezzoTrasportoSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// CPortoMerciSet: carriage terms.
#define ORVEL_SOURCE_CPortoMerciSet "PORTO"
#define ORVEL_CONNECT_CPortoMerciSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPortoMerciSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// CAspettoBeniSet: appearance of goods.
#define ORVEL_SOURCE_CAspettoBeniSet "ASPETTO_BENI"
#define ORVEL_CONNECT_CAspettoBeniSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CAspettoBeniSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// CCausaleTrasportoSet: transport reasons.
#define ORVEL_SOURCE_CCausaleTrasportoSet "CAUSALE_TRASPORTO"
#define ORVEL_CONNECT_CCausaleTrasportoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCausaleTrasportoSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// CAziendaAgenteSet: partners with the agent who follows them.
#define ORVEL_SOURCE_CAziendaAgenteSet "AZIENDA_AGENTE"
#define ORVEL_CONNECT_CAziendaAgenteSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CAziendaAgenteSet(X)                                                         \
    X(L, AGENTE_ID, 0) X(T, AGENTE_COGNOME, 255) X(T, AGENTE_NOME, 255) X(L, ID, 0)                \
    X(T, RAGIONESOCIALE, 255) X(T, ATTIVITASPECIFICA, 255) X(T, PARTITAIVA, 255)                   \
    X(T, CODICEFISCALE, 255) X(CT, DATAINSERIMENTO, 0) X(T, INFO1, 255) X(T, INFO2, 255)           \
    X(T, INFO3, 255) X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(L, INFOSINO1, 0)         \
    X(L, INFOSINO2, 0) X(L, INFOSINO3, 0) X(L, INFOSINO4, 0) X(L, INFOSINO5, 0) X(T, NOTE, 1000)   \
    X(T, INIZIALE, 255) X(L, IDSOTTOSETTORE, 0) X(L, IDFORMAGIURIDICA, 0) X(L, F_TIPO_RAPPORTO, 0) \
    X(T, F_TIPO, 255) X(L, ID_FORMULA_PAGAMENTO, 0)
