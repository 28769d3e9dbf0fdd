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
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

namespace orvel_schema {

namespace {

// A text amount as a number for the arithmetic of a view: an empty or missing amount counts as
// 0. SQLite computes in REAL (about 15 significant digits), PostgreSQL in exact NUMERIC.
CString Number(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "COALESCE(CAST(NULLIF(%s, '') AS NUMERIC), 0)"
                                            : "COALESCE(CAST(NULLIF(%s, '') AS REAL), 0)",
               column);
    return sql;
}

// The whole part of a text amount as an integer column, for the two footers that bind the extra
// discount as an int (a discount of "12.5" shows as 12).
CString WholePart(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(TRUNC(%s) AS INTEGER)" : "CAST(%s AS INTEGER)",
               Number(kind, column).GetString());
    return sql;
}

// A header with everything it names. Every join is a LEFT JOIN on a key, so a header whose
// reason, company, site, agent, depot, payment formula, bank or transport entry is missing still
// shows, with NULL in the columns of what is missing. The ids of what the header names are taken
// from the header itself, so that a load writes back exactly what it read.
const char* const kDocumentJoins =
    "FROM DOCUMENTO D "
    "LEFT JOIN CAUSALE C ON C.ID = D.ID_CAUSALE "
    "LEFT JOIN SOCIETA S ON S.ID = D.ID_SOCIETA "
    "LEFT JOIN SEDE_SOCIETA SS ON SS.ID = D.ID_SEDE_SOCIETA "
    "LEFT JOIN TIPO_SEDE TSS ON TSS.ID = SS.IDTIPOSEDE "
    "LEFT JOIN COLLABORATORE AG ON AG.ID = D.ID_AGENTE_SEDE_SOCIETA "
    "LEFT JOIN SEDE_SOCIETA DEP ON DEP.ID = D.ID_DEPOSITO "
    "LEFT JOIN TIPO_SEDE TDEP ON TDEP.ID = DEP.IDTIPOSEDE "
    "LEFT JOIN FORMULA_PAGAMENTO FP ON FP.ID = D.ID_FORMULA_PAGAMENTO "
    "LEFT JOIN BANCA_AGENZIA BA ON BA.ID = D.ID_BANCA_AGENZIA "
    "LEFT JOIN BANCA B ON B.ID = BA.ID_BANCA "
    "LEFT JOIN STATO_ORDINE SO ON SO.ID = D.ID_STATO_ORDINE "
    "LEFT JOIN TRASPORTO T ON T.ID = D.ID_TRASPORTO "
    "LEFT JOIN PORTO PO ON PO.ID = D.ID_PORTO "
    "LEFT JOIN VETTORE V ON V.ID = D.ID_VETTORE "
    "LEFT JOIN CAUSALE_TRASPORTO CT ON CT.ID = D.ID_CAUSALE_TRASPORTO "
    "LEFT JOIN ASPETTO_BENI AB ON AB.ID = D.ID_ASPETTO_BENI ";

// Orders are the documents whose reason is an order from a customer or to a supplier.
const char* const kCustomerOrder = "WHERE C.F_ORDINE_DA_CLIENTE = 1";
const char* const kAnyOrder = "WHERE (C.F_ORDINE_DA_CLIENTE = 1 OR C.F_ORDINE_AL_FORNITORE = 1)";

void AddViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    // What a document loads: the header with its reason's flags, the company with what its
    // printed documents carry, the company site and the depot with their kind of site, the agent
    // and the payment formula's description. D_ID_BANCA is the bank of the header's branch.
    schema.AddView("TESTATA_DOCUMENTO",
                   "SELECT D.ID_CAUSALE AS C_ID, C.DESCRIZIONE AS C_DESCRIZIONE, "
                   "C.TIPO_DOCUMENTO AS C_TIPO_DOCUMENTO, C.F_VALORE AS C_F_VALORE, "
                   "C.F_QUANTITA AS C_F_QUANTITA, C.F_FORNITORE AS C_F_FORNITORE, C.F_CLIENTE AS C_F_CLIENTE, "
                   "C.F_CLIENTE_SPEDIZIONE AS C_F_CLIENTE_SPEDIZIONE, C.F_AGENTE AS C_F_AGENTE, "
                   "C.F_ESIST_ATTUALE AS C_F_ESIST_ATTUALE, "
                   "C.F_INVENTARIO_INIZIALE AS C_F_INVENTARIO_INIZIALE, C.F_INVESTIMENTO AS C_F_INVESTIMENTO, "
                   "C.F_RICAVO AS C_F_RICAVO, C.F_REPORT AS C_F_REPORT, "
                   "C.F_INFO_TRASPORTO AS C_F_INFO_TRASPORTO, C.F_PAGAMENTO AS C_F_PAGAMENTO, "
                   "C.F_ORDINE_DA_CLIENTE AS C_F_ORDINE_DA_CLIENTE, "
                   "C.F_ORDINE_AL_FORNITORE AS C_F_ORDINE_AL_FORNITORE, "
                   "C.F_VENDITA_BANCO AS C_F_VENDITA_BANCO, D.ID AS D_ID, D.SERIE AS D_SERIE, "
                   "D.NUMERO AS D_NUMERO, D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, "
                   "D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, D.NOTA AS D_NOTA, D.NOTA2 AS D_NOTA2, "
                   "D.SCONTO_EXTRA AS D_SCONTO_EXTRA, D.ID_PORTO AS D_ID_PORTO, D.ID_VETTORE AS D_ID_VETTORE, "
                   "D.TARGA_AUTOMEZZO AS TARGA_AUTOMEZZO, D.ID_TRASPORTO AS D_ID_TRASPORTO, "
                   "D.ID_CAUSALE_TRASPORTO AS D_ID_CAUSALE_TRASPORTO, D.ID_ASPETTO_BENI AS D_ID_ASPETTO_BENI, "
                   "D.IMBALLI AS D_IMBALLI, D.NUMERO_COLLI AS D_NUMERO_COLLI, "
                   "D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_ORA_INIZIO_TRASPORTO, "
                   "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_ORA_FINE_TRASPORTO, BA.ID_BANCA AS D_ID_BANCA, "
                   "D.ID_BANCA_AGENZIA AS D_ID_BANCA_AGENZIA, D.CIN AS D_CIN, "
                   "D.CONTO_CORRENTE AS D_CONTO_CORRENTE, D.IBAN AS D_IBAN, "
                   "D.ID_FORMULA_PAGAMENTO AS D_ID_FORMULA_PAGAMENTO, D.ID_SOCIETA AS S_ID, S.NOME AS S_NOME, "
                   "S.RAGIONE_SOCIALE AS S_RAGIONESOCIALE, S.PARTITA_IVA AS S_PARTITAIVA, "
                   "D.ID_SEDE_SOCIETA AS SEDE_SOC_ID, SS.NOMEZONAPOSTALE AS SEDE_SOC_NOMEZONAPOSTALE, "
                   "SS.SIGLAPROVINCIA AS SEDE_SOC_SIGLAPROVINCIA, SS.VIA AS SEDE_SOC_VIA, "
                   "TSS.NOME AS SEDE_SOC_NOMETIPOSEDE, D.ID_AGENTE_SEDE_SOCIETA AS AG_ID, "
                   "AG.COGNOME AS AG_COGNOME, AG.NOME AS AG_NOME, D.ID_DEPOSITO AS DEP_ID, "
                   "DEP.NOMEZONAPOSTALE AS DEP_NOMEZONAPOSTALE, DEP.SIGLAPROVINCIA AS DEP_SIGLAPROVINCIA, "
                   "DEP.VIA AS DEP_VIA, TDEP.NOME AS DEP_NOMETIPOSEDE, D.FORN_ID AS FORN_ID, "
                   "D.FORN_RAGIONE_SOCIALE AS FORN_RAGIONE_SOCIALE, D.FORN_INDIRIZZO1 AS FORN_INDIRIZZO1, "
                   "D.FORN_INDIRIZZO2 AS FORN_INDIRIZZO2, D.FORN_PARTITA_IVA AS FORN_PARTITA_IVA, "
                   "D.FORN_CODICE_FISCALE AS FORN_CODICE_FISCALE, D.CLI_FAT_ID AS CLI_FAT_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_FAT_RAGIONE_SOCIALE, "
                   "D.CLI_FAT_INDIRIZZO1 AS CLI_FAT_INDIRIZZO1, D.CLI_FAT_INDIRIZZO2 AS CLI_FAT_INDIRIZZO2, "
                   "D.CLI_FAT_PARTITA_IVA AS CLI_FAT_PARTITA_IVA, "
                   "D.CLI_FAT_CODICE_FISCALE AS CLI_FAT_CODICE_FISCALE, "
                   "D.CLI_SPE_INDIRIZZO1 AS CLI_SPE_INDIRIZZO1, D.CLI_SPE_INDIRIZZO2 AS CLI_SPE_INDIRIZZO2, "
                   "D.ID_STATO_ORDINE AS ID_STATO_ORDINE, C.F_RESO_QUANTITA AS C_F_RESO_QUANTITA, "
                   "C.F_RESO_VALORE AS C_F_RESO_VALORE, D.ANNO AS D_ANNO, D.POSTAZIONE AS D_POSTAZIONE, "
                   "D.INFO1 AS D_INFO1, D.INFO2 AS D_INFO2, D.INFO3 AS D_INFO3, D.INFO4 AS D_INFO4, "
                   "D.INFO5 AS D_INFO5, D.INFO6 AS D_INFO6, C.NOTE_REPORT AS C_NOTE_REPORT, "
                   "FP.DESCRIZIONE AS D_FORMULA_PAGAMENTO_DESCRIZIONE, DEP.CAP AS DEP_CAP, "
                   "S.INFO1 AS S_INFO1, S.INFO2 AS S_INFO2, SS.CAP AS SEDE_SOC_CAP, D.TOTALE AS TOTALE, "
                   "D.TOTALE_IMPORTO AS TOTALE_IMPORTO, D.TOTALE_IMPORTO_ACQUISTO AS TOTALE_IMPORTO_ACQUISTO, "
                   "D.TOTALE_IMPORTO_NETTO AS TOTALE_IMPORTO_NETTO, "
                   "D.TOTALE_NETTO_DOCUMENTO AS TOTALE_NETTO_DOCUMENTO, D.TOTALE_IVA AS TOTALE_IVA, "
                   "D.TOTALE_OMAGGIO AS TOTALE_OMAGGIO, D.TOTALE_SCONTO_EXTRA AS TOTALE_SCONTO_EXTRA, "
                   "D.TOTALE_SCONTO AS TOTALE_SCONTO, D.TOTALE_PROVVIGIONE AS TOTALE_PROVVIGIONE, "
                   "D.ID_OPERATORE AS D_ID_OPERATORE, D.TOTALE_IMPONIBILE AS TOTALE_IMPONIBILE, "
                   "S.FILE_LOGO AS S_FILE_LOGO, S.FILE_TESTATA AS S_FILE_TESTATA, "
                   "S.FILE_PIEPAGINA AS S_FILE_PIEPAGINA, "
                   "D.ID_SEDE_AZIENDA_INTESTAZIONE AS D_ID_SEDE_AZIENDA_INTESTAZIONE, "
                   "D.ID_SEDE_AZIENDA_SPEDIZIONE AS D_ID_SEDE_AZIENDA_SPEDIZIONE, "
                   "D.F_RIVALUTAZIONE AS D_F_RIVALUTAZIONE, D.COSTO_TRASPORTO_M3 AS D_COSTO_TRASPORTO_M3, "
                   "D.PESO_KG AS D_PESO_KG, D.SPESE_INCASSO AS D_SPESE_INCASSO, "
                   "D.SPESE_TRASPORTO AS D_SPESE_TRASPORTO, D.SPESE_VARIE AS D_SPESE_VARIE, "
                   "D.ID_IVA_SPESE_INCASSO AS D_ID_IVA_SPESE_INCASSO, "
                   "D.ID_IVA_SPESE_TRASPORTO AS D_ID_IVA_SPESE_TRASPORTO, "
                   "D.ID_IVA_SPESE_VARIE AS D_ID_IVA_SPESE_VARIE, "
                   "D.ALIQUOTA_IVA_SPESE_INCASSO AS D_ALIQUOTA_IVA_SPESE_INCASSO, "
                   "D.ALIQUOTA_IVA_SPESE_TRASPORTO AS D_ALIQUOTA_IVA_SPESE_TRASPORTO, "
                   "D.ALIQUOTA_IVA_SPESE_VARIE AS D_ALIQUOTA_IVA_SPESE_VARIE, D.CAMBIO AS D_CAMBIO "
                   + CString(kDocumentJoins));

    // The header with the flags of its reason.
    schema.AddView("DOCUMENTO_CAUSALE",
                   "SELECT D.ID_CAUSALE AS C_ID, C.DESCRIZIONE AS C_DESCRIZIONE, "
                   "C.TIPO_DOCUMENTO AS C_TIPO_DOCUMENTO, C.F_VALORE AS C_F_VALORE, "
                   "C.F_QUANTITA AS C_F_QUANTITA, C.F_FORNITORE AS C_F_FORNITORE, C.F_CLIENTE AS C_F_CLIENTE, "
                   "C.F_CLIENTE_SPEDIZIONE AS C_F_CLIENTE_SPEDIZIONE, C.F_AGENTE AS C_F_AGENTE, "
                   "C.F_ESIST_ATTUALE AS C_F_ESIST_ATTUALE, "
                   "C.F_INVENTARIO_INIZIALE AS C_F_INVENTARIO_INIZIALE, C.F_INVESTIMENTO AS C_F_INVESTIMENTO, "
                   "C.F_RICAVO AS C_F_RICAVO, C.F_RESO_QUANTITA AS C_F_RESO_QUANTITA, "
                   "C.F_RESO_VALORE AS C_F_RESO_VALORE, C.F_REPORT AS C_F_REPORT, "
                   "C.F_INFO_TRASPORTO AS C_F_INFO_TRASPORTO, C.F_PAGAMENTO AS C_F_PAGAMENTO, "
                   "C.F_ORDINE_DA_CLIENTE AS C_F_ORDINE_DA_CLIENTE, "
                   "C.F_ORDINE_AL_FORNITORE AS C_F_ORDINE_AL_FORNITORE, "
                   "C.F_VENDITA_BANCO AS C_F_VENDITA_BANCO, "
                   "C.F_CLIENTE_OBBLIGATORIO AS C_F_CLIENTE_OBBLIGATORIO, "
                   "C.F_FORNITORE_OBBLIGATORIO AS C_F_FORNITORE_OBBLIGATORIO, "
                   "C.F_VALUTAZIONE AS C_F_VALUTAZIONE, C.F_LISTINO AS C_F_LISTINO, "
                   "C.F_ULTIMO_PREZZO AS C_F_ULTIMO_PREZZO, C.F_MODIFICA_LISTINO AS C_F_MODIFICA_LISTINO, "
                   "D.ID AS D_ID, D.SERIE AS D_SERIE, D.NUMERO AS D_NUMERO, "
                   "D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, "
                   "D.NOTA AS D_NOTA, D.SCONTO_EXTRA AS D_SCONTO_EXTRA, D.ID_PORTO AS D_ID_PORTO, "
                   "D.ID_VETTORE AS D_ID_VETTORE, D.ID_CAUSALE_TRASPORTO AS D_ID_CAUSALE_TRASPORTO, "
                   "D.ID_TRASPORTO AS D_ID_TRASPORTO, D.ID_ASPETTO_BENI AS D_ID_ASPETTO_BENI, "
                   "D.IMBALLI AS D_IMBALLI, D.NUMERO_COLLI AS D_NUMERO_COLLI, "
                   "D.SPESE_TRASPORTO AS D_SPESE_TRASPORTO, "
                   "D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_ORA_INIZIO_TRASPORTO, "
                   "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_ORA_FINE_TRASPORTO, "
                   "D.ID_BANCA_AGENZIA AS D_ID_BANCA_AGENZIA, "
                   "D.ID_FORMULA_PAGAMENTO AS D_ID_FORMULA_PAGAMENTO, D.ANNO AS D_ANNO, "
                   "D.FORN_ID AS D_FORN_ID, D.FORN_RAGIONE_SOCIALE AS D_FORN_RAGIONE_SOCIALE, "
                   "D.FORN_PARTITA_IVA AS D_FORN_PARTITA_IVA, D.FORN_INDIRIZZO1 AS D_FORN_INDIRIZZO1, "
                   "D.FORN_INDIRIZZO2 AS D_FORN_INDIRIZZO2, D.CLI_FAT_ID AS D_CLI_FAT_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS D_CLI_FAT_RAGIONE_SOCIALE, "
                   "D.CLI_FAT_PARTITA_IVA AS D_CLI_FAT_PARTITA_IVA, "
                   "D.CLI_FAT_INDIRIZZO1 AS D_CLI_FAT_INDIRIZZO1, "
                   "D.CLI_FAT_INDIRIZZO2 AS D_CLI_FAT_INDIRIZZO2, "
                   "D.CLI_SPE_INDIRIZZO1 AS D_CLI_SPE_INDIRIZZO1, "
                   "D.CLI_SPE_INDIRIZZO2 AS D_CLI_SPE_INDIRIZZO2, D.ID_SOCIETA AS D_ID_SOCIETA, "
                   "D.ID_SEDE_SOCIETA AS D_ID_SEDE_SOCIETA, "
                   "D.ID_AGENTE_SEDE_SOCIETA AS D_ID_AGENTE_SEDE_SOCIETA, D.ID_DEPOSITO AS D_ID_DEPOSITO, "
                   "D.ID_STATO_ORDINE AS D_ID_STATO_ORDINE "
                   + CString(kDocumentJoins));

    // The header with the steps of its order state. D_SPESE is the transport expense; headers
    // keep no internal code, so D_CODICE_INTERNO is always NULL.
    schema.AddView("DOCUMENTO_STATO_ORDINE",
                   "SELECT D.ID AS D_ID, D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, "
                   "D.NUMERO AS D_NUMERO, D.ANNO AS D_ANNO, D.SERIE AS D_SERIE, D.ID_CAUSALE AS D_ID_CAUSALE, "
                   "D.FORN_ID AS D_FORN_ID, D.FORN_RAGIONE_SOCIALE AS D_FORN_RAGIONE_SOCIALE, "
                   "D.FORN_PARTITA_IVA AS D_FORN_PARTITA_IVA, D.FORN_INDIRIZZO1 AS D_FORN_INDIRIZZO1, "
                   "D.FORN_INDIRIZZO2 AS D_FORN_INDIRIZZO2, D.CLI_FAT_ID AS D_CLI_FAT_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS D_CLI_FAT_RAGIONE_SOCIALE, "
                   "D.CLI_FAT_PARTITA_IVA AS D_CLI_FAT_PARTITA_IVA, "
                   "D.CLI_FAT_INDIRIZZO1 AS D_CLI_FAT_INDIRIZZO1, "
                   "D.CLI_FAT_INDIRIZZO2 AS D_CLI_FAT_INDIRIZZO2, "
                   "D.CLI_SPE_INDIRIZZO1 AS D_CLI_SPE_INDIRIZZO1, "
                   "D.CLI_SPE_INDIRIZZO2 AS D_CLI_SPE_INDIRIZZO2, D.ID_SOCIETA AS D_ID_SOCIETA, "
                   "D.ID_SEDE_SOCIETA AS D_ID_SEDE_SOCIETA, "
                   "D.ID_AGENTE_SEDE_SOCIETA AS D_ID_AGENTE_SEDE_SOCIETA, D.NOTA AS D_NOTA, "
                   "D.ID_DEPOSITO AS D_ID_DEPOSITO, D.SCONTO_EXTRA AS D_SCONTO_EXTRA, "
                   "D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_ORA_INIZIO_TRASPORTO, "
                   "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_ORA_FINE_TRASPORTO, "
                   "D.ID_CAUSALE_TRASPORTO AS D_ID_CAUSALE_TRASPORTO, D.ID_TRASPORTO AS D_ID_TRASPORTO, "
                   "D.ID_PORTO AS D_ID_PORTO, D.ID_VETTORE AS D_ID_VETTORE, "
                   "D.ID_ASPETTO_BENI AS D_ID_ASPETTO_BENI, D.NUMERO_COLLI AS D_NUMERO_COLLI, "
                   "D.IMBALLI AS D_IMBALLI, D.SPESE_TRASPORTO AS D_SPESE, "
                   "D.ID_FORMULA_PAGAMENTO AS D_ID_FORMULA_PAGAMENTO, "
                   "D.ID_BANCA_AGENZIA AS D_ID_BANCA_AGENZIA, CAST(NULL AS TEXT) AS D_CODICE_INTERNO, "
                   "D.ID_STATO_ORDINE AS SO_ID, SO.O_INVIO AS SO_O_INVIO, "
                   "SO.O_RISPOSTA_DESTINATARIO AS SO_O_RISPOSTA_DESTINATARIO, "
                   "SO.O_ACCETTAZIONE_RICHIEDENTE AS SO_O_ACCETTAZIONE_RICHIEDENTE, "
                   "SO.O_STATO_AVANZAMENTO AS SO_O_STATO_AVANZAMENTO, "
                   "SO.O_APERTO_CHIUSO AS SO_O_APERTO_CHIUSO "
                   + CString(kDocumentJoins));

    // Lists and searches. SEDE_SOCIETA and VIA_DEPOSITO are the street of the company site and of
    // the depot; the F_ permissions are those of the reason. CLI_SPEDIZIONE is the shipping
    // address on one line.
    schema.AddView("LISTA_DOCUMENTO",
                   "SELECT D.ID AS ID_DOCUMENTO, D.DATA_MOVIMENTO AS DATA_MOVIMENTO, "
                   "D.DATA_DOCUMENTO AS DATA_DOCUMENTO, D.NUMERO AS NUMERO, D.SERIE AS SERIE, D.ANNO AS ANNO, "
                   "D.ID_CAUSALE AS ID_CAUSALE, C.DESCRIZIONE AS DESC_CAUSALE, "
                   "C.F_VALUTAZIONE AS F_VALUTAZIONE, D.ID_SOCIETA AS SOC_ID, "
                   "S.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, SS.VIA AS SEDE_SOCIETA, D.FORN_ID AS FORN_ID, "
                   "D.FORN_RAGIONE_SOCIALE AS FORN_RAGIONE_SOCIALE, D.FORN_PARTITA_IVA AS FORN_PARTITA_IVA, "
                   "D.FORN_INDIRIZZO1 AS FORN_INDIRIZZO1, D.FORN_INDIRIZZO2 AS FORN_INDIRIZZO2, "
                   "D.CLI_FAT_ID AS CLI_FAT_ID, D.CLI_FAT_RAGIONE_SOCIALE AS CLI_FAT_RAGIONE_SOCIALE, "
                   "D.CLI_FAT_PARTITA_IVA AS CLI_FAT_PARTITA_IVA, D.CLI_FAT_INDIRIZZO1 AS CLI_FAT_INDIRIZZO1, "
                   "D.CLI_FAT_INDIRIZZO2 AS CLI_FAT_INDIRIZZO2, D.CLI_SPE_INDIRIZZO1 AS CLI_SPE_INDIRIZZO1, "
                   "D.CLI_SPE_INDIRIZZO2 AS CLI_SPE_INDIRIZZO2, D.ID_AGENTE_SEDE_SOCIETA AS AG_ID, "
                   "AG.COGNOME AS AG_COGNOME, AG.NOME AS AG_NOME, D.NOTA AS NOTA, DEP.VIA AS VIA_DEPOSITO, "
                   "S.NOME AS SOC_NOME, D.TOTALE AS TOTALE, D.TOTALE_IVA AS TOTALE_IVA, "
                   "C.TIPO_DOCUMENTO AS TIPO_DOCUMENTO, D.POSTAZIONE AS POSTAZIONE, "
                   "D.NUMERO_COLLI AS NUMERO_COLLI, C.F_ELIMINA AS F_ELIMINA, C.F_MODIFICA AS F_MODIFICA, "
                   "C.F_NUOVO AS F_NUOVO, C.F_VISUALIZZA AS F_VISUALIZZA "
                   + CString(kDocumentJoins));
    schema.AddView("RICERCA_DOCUMENTO",
                   "SELECT D.ID AS ID_DOCUMENTO, D.DATA_MOVIMENTO AS DATA_MOVIMENTO, "
                   "D.DATA_DOCUMENTO AS DATA_DOCUMENTO, D.NUMERO AS NUMERO, D.SERIE AS SERIE, D.ANNO AS ANNO, "
                   "D.ID_CAUSALE AS ID_CAUSALE, C.DESCRIZIONE AS DESC_CAUSALE, D.ID_SOCIETA AS ID_SOCIETA, "
                   "S.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, SS.VIA AS SEDE_SOCIETA, D.FORN_ID AS FORN_ID, "
                   "D.FORN_RAGIONE_SOCIALE AS FOR_RAGIONESOCIALE, D.CLI_FAT_ID AS CLI_FAT_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_FAT_RAGIONESOCIALE, DEP.VIA AS VIA_DEPOSITO, "
                   "D.ID_DEPOSITO AS ID_DEPOSITO, C.F_ELIMINA AS F_ELIMINA, C.F_MODIFICA AS F_MODIFICA, "
                   "C.F_NUOVO AS F_NUOVO, C.F_VISUALIZZA AS F_VISUALIZZA, C.F_VALUTAZIONE AS F_VALUTAZIONE, "
                   "S.NOME AS SOC_NOME, D.SCONTO_EXTRA AS SCONTO_EXTRA, "
                   "D.TOTALE_PROVVIGIONE AS TOTALE_PROVVIGIONE, D.TOTALE_IVA AS TOTALE_IVA, "
                   "D.TOTALE_IMPONIBILE AS TOTALE_IMPONIBILE, "
                   "D.TOTALE_NETTO_DOCUMENTO AS TOTALE_NETTO_DOCUMENTO, D.TOTALE AS TOTALE, "
                   "NULLIF(TRIM(COALESCE(D.CLI_SPE_INDIRIZZO1, '') || ' ' || COALESCE(D.CLI_SPE_INDIRIZZO2, '')), '') "
                   "AS CLI_SPEDIZIONE, "
                   "C.TIPO_DOCUMENTO AS TIPO_DOCUMENTO, D.NUMERO_COLLI AS NUMERO_COLLI, "
                   "D.ID_STATO_ORDINE AS STATO_ORDINE_ID, SO.NOME AS STATO_ORDINE_NOME, "
                   "SO.ICONA AS STATO_ORDINE_ICONA, D.ID_AGENTE_SEDE_SOCIETA AS ID_AGENTE_SEDE_SOCIETA, "
                   "D.ID_FORMULA_PAGAMENTO AS FORMULA_PAGAMENTO_ID, "
                   "FP.DESCRIZIONE AS FORMULA_PAGAMENTO_DESCRIZIONE "
                   + CString(kDocumentJoins));
    schema.AddView("RICERCA_ORDINE",
                   "SELECT D.ID AS ID_DOCUMENTO, D.DATA_MOVIMENTO AS DATA_MOVIMENTO, "
                   "D.DATA_DOCUMENTO AS DATA_DOCUMENTO, D.NUMERO AS NUMERO, D.SERIE AS SERIE, D.ANNO AS ANNO, "
                   "D.ID_CAUSALE AS ID_CAUSALE, C.DESCRIZIONE AS DESC_CAUSALE, D.ID_SOCIETA AS ID_SOCIETA, "
                   "S.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, SS.VIA AS SEDE_SOCIETA, D.FORN_ID AS FORN_ID, "
                   "D.FORN_RAGIONE_SOCIALE AS FOR_RAGIONESOCIALE, D.CLI_FAT_ID AS CLI_FAT_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_FAT_RAGIONESOCIALE, D.ID_DEPOSITO AS ID_DEPOSITO, "
                   "DEP.VIA AS VIA_DEPOSITO, C.F_NUOVO AS F_NUOVO, C.F_MODIFICA AS F_MODIFICA, "
                   "C.F_VISUALIZZA AS F_VISUALIZZA, C.F_ELIMINA AS F_ELIMINA, "
                   "C.F_VALUTAZIONE AS F_VALUTAZIONE, D.ID_STATO_ORDINE AS STATO_ORDINE_ID, "
                   "SO.NOME AS STATO_ORDINE_DESCRIZIONE, SO.ICONA AS STATO_ORDINE_ICONA, S.NOME AS SOC_NOME, "
                   "D.TOTALE AS TOTALE, D.TOTALE_IVA AS TOTALE_IVA "
                   + CString(kDocumentJoins) + kAnyOrder);

    // Customer orders with their state, payment formula, bank (of the header's branch, whose CAB
    // it shows) and who transports.
    schema.AddView("ORDINE_CLIENTE_COMPLETO",
                   "SELECT D.ID AS ID, D.SERIE AS SERIE, D.NUMERO AS NUMERO, D.ANNO AS ANNO, "
                   "D.DATA_DOCUMENTO AS DATA, D.ID_SOCIETA AS ID_SOCIETA, "
                   "D.ID_AGENTE_SEDE_SOCIETA AS ID_AGENTE, D.CLI_FAT_ID AS CLI_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_RAGIONE_SOCIALE, D.CLI_FAT_INDIRIZZO1 AS CLI_INDIRIZZO1, "
                   "D.CLI_FAT_INDIRIZZO2 AS CLI_INDIRIZZO2, D.CLI_FAT_PARTITA_IVA AS CLI_PARTITA_IVA, "
                   "D.CLI_SPE_INDIRIZZO1 AS SPE_INDIRIZZO1, D.CLI_SPE_INDIRIZZO2 AS SPE_INDIRIZZO2, "
                   "D.ID_STATO_ORDINE AS STATO_ORDINE_ID, SO.NOME AS STATO_ORDINE_DESCRIZIONE, "
                   "SO.ICONA AS STATO_ORDINE_ICONA, D.SCONTO_EXTRA AS SCONTO_EXTRA, D.NOTA AS NOTE, "
                   "D.ID_FORMULA_PAGAMENTO AS FORMULA_PAGAMENTO_ID, "
                   "FP.DESCRIZIONE AS FORMULA_PAGAMENTO_DESCRIZIONE, BA.ID_BANCA AS BANCA_ID, "
                   "B.DESCRIZIONE AS BANCA_DESCRIZIONE, B.ABI AS BANCA_ABI, BA.CAB AS BANCA_CAB, "
                   "D.ID_TRASPORTO AS TRASPORTO_ID, T.DESCRIZIONE AS TRASPORTO_DESCRIZIONE "
                   + CString(kDocumentJoins) + kCustomerOrder);
    schema.AddView("ORDINE_CLIENTE_LISTA",
                   "SELECT D.ID AS ID, D.SERIE AS SERIE, D.NUMERO AS NUMERO, D.ANNO AS ANNO, "
                   "D.DATA_DOCUMENTO AS DATA, D.ID_SOCIETA AS ID_SOCIETA, "
                   "D.ID_AGENTE_SEDE_SOCIETA AS ID_AGENTE, D.CLI_FAT_ID AS CLI_ID, "
                   "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_RAGIONE_SOCIALE, D.CLI_FAT_INDIRIZZO1 AS CLI_INDIRIZZO1, "
                   "D.CLI_FAT_INDIRIZZO2 AS CLI_INDIRIZZO2, D.CLI_FAT_PARTITA_IVA AS CLI_PARTITA_IVA, "
                   "D.CLI_SPE_INDIRIZZO1 AS SPE_INDIRIZZO1, D.CLI_SPE_INDIRIZZO2 AS SPE_INDIRIZZO2, "
                   "D.ID_STATO_ORDINE AS ID_STATO_ORDINE, SO.NOME AS STATO_ORDINE_DESCRIZIONE, "
                   "SO.ICONA AS STATO_ORDINE_ICONA, D.SCONTO_EXTRA AS SCONTO_EXTRA, D.NOTA AS NOTE, "
                   "D.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO, BA.ID_BANCA AS ID_BANCA, "
                   "D.ID_TRASPORTO AS ID_TRASPORTO "
                   + CString(kDocumentJoins) + kCustomerOrder);

    // The footers printed under a document. The payment footer names the bank of the header's
    // branch (BAN_ID is the branch, BAN_DESCRIZIONE the bank's name, then ABI and CAB) and the
    // payment formula (TD_). A carrier has one name, shown as VETTORE_COGNOME; VETTORE_NOME is
    // always NULL.
    CString sql(
        "SELECT D.ID AS D_ID, D.SERIE AS D_SERIE, D.NUMERO AS D_NUMERO, "
        "D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, "
        "D.NOTA AS D_NOTA, @WHOLE AS D_SCONTO_EXTRA, D.IMBALLI AS D_IMBALLI, "
        "D.NUMERO_COLLI AS D_NUMERO_COLLI, D.SPESE_TRASPORTO AS D_SPESE_TRASPORTO, "
        "D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_INIZIO_TRASPORTO, "
        "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_FINE_TRASPORTO, D.ID_BANCA_AGENZIA AS BAN_ID, "
        "B.DESCRIZIONE AS BAN_DESCRIZIONE, B.ABI AS BAN_ABI, BA.CAB AS BAN_CAB, "
        "D.ID_FORMULA_PAGAMENTO AS TD_ID, FP.DESCRIZIONE AS TD_DESCRIZIONE ");
    sql += kDocumentJoins;
    sql.Replace("@WHOLE", WholePart(kind, "D.SCONTO_EXTRA").GetString());
    schema.AddView("PAGAMENTO_DOCUMENTO", sql);
    sql = CString(
        "SELECT D.ID AS D_ID, D.SERIE AS D_SERIE, D.NUMERO AS D_NUMERO, "
        "D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, "
        "D.NOTA AS D_NOTA, @WHOLE AS D_SCONTO_EXTRA, D.IMBALLI AS D_IMBALLI, "
        "D.NUMERO_COLLI AS D_NUMERO_COLLI, D.SPESE_TRASPORTO AS D_SPESE_TRASPORTO, "
        "D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_INIZIO_TRASPORTO, "
        "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_FINE_TRASPORTO, D.ID_PORTO AS PORTO_ID, "
        "PO.DESCRIZIONE AS PORTO_DESCRIZIONE, D.ID_VETTORE AS VETTORE_ID, "
        "V.RAGIONE_SOCIALE AS VETTORE_COGNOME, CAST(NULL AS TEXT) AS VETTORE_NOME, "
        "D.ID_CAUSALE_TRASPORTO AS TRASPORTO_CAUSALE_ID, "
        "CT.DESCRIZIONE AS TRASPORTO_CAUSALE_DESCRIZIONE, D.ID_TRASPORTO AS TRASPORTO_ID, "
        "T.DESCRIZIONE AS TRASPORTO_DESCRIZIONE, D.ID_ASPETTO_BENI AS ASPETTOBENI_ID, "
        "AB.DESCRIZIONE AS ASPETTOBENI_DESCRIZIONE ");
    sql += kDocumentJoins;
    sql.Replace("@WHOLE", WholePart(kind, "D.SCONTO_EXTRA").GetString());
    schema.AddView("TRASPORTO_DOCUMENTO", sql);

    // Numbering: the highest number in use per reason, series and year, and per reason and year
    // whatever the series (ANNO as text, as the numbering reads it); the highest customer order
    // number per year and company.
    schema.AddView("NUMERO_DOCUMENTO",
                   "SELECT CAST(MAX(NUMERO) AS INTEGER) AS NUMERO, SERIE AS SERIE, ID_CAUSALE AS ID_CAUSALE, "
                   "CAST(ANNO AS TEXT) AS ANNO FROM DOCUMENTO GROUP BY ID_CAUSALE, SERIE, ANNO");
    schema.AddView("NUMERO_SENZASERIE_DOCUMENTO",
                   "SELECT CAST(MAX(NUMERO) AS INTEGER) AS NUMERO, ID_CAUSALE AS ID_CAUSALE, "
                   "CAST(ANNO AS TEXT) AS ANNO FROM DOCUMENTO GROUP BY ID_CAUSALE, ANNO");
    schema.AddView("ORDINE_ULTIMO_CODICE",
                   "SELECT CAST(MAX(D.NUMERO) AS INTEGER) AS ULTIMO_CODICE_ORDINE, D.ANNO AS ANNO, "
                   "D.ID_SOCIETA AS CODICE_SOCIETA FROM DOCUMENTO D JOIN CAUSALE C ON C.ID = D.ID_CAUSALE "
                   "WHERE C.F_ORDINE_DA_CLIENTE = 1 GROUP BY D.ANNO, D.ID_SOCIETA");

    // The counter of a reason, year and company, with its series and number in use; a reason
    // tied to a counter that has no row for that year gives no row.
    schema.AddView("PROGRESSIVO_CAUSALE_COMPLETO",
                   "SELECT PC.ID_PROGRESSIVO AS ID_PROGRESSIVO, P.SERIE AS SERIE_PROG, P.NUMERO AS NUMERO_PROG, "
                   "P.ANNO AS ANNO_PROG, PC.ID_CAUSALE AS ID_CAUSALE, C.DESCRIZIONE AS DESC_CAUSALE, "
                   "C.TIPO_DOCUMENTO AS TIPO_DOC_CAUSALE, P.RESET_NEW_YEAR AS RESET_NEW_YEAR, "
                   "PC.ID_SOCIETA AS ID_SOCIETA "
                   "FROM PROGRESSIVO_CAUSALE PC "
                   "JOIN PROGRESSIVO P ON P.ID = PC.ID_PROGRESSIVO AND P.ANNO = PC.ANNO_PROGRESSIVO "
                   "AND P.ID_SOCIETA = PC.ID_SOCIETA "
                   "LEFT JOIN CAUSALE C ON C.ID = PC.ID_CAUSALE");

    // The documents a document is linked to, one row per link with the summary of the other
    // document; a link to a document that is gone keeps its row with NULL summary columns.
    schema.AddView("DOCUMENTI_REFERENZIATI",
                   "SELECT L.ID_DOCUMENTO AS ID_DOCUMENTO, L.ID_DOCUMENTO_REF AS REF_ID_DOCUMENTO, "
                   "R.NUMERO AS REF_NUMERO, R.SERIE AS REF_SERIE, R.DATA_DOCUMENTO AS REF_DATA_DOCUMENTO, "
                   "R.DATA_MOVIMENTO AS REF_DATA_MOVIMENTO, R.ID_CAUSALE AS REF_CAUSALE_ID, "
                   "C.DESCRIZIONE AS REF_CAUSALE_DESCRIZIONE, C.TIPO_DOCUMENTO AS REF_TIPO_DOCUMENTO, "
                   "R.TOTALE AS REF_TOTALE, R.TOTALE_IVA AS REF_TOTALE_IVA, R.SCONTO_EXTRA AS REF_SCONTO_EXTRA "
                   "FROM DOC_REFERENZIA_DOCS L LEFT JOIN DOCUMENTO R ON R.ID = L.ID_DOCUMENTO_REF "
                   "LEFT JOIN CAUSALE C ON C.ID = R.ID_CAUSALE");
    // The same for the ordinary documents a container document is linked to.
    schema.AddView("DOCUMENTI_VUOTI_REFERENZIATI",
                   "SELECT L.ID_DOCUMENTO_VUOTO AS ID_DOCUMENTO_VUOTO, L.ID_DOCUMENTO_REF AS REF_ID_DOCUMENTO, "
                   "R.NUMERO AS REF_NUMERO, R.SERIE AS REF_SERIE, R.DATA_DOCUMENTO AS REF_DATA_DOCUMENTO, "
                   "R.DATA_MOVIMENTO AS REF_DATA_MOVIMENTO, R.ID_CAUSALE AS REF_CAUSALE_ID, "
                   "C.DESCRIZIONE AS REF_CAUSALE_DESCRIZIONE, C.TIPO_DOCUMENTO AS REF_TIPO_DOCUMENTO "
                   "FROM DOC_VUOTO_REFERENZIA_DOCS L LEFT JOIN DOCUMENTO R ON R.ID = L.ID_DOCUMENTO_REF "
                   "LEFT JOIN CAUSALE C ON C.ID = R.ID_CAUSALE");

    // Partners that an agent follows, with the agent's names.
    schema.AddView("AZIENDA_AGENTE",
                   "SELECT G.ID AS AGENTE_ID, G.COGNOME AS AGENTE_COGNOME, G.NOME AS AGENTE_NOME, A.ID AS ID, "
                   "A.RAGIONESOCIALE AS RAGIONESOCIALE, A.ATTIVITASPECIFICA AS ATTIVITASPECIFICA, "
                   "A.PARTITAIVA AS PARTITAIVA, A.CODICEFISCALE AS CODICEFISCALE, "
                   "A.DATAINSERIMENTO AS DATAINSERIMENTO, A.INFO1 AS INFO1, A.INFO2 AS INFO2, "
                   "A.INFO3 AS INFO3, A.INFO4 AS INFO4, A.INFO5 AS INFO5, A.INFO6 AS INFO6, "
                   "A.INFOSINO1 AS INFOSINO1, A.INFOSINO2 AS INFOSINO2, A.INFOSINO3 AS INFOSINO3, "
                   "A.INFOSINO4 AS INFOSINO4, A.INFOSINO5 AS INFOSINO5, A.NOTE AS NOTE, "
                   "A.INIZIALE AS INIZIALE, A.IDSOTTOSETTORE AS IDSOTTOSETTORE, "
                   "A.IDFORMAGIURIDICA AS IDFORMAGIURIDICA, A.F_TIPO_RAPPORTO AS F_TIPO_RAPPORTO, "
                   "A.F_TIPO AS F_TIPO, A.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO "
                   "FROM AZIENDA A JOIN COLLABORATORE G ON G.ID = A.ID_AGENTE");
}

