// Catalogue of the promotion recordsets: promotions and the articles in them, voucher campaigns
// with what they cover and the vouchers handed out, and the point-of-sale set-up (touch-screen
// layouts, workstations, fiscal printers and the printers' sales counters). For each class: the
// table or view it reads, the connect string it reports and its columns in binding order (kinds
// in odbc/RecordsetMacros.h). The classes are declared from these lists, so a column is fixed here
// and nowhere else.
#pragma once

#include "odbc/RecordsetMacros.h"

// ---- Promotions ----

// A promotion of a company: its kind, validity, and the price, discounts or "buy M pay N" it
// grants.
#define ORVEL_SOURCE_CPromozioneSet "PROMOZIONE"
#define ORVEL_CONNECT_CPromozioneSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPromozioneSet(X)                                                                  \
    X(L, ID, 0) X(L, TIPO_PROMOZIONE, 0) X(TS, DATA_INIZIO, 0) X(TS, DATA_FINE, 0) X(T, DESCRIZIONE, 255)  \
    X(T, PREZZO_PROMOZIONE, 255) X(L, F_TIPO_PREZZO_PROMOZIONE, 0) X(T, SCONTO_1_PROMOZIONE, 255)          \
    X(T, SCONTO_2_PROMOZIONE, 255) X(T, SCONTO_3_PROMOZIONE, 255) X(T, SCONTO_4_PROMOZIONE, 255)           \
    X(T, MXN_PARTE_M, 255) X(T, MXN_PARTE_N, 255) X(L, ID_SOCIETA, 0) X(T, SCONTO_EURO, 255)               \
    X(L, F_TIPO_SCONTO_EURO, 0) X(L, F_SUBTOTALE, 0)

// A promotion with its company's names.
#define ORVEL_SOURCE_CPromozioneCompletaSet "PROMOZIONE_COMPLETA"
#define ORVEL_CONNECT_CPromozioneCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPromozioneCompletaSet(X)                                                          \
    X(L, ID, 0) X(L, TIPO_PROMOZIONE, 0) X(DT, DATA_INIZIO, 0) X(DT, DATA_FINE, 0) X(T, DESCRIZIONE, 255)  \
    X(T, PREZZO_PROMOZIONE, 255) X(L, F_TIPO_PREZZO_PROMOZIONE, 0) X(T, SCONTO_1_PROMOZIONE, 255)          \
    X(T, SCONTO_2_PROMOZIONE, 255) X(T, SCONTO_3_PROMOZIONE, 255) X(T, SCONTO_4_PROMOZIONE, 255)           \
    X(T, MXN_PARTE_M, 255) X(T, MXN_PARTE_N, 255) X(L, ID_SOCIETA, 0) X(T, NOME_SOCIETA, 255)              \
    X(T, RAGIONESOCIALE_SOCIETA, 255) X(T, SCONTO_EURO, 255) X(L, F_TIPO_SCONTO_EURO, 0) X(L, F_SUBTOTALE, 0)

// The articles a promotion applies to.
#define ORVEL_SOURCE_CArticoloPromozioneSet "ARTICOLO_PROMOZIONE"
#define ORVEL_CONNECT_CArticoloPromozioneSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloPromozioneSet(X) X(T, ID_ARTICOLO, 255) X(L, ID_PROMOZIONE, 0)

// An article in a promotion, with its prices, VAT and department as the till needs them.
#define ORVEL_SOURCE_CArticoloPromozioneListSet "ARTICOLO_PROMOZIONE_LIST"
#define ORVEL_CONNECT_CArticoloPromozioneListSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloPromozioneListSet(X)                                                        \
    X(L, ID, 0) X(L, ID_SOCIETA, 0) X(DT, DATA_INIZIO, 0) X(DT, DATA_FINE, 0) X(L, F_SUBTOTALE, 0)           \
    X(T, ARTICOLO_ID, 255) X(T, ARTICOLO_DESCRIZIONE, 255) X(T, ARTICOLO_PREZZO_VENDITA, 255)                \
    X(T, ARTICOLO_PREZZO_VENDITA_II, 255) X(T, ARTICOLO_CODICE_EAN, 255) X(T, IVA_ID, 255)                   \
    X(T, IVA_ALIQUOTA, 255) X(L, IVA_CODICE_CASSA, 0) X(T, REPARTO_ID, 255) X(T, REPARTO_DESCRIZIONE, 255)   \
    X(T, REPARTO_IVA_ID, 255) X(L, REPARTO_IVA_CODICE_CASSA, 0)

