// Catalogue of the payment recordsets: schedules and their instalments, the documents a schedule
// settles, bills and the instalments they gather, payment formulas and types, what the till takes
// and gives back, credit cards and the cash journal. For each class: the table or view it reads,
// the connect string it reports and its columns in binding order (kinds in
// odbc/RecordsetMacros.h). The classes are declared from these lists, so a column is fixed here
// and nowhere else.
#pragma once

#include "odbc/RecordsetMacros.h"

// ---- Schedules and instalments ----

// A payment schedule: the amount owed to or by a partner (F_ATTIVO 1 receivable, -1 payable),
// split into instalments by a payment formula. NUMERO_SCADENZE is bound by its bare name.
#define ORVEL_SOURCE_CScadenzarioSet "SCADENZARIO"
#define ORVEL_CONNECT_CScadenzarioSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzarioSet(X)                                                                \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(TS, DATA_MOVIMENTO, 0) X(L, ID_SOGGETTO, 0)                     \
    X(T, IMPORTO_IMPONIBILE, 255) X(T, IMPORTO_IVA, 255) X(L, ID_FORMULA_PAGAMENTO, 0) X(L, F_ATTIVO, 0) \
    X(L, F_CHIUSO, 0) X(T, NOTA, 2000) X(L, ID_SOCIETA, 0) X(L, ID_COLLABORATORE, 0) X(RL, NUMERO_SCADENZE, 0)

// A schedule with its partner, formula and company names and the totals of its instalments
// (how many, how many settled, amount settled and still due).
#define ORVEL_SOURCE_CScadenzarioCompletoSet "SCADENZARIO_COMPLETO"
#define ORVEL_CONNECT_CScadenzarioCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzarioCompletoSet(X)                                                           \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(TS, DATA_MOVIMENTO, 0) X(L, ANNO, 0) X(L, ID_SOGGETTO, 0)          \
    X(T, SOGGETTO, 255) X(T, IMPORTO_IMPONIBILE, 255) X(T, IMPORTO_IVA, 255) X(T, IMPORTO_TOTALE, 255)      \
    X(T, PERC_SCADENZE_INEVASE, 255) X(L, NUM_SCADENZE, 0) X(L, CHIUSO_SCADENZE, 0) X(T, IMPORTO_EVASO, 255) \
    X(T, IMPORTO_RESIDUO, 255) X(L, CHIUSO, 0) X(L, ID_FORMULA_PAGAMENTO, 0) X(T, FORMULA_PAGAMENTO, 255)   \
    X(L, F_ATTIVO, 0) X(T, NOTA, 2000) X(L, SOC_ID, 0) X(T, SOC_NOME, 255) X(T, SOC_RAGIONE_SOCIALE, 255)    \
    X(L, ID_COLLABORATORE, 0)

// One row per instalment of a schedule, the schedule's columns repeated on each.
#define ORVEL_SOURCE_CScadenzarioCompletoScadenzeSet "SCADENZARIO_COMPLETO_SCADENZE"
#define ORVEL_CONNECT_CScadenzarioCompletoScadenzeSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzarioCompletoScadenzeSet(X)                                                   \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(TS, DATA_MOVIMENTO, 0) X(L, ANNO, 0) X(L, ID_SOGGETTO, 0)          \
    X(T, SOGGETTO, 255) X(T, IMPORTO_IMPONIBILE, 255) X(T, IMPORTO_IVA, 255) X(T, IMPORTO_TOTALE, 255)      \
    X(L, ID_FORMULA_PAGAMENTO, 0) X(T, FORMULA_PAGAMENTO, 255) X(L, F_ATTIVO, 0) X(L, F_CHIUSO, 0)          \
    X(T, NOTA, 2000) X(L, SC_ID, 0) X(TS, SC_DATA_REGISTRAZIONE, 0) X(TS, SC_DATA_SCADENZA, 0)               \
    X(TS, SC_DATA_PAGAMENTO, 0) X(L, SC_ID_TIPO_PAGAMENTO, 0) X(T, SC_TP_DESCRIZIONE, 255)                  \
    X(T, SC_IMPORTO, 255) X(T, SC_IMPORTO_EVASO, 255) X(T, SC_NETTO, 255) X(T, SC_NOTA, 2000)               \
    X(L, SC_F_EVASA, 0) X(L, CHIUSO_SCADENZE, 0)

