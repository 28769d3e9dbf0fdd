// The tables and views of document headers: the movement reasons, the order states, the header
// row of every document, the transport lookups (carriers, means, carriage terms, appearance of
// goods, transport reasons), the numbering counters and their reasons, the links between
// documents and the stored VAT summary of each document; and the views that join a header with
// its reason, company, site, agent and partners for loading, searching, listing and printing.
//
// Document ids come from the GET_ID_DOCUMENTO procedure, reason and lookup ids from the host.
// What a document owns (links from it, its VAT summary, its lines) goes with it: ON DELETE
// CASCADE on PostgreSQL, and the delete procedures of the line area do it explicitly on both
// databases, because SQLite enforces foreign keys only on connections that ask for it. Amounts
// are TEXT in the invariant decimal form.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

namespace {

void AddTables(CSchemaDefinition& schema)
{
    // Movement reasons: what a document does to stock, whom it names, how it is numbered and
    // printed. The linked reasons (containers, bill of materials, dispensers) are plain ids.
    schema.AddTable("CAUSALE",
                    "ID INTEGER PRIMARY KEY, "
                    "DESCRIZIONE TEXT, TIPO_DOCUMENTO TEXT, F_VALORE INTEGER, F_QUANTITA INTEGER, "
                    "F_FORNITORE INTEGER, F_CLIENTE INTEGER, F_CLIENTE_SPEDIZIONE INTEGER, F_AGENTE INTEGER, "
                    "F_ESIST_ATTUALE INTEGER, F_INVENTARIO_INIZIALE INTEGER, F_INVESTIMENTO INTEGER, "
                    "F_RICAVO INTEGER, F_RESO_QUANTITA INTEGER, F_RESO_VALORE INTEGER, F_REPORT TEXT, "
                    "F_INFO_TRASPORTO INTEGER, F_PAGAMENTO INTEGER, F_ORDINE_DA_CLIENTE INTEGER, "
                    "F_ORDINE_AL_FORNITORE INTEGER, F_SISTEMA INTEGER, F_SCADENZARIO INTEGER, "
                    "F_SCAD_ATTIVO INTEGER, F_SCAD_SOGGETTO INTEGER, F_VENDITA_BANCO INTEGER, "
                    "ID_CAUSALE_VUOTO INTEGER, F_ELIMINA INTEGER, F_MODIFICA INTEGER, F_NUOVO INTEGER, "
                    "F_VISUALIZZA INTEGER, NOTE_REPORT TEXT, F_CLIENTE_OBBLIGATORIO INTEGER, "
                    "F_FORNITORE_OBBLIGATORIO INTEGER, F_VALUTAZIONE INTEGER, F_LISTINO INTEGER, "
                    "F_ULTIMO_PREZZO INTEGER, F_MODIFICA_LISTINO INTEGER, ID_CAUSALE_DISTINTA INTEGER, "
                    "ID_CAUSALE_DISTINTA_AUTO INTEGER, ID_CAUSALE_MOV_DISTRIBUTORE INTEGER, "
                    "F_MOVIMENTA_CARBURANTE INTEGER, F_DESCRIZIONE_RIDOTTA INTEGER, "
                    "F_TIPO_STAMPA_BANCO INTEGER, F_STATO INTEGER, F_STATO_OBBLIGATORIO INTEGER, "
                    "F_CLI_SPEDIZIONE_OBBLIGATORIO INTEGER, F_MOVIMENTA_CONTABILITA INTEGER, "
                    "F_ABILITA_SPESE INTEGER");

    // States an order goes through (sent, answered, accepted, progress, open or closed), with
    // the icon the hosts show for it.
    schema.AddTable("STATO_ORDINE",
                    "ID INTEGER PRIMARY KEY, NOME TEXT, ICONA INTEGER, O_INVIO INTEGER, "
                    "O_RISPOSTA_DESTINATARIO INTEGER, O_ACCETTAZIONE_RICHIEDENTE INTEGER, "
                    "O_STATO_AVANZAMENTO INTEGER, O_APERTO_CHIUSO INTEGER");

    // Transport lookups that a header names.
    schema.AddTable("TRASPORTO", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");
    schema.AddTable("VETTORE",
                    "ID INTEGER PRIMARY KEY, RAGIONE_SOCIALE TEXT, INDIRIZZO TEXT, PARTITA_IVA TEXT, TELEFONO TEXT");
    schema.AddTable("MEZZO_TRASPORTO", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");
    schema.AddTable("PORTO", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");
    schema.AddTable("ASPETTO_BENI", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");
    schema.AddTable("CAUSALE_TRASPORTO", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");

    // The header of a document. Partner, site and lookup columns are plain ids: the header keeps
    // its own copies of the partner texts, so a partner may change or go without touching the
    // documents already made. A document without series stores SERIE as a single blank.
    schema.AddTable("DOCUMENTO",
                    "ID INTEGER PRIMARY KEY, "
                    "DATA_MOVIMENTO TIMESTAMP, DATA_DOCUMENTO TIMESTAMP, NUMERO INTEGER, ANNO INTEGER, "
                    "SERIE TEXT, ID_CAUSALE INTEGER, FORN_ID INTEGER, FORN_RAGIONE_SOCIALE TEXT, "
                    "FORN_PARTITA_IVA TEXT, FORN_CODICE_FISCALE TEXT, FORN_INDIRIZZO1 TEXT, "
                    "FORN_INDIRIZZO2 TEXT, CLI_FAT_ID INTEGER, CLI_FAT_RAGIONE_SOCIALE TEXT, "
                    "CLI_FAT_PARTITA_IVA TEXT, CLI_FAT_CODICE_FISCALE TEXT, CLI_FAT_INDIRIZZO1 TEXT, "
                    "CLI_FAT_INDIRIZZO2 TEXT, CLI_SPE_INDIRIZZO1 TEXT, CLI_SPE_INDIRIZZO2 TEXT, "
                    "ID_SOCIETA INTEGER, ID_SEDE_SOCIETA INTEGER, ID_AGENTE_SEDE_SOCIETA INTEGER, NOTA TEXT, "
                    "NOTA2 TEXT, ID_DEPOSITO INTEGER, SCONTO_EXTRA TEXT, DATA_ORA_INIZIO_TRASPORTO TIMESTAMP, "
                    "DATA_ORA_FINE_TRASPORTO TIMESTAMP, ID_CAUSALE_TRASPORTO INTEGER, ID_TRASPORTO INTEGER, "
                    "ID_PORTO INTEGER, ID_VETTORE INTEGER, ID_ASPETTO_BENI INTEGER, NUMERO_COLLI INTEGER, "
                    "IMBALLI INTEGER, ID_FORMULA_PAGAMENTO INTEGER, ID_BANCA_AGENZIA INTEGER, CIN TEXT, "
                    "CONTO_CORRENTE TEXT, IBAN TEXT, ID_STATO_ORDINE INTEGER, INFO1 TEXT, INFO2 TEXT, "
                    "INFO3 TEXT, INFO4 TEXT, INFO5 TEXT, INFO6 TEXT, F_MODIFICATO INTEGER, TOTALE TEXT, "
                    "TOTALE_IMPORTO TEXT, TOTALE_IMPORTO_NETTO TEXT, TOTALE_NETTO_DOCUMENTO TEXT, "
                    "TOTALE_IVA TEXT, TOTALE_OMAGGIO TEXT, TOTALE_IMPORTO_ACQUISTO TEXT, "
                    "TOTALE_SCONTO_EXTRA TEXT, TOTALE_SCONTO TEXT, TOTALE_IMPONIBILE TEXT, "
                    "TOTALE_PROVVIGIONE TEXT, POSTAZIONE TEXT, ID_DOCUMENTO_GENERATORE INTEGER, "
                    "ID_GIORNALE_EROGATORI INTEGER, ID_OPERATORE INTEGER, DATA_INSERIMENTO TIMESTAMP, "
                    "TARGA_AUTOMEZZO TEXT, ID_SEDE_AZIENDA_INTESTAZIONE INTEGER, "
                    "ID_SEDE_AZIENDA_SPEDIZIONE INTEGER, F_RIVALUTAZIONE INTEGER, COSTO_TRASPORTO_M3 TEXT, "
                    "PESO_KG TEXT, SPESE_TRASPORTO TEXT, SPESE_INCASSO TEXT, SPESE_VARIE TEXT, "
                    "ID_IVA_SPESE_INCASSO TEXT, ID_IVA_SPESE_TRASPORTO TEXT, ID_IVA_SPESE_VARIE TEXT, "
                    "ALIQUOTA_IVA_SPESE_INCASSO TEXT, ALIQUOTA_IVA_SPESE_TRASPORTO TEXT, "
                    "ALIQUOTA_IVA_SPESE_VARIE TEXT, CAMBIO TEXT");

    // Numbering counters: one row per counter, year and company, holding the number in use and
    // the series it prints with; PROGRESSIVO_CAUSALE says which counter numbers the documents of
    // a reason in a year. The database or the host advances them, never the library.
    schema.AddTable("PROGRESSIVO",
                    "ID TEXT NOT NULL, NUMERO INTEGER, ANNO INTEGER NOT NULL, SERIE TEXT, RESET_NEW_YEAR INTEGER, "
                    "ID_SOCIETA INTEGER NOT NULL, PRIMARY KEY (ID, ANNO, ID_SOCIETA)");
    schema.AddTable("PROGRESSIVO_CAUSALE",
                    "ID_PROGRESSIVO TEXT NOT NULL, ANNO_PROGRESSIVO INTEGER NOT NULL, "
                    "ID_CAUSALE INTEGER NOT NULL REFERENCES CAUSALE (ID) ON DELETE CASCADE, "
                    "ID_SOCIETA INTEGER NOT NULL, PRIMARY KEY (ID_CAUSALE, ID_SOCIETA, ANNO_PROGRESSIVO, ID_PROGRESSIVO)");

    // A document's links to the documents it fulfils or derives from. A link goes with either
    // of its two documents.
    schema.AddTable("DOC_REFERENZIA_DOCS",
                    "ID_DOCUMENTO INTEGER NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE, "
                    "ID_DOCUMENTO_REF INTEGER NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE, "
                    "PRIMARY KEY (ID_DOCUMENTO, ID_DOCUMENTO_REF)");

    // The stored VAT summary: one row per VAT code of a document (lines without a code are left
    // out of the summary, so the code is always there).
    schema.AddTable("IVA_DOCUMENTO",
                    "ID_DOCUMENTO INTEGER NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE, "
                    "ID_IVA TEXT NOT NULL, ALIQUOTA_IVA TEXT, NOTE_IVA TEXT, TOTALE_IMPONIBILE TEXT, "
                    "TOTALE_IVA TEXT, PRIMARY KEY (ID_DOCUMENTO, ID_IVA)");

    // Documents are found by number (series, year, reason), by reason, by partner, by date and
    // by company; links by the document they point at.
    schema.AddIndex("IX_DOCUMENTO_NUMERO", "DOCUMENTO", "ID_CAUSALE, ANNO, SERIE, NUMERO");
    schema.AddIndex("IX_DOCUMENTO_DATA", "DOCUMENTO", "DATA_DOCUMENTO");
    schema.AddIndex("IX_DOCUMENTO_SOCIETA", "DOCUMENTO", "ID_SOCIETA, ANNO");
    schema.AddIndex("IX_DOCUMENTO_FORNITORE", "DOCUMENTO", "FORN_ID");
    schema.AddIndex("IX_DOCUMENTO_CLIENTE", "DOCUMENTO", "CLI_FAT_ID");
    schema.AddIndex("IX_DOCUMENTO_GENERATORE", "DOCUMENTO", "ID_DOCUMENTO_GENERATORE");
    schema.AddIndex("IX_DOC_REFERENZIA_DOCS_REF", "DOC_REFERENZIA_DOCS", "ID_DOCUMENTO_REF");
    schema.AddIndex("IX_PROGRESSIVO_CAUSALE_PROG", "PROGRESSIVO_CAUSALE", "ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_SOCIETA");
}

}  // namespace

void AddDocumentSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    AddTables(schema);
}

}  // namespace orvel_schema
