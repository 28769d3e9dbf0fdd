// Catalogue of the article recordsets: for each class, the table or view it reads, the connect
// string it reports and its columns in binding order (see odbc/RecordsetMacros.h for the kinds).
// The classes are declared from these lists, so a column is fixed here and nowhere else.
#pragma once

#include "odbc/RecordsetMacros.h"

// ---- Articles and the views that join them to their master data ----

// Articles as stored: codes, descriptions, prices, VAT, classification, discounts, stock and
// till flags, dimensions. Written by the article object; the stock, till, lot and modified flags of
// a new row start set.
#define ORVEL_SOURCE_CArticoloSet "ARTICOLO"
#define ORVEL_CONNECT_CArticoloSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloSet(X)                                                                    \
    X(T, ID, 255) X(T, CODICE_EAN, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 255)                 \
    X(T, DESCRIZIONE_RIDOTTA, 255) X(T, FILEFOTO, 512) X(T, PREZZO_PZ_EURO, 255)                         \
    X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ID_IVA, 255) X(T, SCORTA_MINIMA, 255)               \
    X(T, ID_CATEGORIA, 255) X(T, ID_FAMIGLIA, 255) X(T, ID_GRUPPO, 255) X(T, PREZZO_ACQ_PZ_EURO, 255)    \
    X(T, NOTE, 1000) X(T, INFO_STR1, 255) X(T, INFO_STR2, 255) X(T, INFO_STR3, 255) X(T, INFO_STR4, 255) \
    X(T, INFO_STR5, 255) X(T, INFO_NUM1, 255) X(T, INFO_NUM2, 255) X(T, INFO_NUM3, 255)                  \
    X(T, INFO_NUM4, 255) X(T, INFO_NUM5, 255) X(L, F_PUBBLICA, 0) X(T, PREZZO_ACQ_LISTINO_EURO, 255)     \
    X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, PROVVIGIONE, 255) X(T, ID_REPARTO, 255)                 \
    X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) X(L, ID_FORMULA_PREZZO_VENDITA, 0)                           \
    X(L, ID_FORMULA_COSTO_NETTO, 0) X(T, DENSITA, 255) X(T, PREZZO_PZ_EURO_IVATO, 255)                   \
    X(L, ID_TIPO_ARTICOLO, 0) X(L, F_RIPORTA_NOTE, 0) X(L, F_GESTISCI_GIACENZE, 1)                       \
    X(L, F_STAMPA_IN_SCONTRINO, 1) X(L, F_GESTISCI_LOTTI, 1) X(T, PREZZO_IMPOSTO_IVATO, 255)             \
    X(T, SCONTO_PREZZO_IMPOSTO, 255) X(T, SCONTO_VEND1, 255) X(T, SCONTO_VEND2, 255)                     \
    X(T, SCONTO_VEND3, 255) X(T, SCONTO_VEND4, 255) X(L, F_MODIFICATO, 1) X(T, ART_PESO_KG, 255)         \
    X(T, ART_LUNGHEZZA_CM, 255) X(T, ART_LARGHEZZA_CM, 255) X(T, ART_ALTEZZA_CM, 255)                    \
    X(T, ART_VOLUME_M3, 255) X(T, CONF_PESO_KG, 255) X(T, CONF_LUNGHEZZA_CM, 255)                        \
    X(T, CONF_LARGHEZZA_CM, 255) X(T, CONF_ALTEZZA_CM, 255) X(T, CONF_VOLUME_M3, 255)                    \
    X(T, PERCENTUALE_DAZIO, 255) X(T, RAEE_EURO, 255)

