// The tables and views of promotions, voucher campaigns and the point-of-sale set-up:
// touch-screen layouts, workstations, fiscal printers and the printers' sales counters.
//
// Promotions and campaigns take their ids from the id procedures; layouts, sections and buttons
// have integer ids of the host's, workstations and fiscal printers text codes. A promotion's
// articles (a set, keyed by both sides) and a campaign's reasons, categories, families and groups
// are link tables. They carry no foreign key to the promotion or campaign: the library deletes a
// promotion or a campaign by its own row and leaves the links to the host. The only owned rows
// are the sections of a layout and the buttons of a section, which go with their parent.
//
// Views name the company, article, VAT code and department behind each reference by a LEFT JOIN;
// the ids a row holds come from the row itself, the names from the joined rows (NULL when the
// reference is empty or points nowhere).
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

namespace orvel_schema {

namespace {

void AddTables(CSchemaDefinition& schema)
{
    // TIPO_PROMOZIONE: 0 fixed price, 1 cascading discounts, 2 buy M pay N, 3 amount off; only
    // the kind's own columns hold values. A NULL DATA_FINE means open-ended.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPromozioneSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloPromozioneSet), {{"ID_ARTICOLO", "NOT NULL"},
        {"ID_PROMOZIONE", "NOT NULL"}}, "PRIMARY KEY (ID_PROMOZIONE, ID_ARTICOLO)");

    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEmissioneBuonoSet), {{"ID", "PRIMARY KEY"}});
    // The campaign's lists as the campaign object keeps them. They are not sets: an object
    // loaded twice holds each id twice and saves it so, which does no harm to the IN lists the
    // ids are read into, while a key would make that save fail half-way.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEmissioneBuonoCausaleSet), {{"ID_EMISSIONE_BUONO", "NOT NULL"},
        {"ID_CAUSALE", "NOT NULL"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEmissioneBuonoCategoriaSet), {{"ID_EMISSIONE_BUONO", "NOT NULL"},
        {"ID_CATEGORIA", "NOT NULL"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEmissioneBuonoFamigliaSet), {{"ID_EMISSIONE_BUONO", "NOT NULL"},
        {"ID_FAMIGLIA", "NOT NULL"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEmissioneBuonoGruppoSet), {{"ID_EMISSIONE_BUONO", "NOT NULL"},
        {"ID_GRUPPO", "NOT NULL"}});
    // A voucher handed out: VALORE (an amount) or BENE (goods), and the points earned.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CBuonoEmessoSet), {{"ID", "PRIMARY KEY"}});

    // Sizes, fonts (face, size, bold, italic) and colours (RGB as integers) of a layout's
    // section buttons and article buttons.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTouchConfigurazioneSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTouchSezioneSet), {{"ID", "PRIMARY KEY"},
        {"ID_CONFIGURAZIONE", "REFERENCES TOUCH_CONFIGURAZIONE (ID) ON DELETE CASCADE"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTouchPulsanteSet), {{"ID", "PRIMARY KEY"},
        {"ID_SEZIONE", "REFERENCES TOUCH_SEZIONE (ID) ON DELETE CASCADE"}});

    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CStampanteFiscaleSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    // PRODOTTO is the model of the fiscal printer driven from PORTA with PARAMETRI.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPostazioneSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    // The fiscal printer's counters as read from it: one row per article and per department.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVenditaMisuratoreSet), {{"ID_ARTICOLO", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVENDITA_REPARTO_MISURATORE), {
        {"ID_REPARTO", "NOT NULL PRIMARY KEY"}});
}

void AddIndexes(CSchemaDefinition& schema)
{
    schema.AddIndex("IX_ARTICOLO_PROMOZIONE_ARTICOLO", "ARTICOLO_PROMOZIONE", "ID_ARTICOLO");
    schema.AddIndex("IX_PROMOZIONE_SOCIETA", "PROMOZIONE", "ID_SOCIETA, DATA_INIZIO");
    schema.AddIndex("IX_EMISSIONE_BUONO_SOCIETA", "EMISSIONE_BUONO", "ID_SOCIETA, DATA_INIZIO");
    schema.AddIndex("IX_EMISSIONE_BUONO_CAUSALE", "EMISSIONE_BUONO_CAUSALE", "ID_EMISSIONE_BUONO");
    schema.AddIndex("IX_EMISSIONE_BUONO_CATEGORIA", "EMISSIONE_BUONO_CATEGORIA", "ID_EMISSIONE_BUONO");
    schema.AddIndex("IX_EMISSIONE_BUONO_FAMIGLIA", "EMISSIONE_BUONO_FAMIGLIA", "ID_EMISSIONE_BUONO");
    schema.AddIndex("IX_EMISSIONE_BUONO_GRUPPO", "EMISSIONE_BUONO_GRUPPO", "ID_EMISSIONE_BUONO");
    schema.AddIndex("IX_BUONO_EMESSO_DOCUMENTO", "BUONO_EMESSO", "ID_DOCUMENTO");
    schema.AddIndex("IX_BUONO_EMESSO_EMISSIONE", "BUONO_EMESSO", "ID_EMISSIONE_BUONO");
    schema.AddIndex("IX_TOUCH_SEZIONE_CONFIGURAZIONE", "TOUCH_SEZIONE", "ID_CONFIGURAZIONE");
    schema.AddIndex("IX_TOUCH_PULSANTE_SEZIONE", "TOUCH_PULSANTE", "ID_SEZIONE");
}