// The documents a schedule settles; F_RIPORTA_IN_DOCUMENTO asks the document to print it.
#define ORVEL_SOURCE_CScadenzarioDocumentoSet "SCADENZARIO_DOCUMENTO"
#define ORVEL_CONNECT_CScadenzarioDocumentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzarioDocumentoSet(X) X(L, ID_SCADENZARIO, 0) X(L, ID_DOCUMENTO, 0) X(L, F_RIPORTA_IN_DOCUMENTO, 0)

// A schedule-document link with the document's number, dates, reason and total.
#define ORVEL_SOURCE_CScadenzarioDocumentoCompletoSet "SCADENZARIO_DOCUMENTO_COMPLETO"
#define ORVEL_CONNECT_CScadenzarioDocumentoCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzarioDocumentoCompletoSet(X)                                                   \
    X(L, ID_SCAD, 0) X(L, ID_FORMULA_PAGAMENTO, 0) X(L, ID_DOC, 0) X(TS, DATA_DOC, 0)                        \
    X(TS, DATA_MOVIMENTO_DOC, 0) X(L, NUMERO_DOC, 0) X(L, ANNO_DOC, 0) X(T, SERIE_DOC, 255)                  \
    X(L, ID_CAUSALE_DOC, 0) X(T, DESCRIZIONE_CAUSALE_DOC, 255) X(TS, DATA_MOVIMENTO, 0)                      \
    X(T, DESCRIZIONE, 255) X(L, F_ATTIVO, 0) X(T, TIPO_DOCUMENTO, 255) X(T, TOTALE_DOC, 255)                 \
    X(L, F_RIPORTA_IN_DOCUMENTO, 0)

// An instalment of a schedule: when it falls due, when it was paid, how, and for how much.
#define ORVEL_SOURCE_CScadenzaSet "SCADENZA"
#define ORVEL_CONNECT_CScadenzaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzaSet(X)                                                                  \
    X(L, ID, 0) X(L, ID_SCADENZARIO, 0) X(TS, DATA_REGISTRAZIONE, 0) X(TS, DATA_SCADENZA, 0)            \
    X(TS, DATA_PAGAMENTO, 0) X(L, ID_TIPO_PAGAMENTO, 0) X(T, IMPORTO, 255) X(T, NOTA, 2000) X(L, F_EVASA, 0) \
    X(L, NUMERO, 0)

// An instalment (SCA_) with its payment type and its schedule (SCAD_) with the partner's name;
// the two counters are bound by their bare names.
#define ORVEL_SOURCE_CScadenzaCompletaSet "SCADENZA_COMPLETA"
#define ORVEL_CONNECT_CScadenzaCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CScadenzaCompletaSet(X)                                                             \
    X(L, SCA_ID, 0) X(TS, SCA_DATA_REGISTRAZIONE, 0) X(TS, SCA_DATA_SCADENZA, 0) X(TS, SCA_DATA_PAGAMENTO, 0) \
    X(L, SCA_ID_TIPO_PAGAMENTO, 0) X(T, SCA_TIPO_PAGAMENTO, 255) X(T, SCA_IMPORTO, 255) X(T, SCA_NOTA, 2000)  \
    X(L, SCA_F_EVASA, 0) X(RL, SCA_NUMERO, 0) X(L, SCAD_ID, 0) X(T, SCAD_DESCRIZIONE, 255)                     \
    X(TS, SCAD_DATA_MOVIMENTO, 0) X(L, SCAD_SOGGETTO_ID, 0) X(T, SCAD_RAGIONE_SOCIALE, 255)                    \
    X(T, SCAD_IMPORTO_IMPONIBILE, 255) X(T, SCAD_IMPORTO_IVA, 255) X(T, SCAD_IMPORTO_TOTALE, 255)              \
    X(L, SCAD_ID_FORMULA_PAGAMENTO, 0) X(L, SCAD_F_ATTIVO, 0) X(L, SCAD_F_CHIUSO, 0) X(T, SCAD_NOTA, 2000)     \
    X(L, SCAD_ID_SOCIETA, 0) X(L, SCAD_ID_COLLABORATORE, 0) X(RL, SCAD_NUMERO_SCADENZE, 0)