// An article with the descriptions of its VAT rate, category, family, group, department and
// price formulas, and the free-gift cost share of its family: what the article object loads.
#define ORVEL_SOURCE_CArticoloCompletoSet "ARTICOLO_COMPLETO"
#define ORVEL_CONNECT_CArticoloCompletoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloCompletoSet(X)                                                           \
    X(T, ID, 255) X(T, CODICE_EAN, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 255)                \
    X(T, DESCRIZIONE_RIDOTTA, 255) X(T, FILEFOTO, 512) X(T, PREZZO_PZ_EURO, 255)                        \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ID_IVA, 255)         \
    X(T, DESCRIZIONE_IVA, 255) X(T, ALIQUOTA_IVA, 255) X(T, SCORTA_MINIMA, 255) X(T, ID_CATEGORIA, 255) \
    X(T, ID_FAMIGLIA, 255) X(T, ID_GRUPPO, 255) X(T, CATEGORIA, 255) X(T, FAMIGLIA, 255)                \
    X(T, GRUPPO, 255) X(T, PROVVIGIONE, 255) X(L, F_PUBBLICA, 0) X(T, PREZZO_ACQ_LISTINO_EURO, 255)     \
    X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255)                     \
    X(L, CODICE_CASSA_IVA, 0) X(T, ID_REPARTO, 255) X(T, REPARTO, 255) X(L, FOR_PREZZO_VENDITA_ID, 0)   \
    X(T, FOR_PREZZO_VENDITA_DESCRIZIONE, 255) X(L, FOR_COSTO_NETTO_ID, 0)                               \
    X(T, FOR_COSTO_NETTO_DESCRIZIONE, 255) X(T, PREZZO_PZ_EURO_IVATO, 255) X(T, DENSITA, 255)           \
    X(L, ID_TIPO_ARTICOLO, 0) X(L, F_RIPORTA_NOTE, 0) X(L, F_GESTISCI_GIACENZE, 0)                      \
    X(L, F_STAMPA_IN_SCONTRINO, 0) X(L, F_GESTISCI_LOTTI, 0) X(T, NOTE, 1000) X(T, INFO_STR1, 255)      \
    X(T, INFO_STR2, 255) X(T, INFO_STR3, 255) X(T, INFO_STR4, 255) X(T, INFO_STR5, 255)                 \
    X(T, INFO_NUM1, 255) X(T, INFO_NUM2, 255) X(T, INFO_NUM3, 255) X(T, INFO_NUM4, 255)                 \
    X(T, INFO_NUM5, 255) X(T, PERC_COSTO_OMAGGIO, 255) X(T, PREZZO_IMPOSTO_IVATO, 255)                  \
    X(T, SCONTO_PREZZO_IMPOSTO, 255) X(T, SCONTO_VEND1, 255) X(T, SCONTO_VEND2, 255)                    \
    X(T, SCONTO_VEND3, 255) X(T, SCONTO_VEND4, 255) X(L, F_MODIFICATO, 0) X(T, ART_PESO_KG, 255)        \
    X(T, ART_LUNGHEZZA_CM, 255) X(T, ART_LARGHEZZA_CM, 255) X(T, ART_ALTEZZA_CM, 255)                   \
    X(T, ART_VOLUME_M3, 255) X(T, CONF_PESO_KG, 255) X(T, CONF_LUNGHEZZA_CM, 255)                       \
    X(T, CONF_LARGHEZZA_CM, 255) X(T, CONF_ALTEZZA_CM, 255) X(T, CONF_VOLUME_M3, 255)                   \
    X(T, PERCENTUALE_DAZIO, 255) X(T, RAEE_EURO, 255)

// The short form of an article for lists and searches, with its VAT rate.
#define ORVEL_SOURCE_CArticoloListSet "ARTICOLO_LIST"
#define ORVEL_CONNECT_CArticoloListSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloListSet(X)                                                            \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, CODICE_EAN, 255) X(T, PREZZO_PZ_EURO, 255)             \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, ID_CATEGORIA, 255) X(L, F_PUBBLICA, 0) X(T, ID_FAMIGLIA, 255) \
    X(T, ID_GRUPPO, 255) X(T, ID_IVA, 255) X(T, ID_REPARTO, 255) X(T, PREZZO_PZ_EURO_IVATO, 255)     \
    X(T, ALIQUOTA_IVA, 255) X(L, ID_TIPO_ARTICOLO, 0) X(T, CODICE_INTERNO, 255)