void AddViews(CSchemaDefinition& schema)
{
    schema.AddView("PROMOZIONE_COMPLETA",
                   "SELECT P.ID AS ID, P.TIPO_PROMOZIONE AS TIPO_PROMOZIONE, P.DATA_INIZIO AS DATA_INIZIO, "
                   "P.DATA_FINE AS DATA_FINE, P.DESCRIZIONE AS DESCRIZIONE, P.PREZZO_PROMOZIONE AS PREZZO_PROMOZIONE, "
                   "P.F_TIPO_PREZZO_PROMOZIONE AS F_TIPO_PREZZO_PROMOZIONE, P.SCONTO_1_PROMOZIONE AS SCONTO_1_PROMOZIONE, "
                   "P.SCONTO_2_PROMOZIONE AS SCONTO_2_PROMOZIONE, P.SCONTO_3_PROMOZIONE AS SCONTO_3_PROMOZIONE, "
                   "P.SCONTO_4_PROMOZIONE AS SCONTO_4_PROMOZIONE, P.MXN_PARTE_M AS MXN_PARTE_M, "
                   "P.MXN_PARTE_N AS MXN_PARTE_N, P.ID_SOCIETA AS ID_SOCIETA, S.NOME AS NOME_SOCIETA, "
                   "S.RAGIONE_SOCIALE AS RAGIONESOCIALE_SOCIETA, P.SCONTO_EURO AS SCONTO_EURO, "
                   "P.F_TIPO_SCONTO_EURO AS F_TIPO_SCONTO_EURO, P.F_SUBTOTALE AS F_SUBTOTALE "
                   "FROM PROMOZIONE P LEFT JOIN SOCIETA S ON S.ID = P.ID_SOCIETA");

    // An article of a promotion with what the till shows and charges: both sale prices (net and
    // VAT included), the article's VAT code and the department with its own VAT code.
    schema.AddView("ARTICOLO_PROMOZIONE_LIST",
                   "SELECT L.ID_PROMOZIONE AS ID, P.ID_SOCIETA AS ID_SOCIETA, P.DATA_INIZIO AS DATA_INIZIO, "
                   "P.DATA_FINE AS DATA_FINE, P.F_SUBTOTALE AS F_SUBTOTALE, L.ID_ARTICOLO AS ARTICOLO_ID, "
                   "A.DESCRIZIONE AS ARTICOLO_DESCRIZIONE, A.PREZZO_PZ_EURO AS ARTICOLO_PREZZO_VENDITA, "
                   "A.PREZZO_PZ_EURO_IVATO AS ARTICOLO_PREZZO_VENDITA_II, A.CODICE_EAN AS ARTICOLO_CODICE_EAN, "
                   "A.ID_IVA AS IVA_ID, I.ALIQUOTA AS IVA_ALIQUOTA, I.CODICE_CASSA AS IVA_CODICE_CASSA, "
                   "A.ID_REPARTO AS REPARTO_ID, R.DESCRIZIONE AS REPARTO_DESCRIZIONE, R.ID_IVA AS REPARTO_IVA_ID, "
                   "RI.CODICE_CASSA AS REPARTO_IVA_CODICE_CASSA "
                   "FROM ARTICOLO_PROMOZIONE L LEFT JOIN PROMOZIONE P ON P.ID = L.ID_PROMOZIONE "
                   "LEFT JOIN ARTICOLO A ON A.ID = L.ID_ARTICOLO LEFT JOIN IVA I ON I.CODICE = A.ID_IVA "
                   "LEFT JOIN REPARTO R ON R.ID = A.ID_REPARTO LEFT JOIN IVA RI ON RI.CODICE = R.ID_IVA");

    // The promotions an article takes part in, with their validity: only promotions that exist.
    schema.AddView("RICERCA_PROMOZIONE",
                   "SELECT P.ID AS ID, P.DATA_INIZIO AS DATA_INIZIO, P.DATA_FINE AS DATA_FINE, "
                   "P.ID_SOCIETA AS ID_SOCIETA, L.ID_ARTICOLO AS ID_ARTICOLO "
                   "FROM PROMOZIONE P JOIN ARTICOLO_PROMOZIONE L ON L.ID_PROMOZIONE = P.ID");

    schema.AddView("EMISSIONE_BUONO_COMPLETA",
                   "SELECT E.ID AS ID, E.DATA_INIZIO AS DATA_INIZIO, E.DATA_FINE AS DATA_FINE, E.TESTO1 AS TESTO1, "
                   "E.TESTO2 AS TESTO2, E.TESTO3 AS TESTO3, E.SCONTO AS SCONTO, E.IMPORTO AS IMPORTO, E.F_TIPO AS F_TIPO, "
                   "E.F_TIPO_ARTICOLI AS F_TIPO_ARTICOLI, E.IMPORTO_SOGLIA AS IMPORTO_SOGLIA, "
                   "E.IMPORTO_MASSIMO AS IMPORTO_MASSIMO, E.NUMERO_PUNTI AS NUMERO_PUNTI, E.ID_SOCIETA AS SOCIETA_ID, "
                   "S.NOME AS SOCIETA_NOME, S.RAGIONE_SOCIALE AS SOCIETA_RAGIONESOCIALE "
                   "FROM EMISSIONE_BUONO E LEFT JOIN SOCIETA S ON S.ID = E.ID_SOCIETA");

    schema.AddView("TOUCH_PULSANTE_COMPLETO",
                   "SELECT B.ID AS ID, B.DESCRIZIONE AS DESCRIZIONE, B.ICONA AS ICONA, B.COLOR_BACK AS COLOR_BACK, "
                   "B.NUMERO AS NUMERO, B.ID_ARTICOLO AS ARTICOLO_ID, A.DESCRIZIONE AS ARTICOLO_DESCRIZIONE, "
                   "A.DESCRIZIONE_RIDOTTA AS ARTICOLO_DESCRIZIONE_RIDOTTA, B.ID_SEZIONE AS SEZIONE_ID, "
                   "S.DESCRIZIONE AS SEZIONE_DESCRIZIONE, S.ID_CONFIGURAZIONE AS CONFIGURAZIONE_ID, "
                   "C.DESCRIZIONE AS CONFIGURAZIONE_DESCRIZIONE "
                   "FROM TOUCH_PULSANTE B LEFT JOIN ARTICOLO A ON A.ID = B.ID_ARTICOLO "
                   "LEFT JOIN TOUCH_SEZIONE S ON S.ID = B.ID_SEZIONE "
                   "LEFT JOIN TOUCH_CONFIGURAZIONE C ON C.ID = S.ID_CONFIGURAZIONE");

    schema.AddView("POSTAZIONE_COMPLETA",
                   "SELECT P.ID AS ID, P.PRODOTTO AS PRODOTTO, P.ID_STAMPANTE_FISCALE AS STAFIS_ID, "
                   "F.DESCRIZIONE AS STAFIS_DESCRIZIONE, P.PORTA AS PORTA, P.PARAMETRI AS PARAMETRI, "
                   "P.STAMPANTE_RICEVUTE AS STAMPANTE_RICEVUTE, P.STAMPANTE_RICEVUTE_PARAMETRI AS STAMPANTE_RICEVUTE_PARAMETRI, "
                   "P.CUSTOMER_DISPLAY AS CUSTOMER_DISPLAY, P.CUSTOMER_DISPLAY_PARAMETRI AS CUSTOMER_DISPLAY_PARAMETRI "
                   "FROM POSTAZIONE P LEFT JOIN STAMPANTE_FISCALE F ON F.ID = P.ID_STAMPANTE_FISCALE");

    schema.AddView("VENDITA_MISURATORE_COMPLETA",
                   "SELECT V.ID_ARTICOLO AS ID_ARTICOLO, A.DESCRIZIONE AS DESCRIZIONE_ARTICOLO, "
                   "A.CODICE_EAN AS CODICE_EAN, A.PEZZI_X_CONFEZIONE AS PEZZI_X_CONFEZIONE, A.UM AS UM, "
                   "I.ALIQUOTA AS ALIQUOTA_IVA, A.ID_IVA AS ID_IVA, A.PREZZO_ACQ_PZ_EURO AS PREZZO_ACQ_PZ_EURO, "
                   "A.ID_CATEGORIA AS ID_CATEGORIA, A.ID_FAMIGLIA AS ID_FAMIGLIA, A.ID_GRUPPO AS ID_GRUPPO, "
                   "A.ID_REPARTO AS ID_REPARTO, V.QUANTITA AS QUANTITA, V.TOTALE_IVATO AS TOTALE_IVATO "
                   "FROM VENDITA_MISURATORE V LEFT JOIN ARTICOLO A ON A.ID = V.ID_ARTICOLO "
                   "LEFT JOIN IVA I ON I.CODICE = A.ID_IVA");

    schema.AddView("VENDITA_REPARTO_MISURATORE_COMP",
                   "SELECT V.ID_REPARTO AS ID_REPARTO, R.DESCRIZIONE AS DESCRIZIONE_REPARTO, V.QUANTITA AS QUANTITA, "
                   "V.TOTALE_IVATO AS TOTALE_IVATO "
                   "FROM VENDITA_REPARTO_MISURATORE V LEFT JOIN REPARTO R ON R.ID = V.ID_REPARTO");
}

}  // namespace

void AddPromotionSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    AddTables(schema);
    AddIndexes(schema);
    AddViews(schema);
}

}  // namespace orvel_schema