// ---- Bills ----

// A bill (effetto): one amount collected or paid for a partner, on an account, gathering
// instalments of one or more schedules.
#define ORVEL_SOURCE_CEffettoSet "EFFETTO"
#define ORVEL_CONNECT_CEffettoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEffettoSet(X)                                                                    \
    X(L, ID, 0) X(T, IMPORTO, 255) X(TS, DATA_REGISTRAZIONE, 0) X(TS, DATA_EFFETTO, 0) X(L, ID_SOGGETTO, 0) \
    X(L, ID_TIPO_EFFETTO, 0) X(L, ID_CONTO, 0) X(L, F_ATTIVO, 0) X(T, NOTE, 2000) X(L, ID_SOCIETA, 0)     \
    X(L, F_CHIUDI_SCADENZE, 0) X(L, F_REG_GIORNALE_CASSA, 0)

// A bill with the names of its partner, kind, account and company, and how many instalments it
// gathers.
#define ORVEL_SOURCE_CEffettoCompletoSet "EFFETTO_COMPLETO"
#define ORVEL_CONNECT_CEffettoCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CEffettoCompletoSet(X)                                                             \
    X(L, ID, 0) X(T, IMPORTO, 255) X(DT, DATA_REGISTRAZIONE, 0) X(DT, DATA_EFFETTO, 0) X(L, ID_SOGGETTO, 0) \
    X(T, SOGGETTO, 255) X(L, ID_TIPO_EFFETTO, 0) X(T, TIPO_EFFETTO, 255) X(L, ID_CONTO, 0)                 \
    X(T, DESCRIZIONE_CONTO, 255) X(T, NOTE, 2000) X(L, F_ATTIVO, 0) X(L, NUM_SCADENZE, 0)                  \
    X(L, ID_SOCIETA, 0) X(T, NOME_SOCIETA, 255) X(T, RAGIONE_SOCIALE_SOCIETA, 255)                         \
    X(L, F_CHIUDI_SCADENZE, 0) X(L, F_REG_GIORNALE_CASSA, 0)

// The instalments a bill gathers.
#define ORVEL_SOURCE_CEffettoScadenzaSet "EFFETTO_SCADENZA"
#define ORVEL_CONNECT_CEffettoScadenzaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEffettoScadenzaSet(X) X(L, ID_EFFETTO, 0) X(L, ID_SCADENZA, 0)

// A bill-instalment link with the bill's amount and dates and the instalment's (SC_).
#define ORVEL_SOURCE_CEffettoScadenzaCompletoSet "EFFETTO_SCADENZA_COMPLETO"
#define ORVEL_CONNECT_CEffettoScadenzaCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEffettoScadenzaCompletoSet(X)                                                       \
    X(L, ID, 0) X(T, IMPORTO, 255) X(TS, DATA_REGISTRAZIONE, 0) X(TS, DATA_EFFETTO, 0) X(L, F_ATTIVO, 0)     \
    X(L, SC_ID, 0) X(TS, SC_DATA_REGISTRAZIONE, 0) X(TS, SC_DATA_SCADENZA, 0) X(TS, SC_DATA_PAGAMENTO, 0)    \
    X(T, SC_IMPORTO, 255) X(L, SC_F_EVASA, 0) X(T, SC_SOGGETTO, 255) X(L, SC_F_ATTIVA, 0) X(L, ID_SOCIETA, 0)