// Which promotions of a company are valid when, for which article: what the till searches.
#define ORVEL_SOURCE_CRicercaPromozioneSet "RICERCA_PROMOZIONE"
#define ORVEL_CONNECT_CRicercaPromozioneSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CRicercaPromozioneSet(X) \
    X(L, ID, 0) X(TS, DATA_INIZIO, 0) X(TS, DATA_FINE, 0) X(L, ID_SOCIETA, 0) X(T, ID_ARTICOLO, 255)

// ---- Voucher campaigns ----

// A voucher campaign: while it runs, a sale above the threshold earns a voucher (a discount, an
// amount or points) printed with three lines of text.
#define ORVEL_SOURCE_CEmissioneBuonoSet "EMISSIONE_BUONO"
#define ORVEL_CONNECT_CEmissioneBuonoSet ORVEL_CONNECT_DSN_SEMICOLON
#define ORVEL_COLUMNS_CEmissioneBuonoSet(X)                                                               \
    X(L, ID, 0) X(DT, DATA_INIZIO, 0) X(DT, DATA_FINE, 0) X(T, TESTO1, 255) X(T, TESTO2, 255)               \
    X(T, TESTO3, 255) X(T, SCONTO, 255) X(T, IMPORTO, 255) X(L, F_TIPO, 0) X(L, F_TIPO_ARTICOLI, 0)         \
    X(T, IMPORTO_SOGLIA, 255) X(T, IMPORTO_MASSIMO, 255) X(L, ID_SOCIETA, 0) X(L, NUMERO_PUNTI, 0)

// A voucher campaign with its company's names.
#define ORVEL_SOURCE_CEmissioneBuonoCompletaSet "EMISSIONE_BUONO_COMPLETA"
#define ORVEL_CONNECT_CEmissioneBuonoCompletaSet ORVEL_CONNECT_DSN_SEMICOLON
#define ORVEL_COLUMNS_CEmissioneBuonoCompletaSet(X)                                                       \
    X(L, ID, 0) X(DT, DATA_INIZIO, 0) X(DT, DATA_FINE, 0) X(T, TESTO1, 255) X(T, TESTO2, 255)               \
    X(T, TESTO3, 255) X(T, SCONTO, 255) X(T, IMPORTO, 255) X(L, F_TIPO, 0) X(L, F_TIPO_ARTICOLI, 0)         \
    X(T, IMPORTO_SOGLIA, 255) X(T, IMPORTO_MASSIMO, 255) X(L, NUMERO_PUNTI, 0) X(L, SOCIETA_ID, 0)          \
    X(T, SOCIETA_NOME, 255) X(T, SOCIETA_RAGIONESOCIALE, 255)

// The movement reasons whose documents take part in a campaign.
#define ORVEL_SOURCE_CEmissioneBuonoCausaleSet "EMISSIONE_BUONO_CAUSALE"
#define ORVEL_CONNECT_CEmissioneBuonoCausaleSet ORVEL_CONNECT_DSN_SEMICOLON
#define ORVEL_COLUMNS_CEmissioneBuonoCausaleSet(X) X(L, ID_EMISSIONE_BUONO, 0) X(L, ID_CAUSALE, 0)

// The article categories, families and groups a campaign counts (internal to the library).
#define ORVEL_SOURCE_CEmissioneBuonoCategoriaSet "EMISSIONE_BUONO_CATEGORIA"
#define ORVEL_CONNECT_CEmissioneBuonoCategoriaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEmissioneBuonoCategoriaSet(X) X(L, ID_EMISSIONE_BUONO, 0) X(T, ID_CATEGORIA, 255)

#define ORVEL_SOURCE_CEmissioneBuonoFamigliaSet "EMISSIONE_BUONO_FAMIGLIA"
#define ORVEL_CONNECT_CEmissioneBuonoFamigliaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEmissioneBuonoFamigliaSet(X) X(L, ID_EMISSIONE_BUONO, 0) X(T, ID_FAMIGLIA, 255)