// An article with the rate of its VAT code.
#define ORVEL_SOURCE_CArticoloIvaSet "ARTICOLO_IVA"
#define ORVEL_CONNECT_CArticoloIvaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloIvaSet(X)                                                                 \
    X(T, ID, 255) X(T, CODICE_EAN, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 255)                 \
    X(T, DESCRIZIONE_RIDOTTA, 255) X(T, FILEFOTO, 512) X(T, PREZZO_PZ_EURO, 255)                         \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ID_IVA, 255)          \
    X(T, ALIQUOTA_IVA, 255) X(T, SCORTA_MINIMA, 255) X(T, ID_CATEGORIA, 255) X(T, ID_FAMIGLIA, 255)      \
    X(T, ID_GRUPPO, 255) X(T, NOTE, 1000) X(T, INFO_STR1, 255) X(T, INFO_STR2, 255) X(T, INFO_STR3, 255) \
    X(T, INFO_STR4, 255) X(T, INFO_STR5, 255) X(T, INFO_NUM1, 255) X(T, INFO_NUM2, 255)                  \
    X(T, INFO_NUM3, 255) X(T, INFO_NUM4, 255) X(T, INFO_NUM5, 255) X(L, F_PUBBLICA, 0)                   \
    X(T, PREZZO_ACQ_LISTINO_EURO, 255) X(T, PROVVIGIONE, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255)    \
    X(T, SCONTO_3, 255) X(T, SCONTO_4, 255) X(T, PREZZO_PZ_EURO_IVATO, 255)

// An article as the till sees it: VAT rate and till number of the rate, department code and
// description.
#define ORVEL_SOURCE_CArticoloCassaSet "ARTICOLO_CASSA"
#define ORVEL_CONNECT_CArticoloCassaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloCassaSet(X)                                                            \
    X(T, ID, 255) X(T, CODICE_EAN, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 255)              \
    X(T, DESCRIZIONE_RIDOTTA, 255) X(T, FILEFOTO, 512) X(T, PREZZO_PZ_EURO, 255)                      \
    X(T, PREZZO_ACQ_PZ_EURO, 255) X(T, PEZZI_X_CONFEZIONE, 255) X(T, UM, 255) X(T, ID_IVA, 255)       \
    X(T, ALIQUOTA_IVA, 255) X(L, CODICE_CASSA_IVA, 0) X(T, SCORTA_MINIMA, 255) X(T, PROVVIGIONE, 255) \
    X(L, F_PUBBLICA, 0) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, PREZZO_ACQ_LISTINO_EURO, 255)    \
    X(T, REP_ID, 255) X(T, REP_DESCRIZIONE, 255) X(T, ID_CATEGORIA, 255) X(T, ID_FAMIGLIA, 255)       \
    X(T, ID_GRUPPO, 255) X(T, PREZZO_PZ_EURO_IVATO, 255)

// What a till programmes per article: price with VAT, department, till VAT number, and the
// modified flag that tells which articles to send again.
#define ORVEL_SOURCE_CARTICOLO_PROG_CASSA "ARTICOLO_PROG_CASSA"
#define ORVEL_CONNECT_CARTICOLO_PROG_CASSA ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CARTICOLO_PROG_CASSA(X)                                                             \
    X(T, ID, 255) X(T, CODICE_EAN, 255) X(T, DESCRIZIONE, 255) X(T, DESCRIZIONE_RIDOTTA, 255)             \
    X(T, PREZZO_PZ_EURO_IVATO, 255) X(T, ID_REPARTO, 255) X(L, CODICE_CASSA_IVA, 0) X(L, F_MODIFICATO, 0)

// ---- What an article owns: suppliers, alternative codes, alternative units; kinds of article ----

// The suppliers of an article, with the supplier's own code and description (rows owned by
// the article and rewritten with it).
#define ORVEL_SOURCE_CARTICOLO_FORNITORE "ARTICOLO_FORNITORE"
#define ORVEL_CONNECT_CARTICOLO_FORNITORE ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CARTICOLO_FORNITORE(X)                                 \
    X(T, ID_ARTICOLO, 255) X(L, ID_FORNITORE, 0) X(T, CODICE_FORNITORE, 255) \
    X(T, DESCRIZIONE_FORNITORE, 255)

// The suppliers of an article with the supplier's name.
#define ORVEL_SOURCE_CARTICOLO_FORNITORE_COMPLETO "ARTICOLO_FORNITORE_COMPLETO"
#define ORVEL_CONNECT_CARTICOLO_FORNITORE_COMPLETO ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CARTICOLO_FORNITORE_COMPLETO(X)                                                   \
    X(T, ID_ARTICOLO, 255) X(L, ID_FORNITORE, 0) X(T, RAGIONE_SOCIALE, 255) X(T, CODICE_FORNITORE, 255) \
    X(T, DESCRIZIONE_FORNITORE, 255)