// Where a bill goes in the accounts: chart of accounts and the ledger accounts of its partner and
// of its account.
#define ORVEL_SOURCE_CEFFETTO_CONTABILITA "EFFETTO_CONTABILITA"
#define ORVEL_CONNECT_CEFFETTO_CONTABILITA ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CEFFETTO_CONTABILITA(X) \
    X(L, ID_EFFETTO, 0) X(L, ID_PIANO_DEI_CONTI, 0) X(L, ID_CONTO_MASTRO_SOGGETTO, 0) X(L, ID_CONTO_MASTRO_CONTO, 0)

// ---- Payment formulas and types ----

// A payment formula ("30-60 days end of month"): collection costs and notes for the document.
#define ORVEL_SOURCE_CFormulaPagamentoSet "FORMULA_PAGAMENTO"
#define ORVEL_CONNECT_CFormulaPagamentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CFormulaPagamentoSet(X)                                                             \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(T, SPESE_INCASSO, 255) X(L, F_SPESE_INCASSO_TOTALE, 0) X(T, NOTE, 255) \
    X(L, F_RIPORTA_IN_NOTE_DOCUMENTO, 0) X(T, CODEST, 255)

// One instalment of a formula: after how many days, which share of the total, paid how.
#define ORVEL_SOURCE_CVoceFormulaPagamentoSet "VOCE_FORMULA_PAGAMENTO"
#define ORVEL_CONNECT_CVoceFormulaPagamentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceFormulaPagamentoSet(X)                                                       \
    X(L, ID, 0) X(L, GIORNI, 0) X(T, PERCENTUALE, 255) X(L, ID_FORMULA_PAGAMENTO, 0) X(L, F_FINE_MESE, 0) \
    X(L, ID_TIPO_PAGAMENTO, 0)

// A formula's instalment with the formula's and the payment type's descriptions.
#define ORVEL_SOURCE_CVoceFormulaPagamentoCompletaSet "VOCE_FORMULA_PAGAMENTO_COMPLETA"
#define ORVEL_CONNECT_CVoceFormulaPagamentoCompletaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVoceFormulaPagamentoCompletaSet(X)                                                  \
    X(L, ID, 0) X(L, GIORNI, 0) X(T, PERCENTUALE, 255) X(L, ID_FORMULA_PAGAMENTO, 0)                        \
    X(T, DESCRIZIONE_FORMULA_PAGAMENTO, 255) X(L, F_FINE_MESE, 0) X(L, ID_TIPO_PAGAMENTO, 0)                \
    X(T, DESCRIZIONE_TIPO_PAGAMENTO, 255)

// A way of paying (cash, card, bank transfer...); F_BANCO when the till offers it, with the fiscal
// printer's code for it.
#define ORVEL_SOURCE_CTipoPagamentoSet "TIPO_PAGAMENTO"
#define ORVEL_CONNECT_CTipoPagamentoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CTipoPagamentoSet(X)                                                                \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_RIDOTTA, 255) X(L, F_BANCO, 0) X(L, CODICE_CASSA, 0) \
    X(L, F_TIPO_STAMPA_BANCO, 0) X(T, CODICE_ESTERNO, 255)

// ---- The till ----

// What a till sale was paid with: one row per document and payment type.
#define ORVEL_SOURCE_CPagamentoBancoSet "PAGAMENTO_BANCO"
#define ORVEL_CONNECT_CPagamentoBancoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CPagamentoBancoSet(X) X(L, ID_DOCUMENTO, 0) X(L, ID_TIPO_PAGAMENTO, 0) X(T, VALORE, 255)

// A till payment with its payment type's descriptions and till code.
#define ORVEL_SOURCE_CPagamentoBancoCompletoSet "PAGAMENTO_BANCO_COMPLETO"
#define ORVEL_CONNECT_CPagamentoBancoCompletoSet ORVEL_CONNECT_DSN_SEMICOLON
#define ORVEL_COLUMNS_CPagamentoBancoCompletoSet(X)                                                      \
    X(L, ID_DOCUMENTO, 0) X(L, ID_TIPO_PAGAMENTO, 0) X(T, VALORE, 255) X(T, DESCRIZIONE, 255)              \
    X(T, DESCRIZIONE_RIDOTTA, 255) X(L, F_BANCO, 0) X(L, CODICE_CASSA, 0)