#define ORVEL_SOURCE_CEmissioneBuonoGruppoSet "EMISSIONE_BUONO_GRUPPO"
#define ORVEL_CONNECT_CEmissioneBuonoGruppoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEmissioneBuonoGruppoSet(X) X(L, ID_EMISSIONE_BUONO, 0) X(T, ID_GRUPPO, 255)

// A voucher handed out with a sale document: its value or goods, and the points earned.
#define ORVEL_SOURCE_CBuonoEmessoSet "BUONO_EMESSO"
#define ORVEL_CONNECT_CBuonoEmessoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CBuonoEmessoSet(X)                                                               \
    X(L, ID, 0) X(DT, DATA, 0) X(L, ID_DOCUMENTO, 0) X(L, ID_EMISSIONE_BUONO, 0) X(T, VALORE, 255)      \
    X(T, BENE, 255) X(L, PUNTI, 0)

// ---- Touch-screen layouts ----

// A touch-screen layout: size, font and colours of the section buttons (SEZ_) and of the article
// buttons (PULS_).
#define ORVEL_SOURCE_CTouchConfigurazioneSet "TOUCH_CONFIGURAZIONE"
#define ORVEL_CONNECT_CTouchConfigurazioneSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CTouchConfigurazioneSet(X)                                                           \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(L, SEZ_BTN_WIDTH, 0) X(L, SEZ_BTN_HEIGHT, 0) X(T, SEZ_FONT_FACE, 255) \
    X(L, SEZ_FONT_SIZE, 0) X(L, SEZ_FONT_BOLD, 0) X(L, SEZ_FONT_ITALIC, 0) X(L, SEZ_COLOR_BACK, 0)             \
    X(L, SEZ_COLOR_BTN, 0) X(L, SEZ_COLOR_TEXT, 0) X(L, PULS_BTN_WIDTH, 0) X(L, PULS_BTN_HEIGHT, 0)            \
    X(L, PULS_BTN_FLAT, 0) X(L, PULS_BTN_ROUNDED, 0) X(T, PULS_FONT_FACE, 255) X(L, PULS_FONT_SIZE, 0)         \
    X(L, PULS_FONT_BOLD, 0) X(L, PULS_FONT_ITALIC, 0) X(L, PULS_COLOR_BACK, 0) X(L, PULS_COLOR_BTN, 0)         \
    X(L, PULS_COLOR_TEXT, 0)

// A button of a section: its place, icon, colour and the article it sells.
#define ORVEL_SOURCE_CTouchPulsanteSet "TOUCH_PULSANTE"
#define ORVEL_CONNECT_CTouchPulsanteSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CTouchPulsanteSet(X)                                                          \
    X(L, ID, 0) X(L, NUMERO, 0) X(L, ICONA, 0) X(L, COLOR_BACK, 0) X(T, ID_ARTICOLO, 255)             \
    X(T, DESCRIZIONE, 255) X(L, ID_SEZIONE, 0)

// A button with its article's descriptions, its section and its layout.
#define ORVEL_SOURCE_CTouchPulsanteCompletoSet "TOUCH_PULSANTE_COMPLETO"
#define ORVEL_CONNECT_CTouchPulsanteCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CTouchPulsanteCompletoSet(X)                                                        \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(L, ICONA, 0) X(L, COLOR_BACK, 0) X(L, NUMERO, 0)                  \
    X(T, ARTICOLO_ID, 255) X(T, ARTICOLO_DESCRIZIONE, 255) X(T, ARTICOLO_DESCRIZIONE_RIDOTTA, 255)         \
    X(L, SEZIONE_ID, 0) X(T, SEZIONE_DESCRIZIONE, 255) X(L, CONFIGURAZIONE_ID, 0)                          \
    X(T, CONFIGURAZIONE_DESCRIZIONE, 255)

// A section (page of buttons) of a layout.
#define ORVEL_SOURCE_CTouchSezioneSet "TOUCH_SEZIONE"
#define ORVEL_CONNECT_CTouchSezioneSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CTouchSezioneSet(X) \
    X(L, ID, 0) X(T, DESCRIZIONE, 255) X(L, COLOR_BACK, 0) X(L, NUMERO, 0) X(L, ICON, 0) X(L, ID_CONFIGURAZIONE, 0)