// Alternative codes of an article: type 0 is another article code, any other type a
// barcode that stands for the EAN.
#define ORVEL_SOURCE_CCodiceAlternativoArticolo "CODICE_ALTERNATIVO_ARTICOLO"
#define ORVEL_CONNECT_CCodiceAlternativoArticolo ORVEL_CONNECT_DSN_EMPTY
#define ORVEL_COLUMNS_CCodiceAlternativoArticolo(X)        \
    X(T, ID_ARTICOLO, 255) X(T, CODICE, 255) X(L, TIPO, 0)

// Other units an article is bought or sold in, with the coefficient to its own unit.
#define ORVEL_SOURCE_CArticoloUmAlternativaSet "ARTICOLO_UM_ALTERNATIVA"
#define ORVEL_CONNECT_CArticoloUmAlternativaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CArticoloUmAlternativaSet(X)                            \
    X(T, ID_ARTICOLO, 255) X(T, ID_UNITA_MISURA, 255) X(T, COEFFICIENTE, 255)

// Kinds of article.
#define ORVEL_SOURCE_CTipoArticoloSet "TIPO_ARTICOLO"
#define ORVEL_CONNECT_CTipoArticoloSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CTipoArticoloSet(X) \
    X(L, ID, 0) X(T, DESCRIZIONE, 255)

// ---- Price lists, returnable containers and packaging ----

// Price-list prices of articles, with the article's VAT rate and the price with VAT.
#define ORVEL_SOURCE_CListinoArticoloIvaSet "LISTINO_ARTICOLO_IVA"
#define ORVEL_CONNECT_CListinoArticoloIvaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CListinoArticoloIvaSet(X)                                              \
    X(T, LIS_ID, 255) X(T, LIS_DESCRIZIONE, 255) X(L, LIS_TIPO_LISTINO, 0) X(T, ART_ID, 255) \
    X(T, ART_DESCRIZIONE, 255) X(T, ART_ALIQUOTA_IVA, 255) X(T, ART_PREZZO, 255)             \
    X(T, ART_PREZZO_IVATO, 255)

// Returnable containers carried by an article, and how many.
#define ORVEL_SOURCE_CArticoloContieneVuotiSet "ARTICOLO_CONTIENE_VUOTO"
#define ORVEL_CONNECT_CArticoloContieneVuotiSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloContieneVuotiSet(X)               \
    X(T, ID_ARTICOLO, 255) X(T, ID_VUOTO, 255) X(T, NUMERO, 255)

// Returnable containers carried by an article, with the container's code, description,
// prices and VAT rate as a whole number.
#define ORVEL_SOURCE_CArticoloContieneVuotoComplSet "ARTICOLO_CONTIENE_VUOTO_COMPL"
#define ORVEL_CONNECT_CArticoloContieneVuotoComplSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CArticoloContieneVuotoComplSet(X)                              \
    X(T, ID_ARTICOLO, 255) X(T, ID_VUOTO, 255) X(T, V_NUMERO_VUOTI_ARTICOLO, 255)    \
    X(T, V_CODICE_INTERNO, 255) X(T, V_DESCRIZIONE, 512) X(T, V_PREZZO_PZ_EURO, 255) \
    X(S, V_ALIQUOTA_IVA, 0) X(T, V_PREZZO_ACQ_PZ_EURO, 255)

// Returnable containers (crates, bottles, kegs) with their deposit prices and VAT rate.
#define ORVEL_SOURCE_CVuotoSet "VUOTO"
#define ORVEL_CONNECT_CVuotoSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVuotoSet(X)                                                           \
    X(T, ID, 255) X(T, CODICE_INTERNO, 255) X(T, DESCRIZIONE, 512) X(T, PREZZO_PZ_EURO, 255) \
    X(T, ALIQUOTA_IVA, 255) X(T, PREZZO_ACQ_PZ_EURO, 255)

// Packaging kinds and their weight.
#define ORVEL_SOURCE_CImballoSet "IMBALLO"
#define ORVEL_CONNECT_CImballoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CImballoSet(X)                     \
    X(T, ID, 255) X(T, DESCRIZIONE, 255) X(T, PESO, 255)