void AddTables(CSchemaDefinition& schema)
{
    // Movement reasons: what a document does to stock, whom it names, how it is numbered and
    // printed. The linked reasons (containers, bill of materials, dispensers) are plain ids.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCausaleSet), {{"ID", "PRIMARY KEY"}});

    // States an order goes through (sent, answered, accepted, progress, open or closed), with
    // the icon the hosts show for it.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CStatoOrdineSet), {{"ID", "PRIMARY KEY"}});

    // Transport lookups that a header names.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTrasportoSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVettoreSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CMezzoTrasportoSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPortoMerciSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CAspettoBeniSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCausaleTrasportoSet), {{"ID", "PRIMARY KEY"}});

    // The header of a document. Partner, site and lookup columns are plain ids: the header keeps
    // its own copies of the partner texts, so a partner may change or go without touching the
    // documents already made. A document without series stores SERIE as a single blank.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CDocumentoSet), {{"ID", "PRIMARY KEY"}});

    // Numbering counters: one row per counter, year and company, holding the last number used
    // and the series it prints with; PROGRESSIVO_CAUSALE says which counter numbers the documents
    // of a reason in a year. A host numbers a new document with the counter's number plus one (0:
    // none used yet); the trigger DOCUMENTO_NUMERAZIONE advances the counter as documents are
    // saved, never the library.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CProgressivoSet), {{"ID", "NOT NULL"}, {"ANNO", "NOT NULL"},
        {"ID_SOCIETA", "NOT NULL"}}, "PRIMARY KEY (ID, ANNO, ID_SOCIETA)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CProgressivoCausaleSet), {{"ID_PROGRESSIVO", "NOT NULL"},
        {"ANNO_PROGRESSIVO", "NOT NULL"}, {"ID_CAUSALE", "NOT NULL REFERENCES CAUSALE (ID) ON DELETE CASCADE"},
        {"ID_SOCIETA", "NOT NULL"}}, "PRIMARY KEY (ID_CAUSALE, ID_SOCIETA, ANNO_PROGRESSIVO, ID_PROGRESSIVO)");

    // A document's links to the documents it fulfils or derives from. A link goes with either
    // of its two documents.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CDocReferenziaDocsSet), {
        {"ID_DOCUMENTO", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"},
        {"ID_DOCUMENTO_REF", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"}},
        "PRIMARY KEY (ID_DOCUMENTO, ID_DOCUMENTO_REF)");

    // The stored VAT summary: one row per VAT code of a document (lines without a code are left
    // out of the summary, so the code is always there).
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CIvaDocumentoSet), {
        {"ID_DOCUMENTO", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"}, {"ID_IVA", "NOT NULL"}},
        "PRIMARY KEY (ID_DOCUMENTO, ID_IVA)");

    // Documents are found by number (series, year, reason), by reason, by partner, by date and
    // by company; links by the document they point at.
    schema.AddIndex("IX_DOCUMENTO_NUMERO", "DOCUMENTO", "ID_CAUSALE, ANNO, SERIE, NUMERO");
    schema.AddIndex("IX_DOCUMENTO_DATA", "DOCUMENTO", "DATA_DOCUMENTO");
    schema.AddIndex("IX_DOCUMENTO_SOCIETA", "DOCUMENTO", "ID_SOCIETA, ANNO");
    schema.AddIndex("IX_DOCUMENTO_FORNITORE", "DOCUMENTO", "FORN_ID");
    schema.AddIndex("IX_DOCUMENTO_CLIENTE", "DOCUMENTO", "CLI_FAT_ID");
    schema.AddIndex("IX_DOCUMENTO_GENERATORE", "DOCUMENTO", "ID_DOCUMENTO_GENERATORE");
    schema.AddIndex("IX_DOC_REFERENZIA_DOCS_REF", "DOC_REFERENZIA_DOCS", "ID_DOCUMENTO_REF");
    schema.AddIndex("IX_PROGRESSIVO_CAUSALE_PROG", "PROGRESSIVO_CAUSALE",
                    "ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_SOCIETA");
}

}  // namespace

void AddDocumentSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(schema);
    AddViews(kind, schema);
    for (const CString& sql : NumberingTriggerStatements(kind))
        schema.AddStatement(sql);
}

// Numbering that holds with many tills. Each till reads the counter of its reason, company, series
// and year, numbers its document one above it and saves; saving a numbered document (NUMERO > 0),
// or changing its number, series, year, reason or company, runs this trigger in the same
// transaction. It ties the reason to a counter for that series and year when none is tied yet
// (the counter is named "<reason>/<series>"), then raises the counter to the document's number
// when that is higher, never lowering it, so the counter always holds the last number used. Two
// tills that read the same counter make the same number; the unique index UX_DOCUMENTO_NUMERO
// refuses the second save, and that till reads the counter again and retries (or both take the
// documents' writer lock around numbering and saving). On PostgreSQL the raise locks the counter
// row until the transaction ends and "ON CONFLICT DO NOTHING" lets two first documents create the
// counter at once; SQLite lets one writer in at a time. A document whose reason is not in CAUSALE
// has no counter to keep.
std::vector<CString> NumberingTriggerStatements(CDialect::Kind kind)
{
    const bool pg = kind == CDialect::postgresql;
    const char* insert = pg ? "INSERT INTO" : "INSERT OR IGNORE INTO";
    const char* ignore = pg ? " ON CONFLICT DO NOTHING" : "";
    const char* counterId = "CAST(NEW.ID_CAUSALE AS TEXT) || '/' || COALESCE(NEW.SERIE, '')";
    const char* untied =
        "EXISTS (SELECT 1 FROM CAUSALE WHERE ID = NEW.ID_CAUSALE) AND NOT EXISTS (SELECT 1 "
        "FROM PROGRESSIVO_CAUSALE PC JOIN PROGRESSIVO P ON P.ID = PC.ID_PROGRESSIVO "
        "AND P.ANNO = PC.ANNO_PROGRESSIVO AND P.ID_SOCIETA = PC.ID_SOCIETA "
        "WHERE PC.ID_CAUSALE = NEW.ID_CAUSALE AND PC.ID_SOCIETA = NEW.ID_SOCIETA "
        "AND PC.ANNO_PROGRESSIVO = NEW.ANNO AND COALESCE(P.SERIE, '') = COALESCE(NEW.SERIE, ''))";
    CString body, sql;
    body.Format("%s PROGRESSIVO (ID, NUMERO, ANNO, SERIE, RESET_NEW_YEAR, ID_SOCIETA) "
                "SELECT %s, 0, NEW.ANNO, COALESCE(NEW.SERIE, ''), 1, NEW.ID_SOCIETA WHERE %s%s; "
                "%s PROGRESSIVO_CAUSALE (ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_CAUSALE, ID_SOCIETA) "
                "SELECT %s, NEW.ANNO, NEW.ID_CAUSALE, NEW.ID_SOCIETA WHERE %s%s; "
                "UPDATE PROGRESSIVO SET NUMERO = NEW.NUMERO "
                "WHERE (NUMERO IS NULL OR NUMERO < NEW.NUMERO) AND ANNO = NEW.ANNO AND ID_SOCIETA = NEW.ID_SOCIETA "
                "AND COALESCE(SERIE, '') = COALESCE(NEW.SERIE, '') AND ID IN (SELECT ID_PROGRESSIVO "
                "FROM PROGRESSIVO_CAUSALE WHERE ID_CAUSALE = NEW.ID_CAUSALE AND ID_SOCIETA = NEW.ID_SOCIETA "
                "AND ANNO_PROGRESSIVO = NEW.ANNO); ",
                insert, counterId, untied, ignore, insert, counterId, untied, ignore);
    const char* when = "NEW.NUMERO > 0 AND NEW.ID_CAUSALE IS NOT NULL AND NEW.ID_SOCIETA IS NOT NULL "
                       "AND NEW.ANNO IS NOT NULL";
    const char* columns = "NUMERO, SERIE, ANNO, ID_CAUSALE, ID_SOCIETA";
    std::vector<CString> statements;
    if (pg) {
        sql.Format("CREATE FUNCTION %s() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN %s RETURN NULL; END $$",
                   kNumberingTrigger, body.GetString());
        statements.push_back(sql);
        sql.Format("CREATE TRIGGER %s AFTER INSERT OR UPDATE OF %s ON DOCUMENTO FOR EACH ROW WHEN (%s) "
                   "EXECUTE FUNCTION %s()",
                   kNumberingTrigger, columns, when, kNumberingTrigger);
        statements.push_back(sql);
        return statements;
    }
    sql.Format("CREATE TRIGGER %s AFTER INSERT ON DOCUMENTO WHEN %s BEGIN %s END", kNumberingTrigger, when,
               body.GetString());
    statements.push_back(sql);
    sql.Format("CREATE TRIGGER %s_MODIFICA AFTER UPDATE OF %s ON DOCUMENTO WHEN %s BEGIN %s END",
               kNumberingTrigger, columns, when, body.GetString());
    statements.push_back(sql);
    return statements;
}

}  // namespace orvel_schema