// ---- Workstations and fiscal printers ----

// A till workstation: its fiscal printer, receipt printer and customer display, each with the
// parameters of its port.
#define ORVEL_SOURCE_CPostazioneSet "POSTAZIONE"
#define ORVEL_CONNECT_CPostazioneSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPostazioneSet(X)                                                                   \
    X(T, ID, 255) X(T, ID_STAMPANTE_FISCALE, 255) X(T, PRODOTTO, 255) X(L, PORTA, 0) X(T, PARAMETRI, 1024)  \
    X(T, STAMPANTE_RICEVUTE, 255) X(T, STAMPANTE_RICEVUTE_PARAMETRI, 1024) X(T, CUSTOMER_DISPLAY, 255)      \
    X(T, CUSTOMER_DISPLAY_PARAMETRI, 1024)

// A workstation with its fiscal printer's description (STAFIS_).
#define ORVEL_SOURCE_CPostazioneCompletaSet "POSTAZIONE_COMPLETA"
#define ORVEL_CONNECT_CPostazioneCompletaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CPostazioneCompletaSet(X)                                                          \
    X(T, ID, 255) X(T, PRODOTTO, 255) X(T, STAFIS_ID, 255) X(T, STAFIS_DESCRIZIONE, 255) X(L, PORTA, 0)   \
    X(T, PARAMETRI, 1024) X(T, STAMPANTE_RICEVUTE, 255) X(T, STAMPANTE_RICEVUTE_PARAMETRI, 1024)          \
    X(T, CUSTOMER_DISPLAY, 255) X(T, CUSTOMER_DISPLAY_PARAMETRI, 1024)

// A fiscal printer; F_CHIUSURA when it runs the daily closing.
#define ORVEL_SOURCE_CStampanteFiscaleSet "STAMPANTE_FISCALE"
#define ORVEL_CONNECT_CStampanteFiscaleSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CStampanteFiscaleSet(X) X(T, ID, 255) X(T, DESCRIZIONE, 255) X(L, F_CHIUSURA, 0)

// Sales counted by the fiscal printer per article since its last closing.
#define ORVEL_SOURCE_CVenditaMisuratoreSet "VENDITA_MISURATORE"
#define ORVEL_CONNECT_CVenditaMisuratoreSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVenditaMisuratoreSet(X) X(T, ID_ARTICOLO, 255) X(T, QUANTITA, 255) X(T, TOTALE_IVATO, 255)

// The per-article counters with the article's description, codes, VAT and classification.
#define ORVEL_SOURCE_CVENDITA_MISURATORE_COMPLETA "VENDITA_MISURATORE_COMPLETA"
#define ORVEL_CONNECT_CVENDITA_MISURATORE_COMPLETA ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVENDITA_MISURATORE_COMPLETA(X)                                                      \
    X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE_ARTICOLO, 255) X(T, CODICE_EAN, 255)                            \
    X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ALIQUOTA_IVA, 255) X(T, ID_IVA, 255)                   \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, ID_CATEGORIA, 255) X(T, ID_FAMIGLIA, 255) X(T, ID_GRUPPO, 255)       \
    X(T, ID_REPARTO, 255) X(T, QUANTITA, 255) X(T, TOTALE_IVATO, 255)

// Sales counted by the fiscal printer per department.
#define ORVEL_SOURCE_CVENDITA_REPARTO_MISURATORE "VENDITA_REPARTO_MISURATORE"
#define ORVEL_CONNECT_CVENDITA_REPARTO_MISURATORE ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVENDITA_REPARTO_MISURATORE(X) X(T, ID_REPARTO, 255) X(T, QUANTITA, 255) X(T, TOTALE_IVATO, 255)

// The per-department counters with the department's description.
#define ORVEL_SOURCE_CVENDITA_REPARTO_MISURATORE_COMP "VENDITA_REPARTO_MISURATORE_COMP"
#define ORVEL_CONNECT_CVENDITA_REPARTO_MISURATORE_COMP ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CVENDITA_REPARTO_MISURATORE_COMP(X) \
    X(T, ID_REPARTO, 255) X(T, DESCRIZIONE_REPARTO, 255) X(T, QUANTITA, 255) X(T, TOTALE_IVATO, 255)