// ---- Bills of materials, labels and catalogues ----

// Bill of materials: the raw materials of an article, their unit, quantity, order and level.
#define ORVEL_SOURCE_CDistintaArticoloSet "DISTINTA_ARTICOLO"
#define ORVEL_CONNECT_CDistintaArticoloSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CDistintaArticoloSet(X)                                                     \
    X(T, ID_ARTICOLO, 255) X(T, ID_ARTICOLO_MATERIA_PRIMA, 255) X(T, UM, 255) X(T, QUANTITA, 255) \
    X(L, ORDINAMENTO, 0) X(L, LIVELLO, 0)

// Bill of materials with the raw material's description, pack, EAN, VAT and net cost (unit
// cost and cost for the quantity).
#define ORVEL_SOURCE_CDistintaArticoloCompletaSet "DISTINTA_ARTICOLO_COMPLETA"
#define ORVEL_CONNECT_CDistintaArticoloCompletaSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CDistintaArticoloCompletaSet(X)                                                   \
    X(T, ID_ARTICOLO, 255) X(T, ID_ARTICOLO_MATERIA_PRIMA, 255) X(T, DESCR_ARTICOLO_MATERIA_PRIMA, 255) \
    X(T, PEZZI_X_CONFEZIONE, 255) X(T, CODICE_EAN, 255) X(T, ID_IVA, 255) X(T, ALIQUOTA_IVA, 255)       \
    X(T, UM, 255) X(T, QUANTITA, 255) X(L, ORDINAMENTO, 0) X(T, COSTO_NETTO_UNITARIO, 255)              \
    X(T, COSTO_NETTO, 255) X(L, LIVELLO, 0)

// Labels waiting to be printed: article, price, barcode, number of copies and free texts.
#define ORVEL_SOURCE_CEtichettaSet "ETICHETTA"
#define ORVEL_CONNECT_CEtichettaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CEtichettaSet(X)                                                                    \
    X(L, NUMERO, 0) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(T, PREZZO, 255) X(T, CODICE_EAN, 255) \
    X(L, QUANTITA, 0) X(T, SCONTO, 255) X(T, INFO, 255) X(T, INFO2, 255) X(T, INFO3, 255)                 \
    X(T, INFO4, 255) X(T, INFO5, 255) X(T, INFO6, 255) X(T, PREZZO_IMPOSTO, 255)                          \
    X(T, PEZZI_X_CONFEZIONE, 255)

// Catalogues (of articles, categories or families), with their creation date.
#define ORVEL_SOURCE_CCatalogoCategoriaSet "CATALOGO_CATEGORIA"
#define ORVEL_CONNECT_CCatalogoCategoriaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CCatalogoCategoriaSet(X)                         \
    X(L, ID, 0) X(T, NOME, 255) X(TS, DATA_CREAZIONE, 0) X(L, TIPO, 0)

// Articles listed in a catalogue, by position.
#define ORVEL_SOURCE_CVoceCatalogoArticoloSet "VOCE_CATALOGO_ARTICOLO"
#define ORVEL_CONNECT_CVoceCatalogoArticoloSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoArticoloSet(X)                         \
    X(L, NUMERO, 0) X(L, ID_CATALOGO_CATEGORIA, 0) X(T, ID_ARTICOLO, 255)

// Articles listed in a catalogue, with description and photo.
#define ORVEL_SOURCE_CVoceCatalogoArticoloCompSet "VOCE_CATALOGO_ARTICOLO_COMP"
#define ORVEL_CONNECT_CVoceCatalogoArticoloCompSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoArticoloCompSet(X)                                 \
    X(L, NUMERO, 0) X(T, ID_ARTICOLO, 255) X(T, DESCRIZIONE, 255) X(T, FILEFOTO, 512) \
    X(L, ID_CATALOGO_CATEGORIA, 0)

// Categories listed in a catalogue, by position.
#define ORVEL_SOURCE_CVoceCatalogoCategoriaSet "VOCE_CATALOGO_CATEGORIA"
#define ORVEL_CONNECT_CVoceCatalogoCategoriaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoCategoriaSet(X)                         \
    X(L, NUMERO, 0) X(L, ID_CATALOGO_CATEGORIA, 0) X(T, ID_CATEGORIA, 255)