// Money taken out of a till: when, how much, at which workstation, by whom.
#define ORVEL_SOURCE_CPrelievoBancoSet "PRELIEVO_BANCO"
#define ORVEL_CONNECT_CPrelievoBancoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CPrelievoBancoSet(X)                                                            \
    X(L, ID, 0) X(DT, DATA, 0) X(T, VALORE, 255) X(L, ID_SOCIETA, 0) X(T, ID_POSTAZIONE, 255)          \
    X(L, ID_COLLABORATORE, 0)

// How many coins or banknotes of each kind a withdrawal took.
#define ORVEL_SOURCE_CPrelievoBancoMonetaSet "PRELIEVO_BANCO_MONETA"
#define ORVEL_CONNECT_CPrelievoBancoMonetaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CPrelievoBancoMonetaSet(X) X(L, ID_PRELIEVO, 0) X(L, ID_PEZZO_MONETA, 0) X(L, NUMERO, 0)

// Credit cards the till accepts.
#define ORVEL_SOURCE_CCartaCreditoSet "CARTA_CREDITO"
#define ORVEL_CONNECT_CCartaCreditoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CCartaCreditoSet(X) X(L, ID, 0) X(T, DESCRIZIONE, 255)

// ---- Cash journal ----

// An entry of the cash journal: money in or out, with payment type, staff member, partner,
// company, account and the bill it comes from.
#define ORVEL_SOURCE_CVoceGiornaleCassaSet "VOCE_GIORNALE_CASSA"
#define ORVEL_CONNECT_CVoceGiornaleCassaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceGiornaleCassaSet(X)                                                             \
    X(L, ID, 0) X(TS, DATA, 0) X(T, DESCRIZIONE, 2000) X(T, IMPORTO, 255) X(L, F_ATTIVO, 0)                 \
    X(L, ID_TIPO_PAGAMENTO, 0) X(L, ID_COLLABORATORE, 0) X(L, ID_SOGGETTO, 0) X(L, ID_SOCIETA, 0)           \
    X(L, ID_CONTO, 0) X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255) X(T, NOTA, 1000)   \
    X(L, ANNO, 0) X(L, ID_EFFETTO, 0)

// A cash-journal entry with the names behind its references, down to the bank of its account.
#define ORVEL_SOURCE_CVoceGiornaleCassaCompletaSet "VOCE_GIORNALE_CASSA_COMPLETA"
#define ORVEL_CONNECT_CVoceGiornaleCassaCompletaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVoceGiornaleCassaCompletaSet(X)                                                     \
    X(L, ID, 0) X(DT, DATA, 0) X(T, DESCRIZIONE, 2000) X(T, IMPORTO, 255) X(L, F_ATTIVO, 0)                 \
    X(T, INFO1, 255) X(T, INFO2, 255) X(T, INFO3, 255) X(T, INFO4, 255) X(T, NOTA, 1000) X(L, ANNO, 0)      \
    X(L, TIPO_PAG_ID, 0) X(T, TIPO_PAG_DESCRIZIONE, 255) X(L, COLL_ID, 0) X(T, COLL_COGNOME, 255)           \
    X(T, COLL_NOME, 255) X(L, SOGG_ID, 0) X(T, SOGG_RAGIONE_SOCIALE, 255) X(L, SOC_ID, 0)                   \
    X(T, SOC_NOME, 255) X(T, SOC_RAGIONESOCIALE, 255) X(L, CONTO_ID, 0) X(T, CONTO_DESCRIZIONE, 255)        \
    X(L, BANCA_ID, 0) X(T, BANCA_DESCRIZIONE, 255) X(L, BANCA_ID_AGENZIA, 0)                                \
    X(T, BANCA_DESCRIZIONE_AGENZIA, 255) X(T, BANCA_CAB, 255) X(T, BANCA_ABI, 255) X(T, BANCA_CIN, 255)     \
    X(T, BANCA_CONTO_CORRENTE, 255)