// Categories listed in a catalogue, with the catalogue's name and the category's description.
#define ORVEL_SOURCE_CVoceCatalogoCategoriaCompSet "VOCE_CATALOGO_CATEGORIA_COMP"
#define ORVEL_CONNECT_CVoceCatalogoCategoriaCompSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoCategoriaCompSet(X)                                       \
    X(L, VC_NUMERO, 0) X(L, CATALOGO_ID, 0) X(T, CATALOGO_NOME, 255) X(T, CATEGORIA_ID, 255) \
    X(T, CATEGORIA_DESCRIZIONE, 255)

// Families listed in a catalogue, by position.
#define ORVEL_SOURCE_CVoceCatalogoFamigliaSet "VOCE_CATALOGO_FAMIGLIA"
#define ORVEL_CONNECT_CVoceCatalogoFamigliaSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoFamigliaSet(X)                         \
    X(L, NUMERO, 0) X(L, ID_CATALOGO_CATEGORIA, 0) X(T, ID_FAMIGLIA, 255)

// Families listed in a catalogue, with the catalogue's name and the family's description.
#define ORVEL_SOURCE_CVoceCatalogoFamigliaCompSet "VOCE_CATALOGO_FAMIGLIA_COMP"
#define ORVEL_CONNECT_CVoceCatalogoFamigliaCompSet ORVEL_CONNECT_ODBC
#define ORVEL_COLUMNS_CVoceCatalogoFamigliaCompSet(X)                                       \
    X(L, VC_NUMERO, 0) X(L, CATALOGO_ID, 0) X(T, CATALOGO_NOME, 255) X(T, FAMIGLIA_ID, 255) \
    X(T, FAMIGLIA_DESCRIZIONE, 255)

// ---- Discount bands by article category, and per partner ----

// Discount bands that apply to an article category, one of them the default.
#define ORVEL_SOURCE_CCategoriaScontoSet "CATEGORIA_SCONTO"
#define ORVEL_CONNECT_CCategoriaScontoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CCategoriaScontoSet(X)                            \
    X(T, ID_CATEGORIA, 255) X(T, ID_SCONTO, 255) X(L, F_PREDEFINITO, 0)

// Discount bands of an article category with the band's discounts and commission.
#define ORVEL_SOURCE_CCategoriaScontoCompletoSet "CATEGORIA_SCONTO_COMPLETO"
#define ORVEL_CONNECT_CCategoriaScontoCompletoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CCategoriaScontoCompletoSet(X)                                          \
    X(T, CATEGORIA_ID, 255) X(T, CATEGORIA_DESCRIZIONE, 255) X(T, SCONTO_ID, 255)             \
    X(T, SCONTO_DESCRIZIONE, 255) X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) \
    X(T, SCONTO_4, 255) X(T, PROVVIGIONE, 255) X(L, F_PREDEFINITO, 0)

// The discount band a partner gets on an article category.
#define ORVEL_SOURCE_CSoggettoCategoriaScontoSet "SOGGETTO_CATEGORIA_SCONTO"
#define ORVEL_CONNECT_CSoggettoCategoriaScontoSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CSoggettoCategoriaScontoSet(X)                  \
    X(L, ID_SOGGETTO, 0) X(T, ID_CATEGORIA, 255) X(T, ID_SCONTO, 255)

// The discount band a partner gets on an article category, with the band's discounts.
#define ORVEL_SOURCE_CSoggettoCategoriaScontoCompSet "SOGGETTO_CATEGORIA_SCONTO_COMP"
#define ORVEL_CONNECT_CSoggettoCategoriaScontoCompSet ORVEL_CONNECT_DSN
#define ORVEL_COLUMNS_CSoggettoCategoriaScontoCompSet(X)                                            \
    X(L, SOGGETTO_ID, 0) X(T, CATEGORIA_ID, 255) X(T, SCONTO_ID, 255) X(T, SCONTO_DESCRIZIONE, 255) \
    X(T, SCONTO_1, 255) X(T, SCONTO_2, 255) X(T, SCONTO_3, 255) X(T, SCONTO_4, 255)                 \
    X(T, PROVVIGIONE, 255)
