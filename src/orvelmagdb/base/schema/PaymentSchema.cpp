// The tables and views of schedules, instalments, bills, payment formulas, till payments, cash
// withdrawals and the cash journal.
//
// Keys are integer ids: those of schedules, instalments, bills and withdrawals come from the id
// procedures, the others (formulas, payment types, cards, journal entries) from the host.
// Amounts are TEXT in the invariant decimal form.
//
// Foreign keys bind only rows that belong to their parent and go with it: a formula's
// instalments, a withdrawal's coin counts, a document's till payments and schedule links. The
// links between bills and instalments, the accounting row of a bill and the instalments of a
// schedule carry no foreign key on purpose: the library deletes a bill or an instalment by its
// own row and leaves those rows in place (the host reconciles them), and an instalment may be
// saved on its own before its schedule exists.
//
// Views name the partner, formula, payment type, company and account behind each reference by a
// LEFT JOIN, so a row whose reference is empty or points nowhere still shows, with NULL names.
// The ids a row holds come from the row itself, the names from the joined rows.
//
// Sums of amounts (schedule totals, settled and residual amounts) are for display only: the
// library never reads them back. They are computed as decimals and shown with two decimals, the
// amounts' precision in the shop's configuration: exactly on PostgreSQL (NUMERIC), on SQLite in
// double precision, which is exact to the cent for any amount a shop handles.
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

namespace orvel_schema {

namespace {

// The year of a timestamp column, as an integer.
CString Year(CDialect::Kind kind, const char* column)
{
    CString sql;
    if (kind == CDialect::postgresql)
        sql.Format("CAST(EXTRACT(YEAR FROM %s) AS INTEGER)", column);
    else
        sql.Format("CAST(strftime('%%Y', %s) AS INTEGER)", column);
    return sql;
}

// A decimal expression shown as amount text with two decimals; NULL stays NULL.
CString Amount(CDialect::Kind kind, const CString& expression)
{
    CString sql;
    if (kind == CDialect::postgresql)
        sql.Format("CAST(ROUND(%s, 2) AS TEXT)", (const char*)expression);
    else
        sql.Format("CASE WHEN (%s) IS NULL THEN NULL ELSE printf('%%.2f', %s) END", (const char*)expression,
                   (const char*)expression);
    return sql;
}

// An amount text column as a number, 0 when NULL.
CString Number(const char* column)
{
    CString sql;
    sql.Format("COALESCE(CAST(%s AS NUMERIC), 0)", column);
    return sql;
}

// Per schedule: how many instalments, how many settled, the amount of all and of the settled ones.
const char* const kInstalmentTotals =
    "(SELECT ID_SCADENZARIO, CAST(COUNT(*) AS INTEGER) AS NUMERO, "
    "CAST(SUM(CASE WHEN F_EVASA = 1 THEN 1 ELSE 0 END) AS INTEGER) AS EVASE, "
    "SUM(COALESCE(CAST(IMPORTO AS NUMERIC), 0)) AS IMPORTO, "
    "SUM(CASE WHEN F_EVASA = 1 THEN COALESCE(CAST(IMPORTO AS NUMERIC), 0) ELSE 0 END) AS EVASO "
    "FROM SCADENZA GROUP BY ID_SCADENZARIO)";

// 1 when a schedule has instalments and every one is settled, otherwise 0.
const char* const kInstalmentsClosed = "CASE WHEN R.NUMERO > 0 AND R.EVASE = R.NUMERO THEN 1 ELSE 0 END";

void AddTables(CSchemaDefinition& schema)
{
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTipoPagamentoSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CFormulaPagamentoSet), {{"ID", "PRIMARY KEY"}});
    // GIORNI after the base date (to the end of that month when F_FINE_MESE), PERCENTUALE of the
    // total.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVoceFormulaPagamentoSet), {{"ID", "PRIMARY KEY"},
        {"ID_FORMULA_PAGAMENTO", "REFERENCES FORMULA_PAGAMENTO (ID) ON DELETE CASCADE"}});

    // NUMERO_SCADENZE is the instalment count written with the schedule's last save.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CScadenzarioSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CScadenzaSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CScadenzarioDocumentoSet), {
        {"ID_SCADENZARIO", "NOT NULL REFERENCES SCADENZARIO (ID) ON DELETE CASCADE"},
        {"ID_DOCUMENTO", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"}},
        "PRIMARY KEY (ID_SCADENZARIO, ID_DOCUMENTO)");

    // ID_TIPO_EFFETTO is the payment type the bill is collected or paid with.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEffettoSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEffettoScadenzaSet), {{"ID_EFFETTO", "NOT NULL"},
        {"ID_SCADENZA", "NOT NULL"}}, "PRIMARY KEY (ID_EFFETTO, ID_SCADENZA)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEFFETTO_CONTABILITA), {{"ID_EFFETTO", "PRIMARY KEY"}});

    // A document may be paid twice with the same type (two cards), so there is no key.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPagamentoBancoSet), {
        {"ID_DOCUMENTO", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPrelievoBancoSet), {{"ID", "PRIMARY KEY"}});
    // Counts of coin and banknote kinds (PEZZO_MONETA). Not a set: a withdrawal loaded twice
    // holds its coins twice and saves them so; a key would make that save fail half-way, after
    // its old counts were deleted.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CPrelievoBancoMonetaSet), {
        {"ID_PRELIEVO", "NOT NULL REFERENCES PRELIEVO_BANCO (ID) ON DELETE CASCADE"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCartaCreditoSet), {{"ID", "PRIMARY KEY"}});

    // F_ATTIVO 1 for money in, -1 for money out; ANNO is the year the entry is counted in.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVoceGiornaleCassaSet), {{"ID", "PRIMARY KEY"}});
}

void AddIndexes(CSchemaDefinition& schema)
{
    schema.AddIndex("IX_VOCE_FORMULA_PAGAMENTO_FORMULA", "VOCE_FORMULA_PAGAMENTO", "ID_FORMULA_PAGAMENTO");
    schema.AddIndex("IX_SCADENZARIO_SOGGETTO", "SCADENZARIO", "ID_SOGGETTO");
    schema.AddIndex("IX_SCADENZA_SCADENZARIO", "SCADENZA", "ID_SCADENZARIO, DATA_SCADENZA, NUMERO");
    schema.AddIndex("IX_SCADENZARIO_DOCUMENTO_DOCUMENTO", "SCADENZARIO_DOCUMENTO", "ID_DOCUMENTO");
    schema.AddIndex("IX_EFFETTO_SOGGETTO", "EFFETTO", "ID_SOGGETTO");
    schema.AddIndex("IX_EFFETTO_SCADENZA_SCADENZA", "EFFETTO_SCADENZA", "ID_SCADENZA");
    schema.AddIndex("IX_PAGAMENTO_BANCO_DOCUMENTO", "PAGAMENTO_BANCO", "ID_DOCUMENTO");
    schema.AddIndex("IX_PRELIEVO_BANCO_MONETA_PRELIEVO", "PRELIEVO_BANCO_MONETA", "ID_PRELIEVO");
    schema.AddIndex("IX_VOCE_GIORNALE_CASSA_DATA", "VOCE_GIORNALE_CASSA", "DATA");
    schema.AddIndex("IX_VOCE_GIORNALE_CASSA_EFFETTO", "VOCE_GIORNALE_CASSA", "ID_EFFETTO");
}

void AddScheduleViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    const CString total = Number("S.IMPORTO_IMPONIBILE") + " + " + Number("S.IMPORTO_IVA");
    CString sql;

    // A schedule with its names and the state of its instalments. PERC_SCADENZE_INEVASE is the
    // share of the instalments' amount not yet settled, in percent; IMPORTO_RESIDUO what of the
    // schedule's total is not settled yet.
    sql.Format("SELECT S.ID AS ID, S.DESCRIZIONE AS DESCRIZIONE, S.DATA_MOVIMENTO AS DATA_MOVIMENTO, %s AS ANNO, "
               "S.ID_SOGGETTO AS ID_SOGGETTO, A.RAGIONESOCIALE AS SOGGETTO, "
               "S.IMPORTO_IMPONIBILE AS IMPORTO_IMPONIBILE, S.IMPORTO_IVA AS IMPORTO_IVA, %s AS IMPORTO_TOTALE, "
               "%s AS PERC_SCADENZE_INEVASE, COALESCE(R.NUMERO, 0) AS NUM_SCADENZE, %s AS CHIUSO_SCADENZE, "
               "%s AS IMPORTO_EVASO, %s AS IMPORTO_RESIDUO, S.F_CHIUSO AS CHIUSO, "
               "S.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO, F.DESCRIZIONE AS FORMULA_PAGAMENTO, "
               "S.F_ATTIVO AS F_ATTIVO, S.NOTA AS NOTA, S.ID_SOCIETA AS SOC_ID, SO.NOME AS SOC_NOME, "
               "SO.RAGIONE_SOCIALE AS SOC_RAGIONE_SOCIALE, S.ID_COLLABORATORE AS ID_COLLABORATORE "
               "FROM SCADENZARIO S LEFT JOIN AZIENDA A ON A.ID = S.ID_SOGGETTO "
               "LEFT JOIN FORMULA_PAGAMENTO F ON F.ID = S.ID_FORMULA_PAGAMENTO "
               "LEFT JOIN SOCIETA SO ON SO.ID = S.ID_SOCIETA "
               "LEFT JOIN %s R ON R.ID_SCADENZARIO = S.ID",
               (const char*)Year(kind, "S.DATA_MOVIMENTO"), (const char*)Amount(kind, total),
               (const char*)Amount(kind, "CASE WHEN R.IMPORTO <> 0 THEN (R.IMPORTO - R.EVASO) * 100 / R.IMPORTO END"),
               kInstalmentsClosed, (const char*)Amount(kind, "COALESCE(R.EVASO, 0)"),
               (const char*)Amount(kind, total + " - COALESCE(R.EVASO, 0)"), kInstalmentTotals);
    schema.AddView("SCADENZARIO_COMPLETO", sql);

    // One row per instalment with its schedule's columns; a schedule without instalments shows
    // once, with NULL instalment columns. SC_IMPORTO_EVASO is what of the instalment is settled,
    // SC_NETTO what is still due.
    sql.Format("SELECT S.ID AS ID, S.DESCRIZIONE AS DESCRIZIONE, S.DATA_MOVIMENTO AS DATA_MOVIMENTO, %s AS ANNO, "
               "S.ID_SOGGETTO AS ID_SOGGETTO, A.RAGIONESOCIALE AS SOGGETTO, "
               "S.IMPORTO_IMPONIBILE AS IMPORTO_IMPONIBILE, S.IMPORTO_IVA AS IMPORTO_IVA, %s AS IMPORTO_TOTALE, "
               "S.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO, F.DESCRIZIONE AS FORMULA_PAGAMENTO, "
               "S.F_ATTIVO AS F_ATTIVO, S.F_CHIUSO AS F_CHIUSO, S.NOTA AS NOTA, C.ID AS SC_ID, "
               "C.DATA_REGISTRAZIONE AS SC_DATA_REGISTRAZIONE, C.DATA_SCADENZA AS SC_DATA_SCADENZA, "
               "C.DATA_PAGAMENTO AS SC_DATA_PAGAMENTO, C.ID_TIPO_PAGAMENTO AS SC_ID_TIPO_PAGAMENTO, "
               "T.DESCRIZIONE AS SC_TP_DESCRIZIONE, C.IMPORTO AS SC_IMPORTO, %s AS SC_IMPORTO_EVASO, "
               "%s AS SC_NETTO, C.NOTA AS SC_NOTA, C.F_EVASA AS SC_F_EVASA, %s AS CHIUSO_SCADENZE "
               "FROM SCADENZARIO S LEFT JOIN AZIENDA A ON A.ID = S.ID_SOGGETTO "
               "LEFT JOIN FORMULA_PAGAMENTO F ON F.ID = S.ID_FORMULA_PAGAMENTO "
               "LEFT JOIN SCADENZA C ON C.ID_SCADENZARIO = S.ID "
               "LEFT JOIN TIPO_PAGAMENTO T ON T.ID = C.ID_TIPO_PAGAMENTO "
               "LEFT JOIN %s R ON R.ID_SCADENZARIO = S.ID",
               (const char*)Year(kind, "S.DATA_MOVIMENTO"), (const char*)Amount(kind, total),
               (const char*)Amount(kind, "CASE WHEN C.ID IS NULL THEN NULL WHEN C.F_EVASA = 1 THEN " +
                                             Number("C.IMPORTO") + " ELSE 0 END"),
               (const char*)Amount(kind, "CASE WHEN C.ID IS NULL THEN NULL WHEN C.F_EVASA = 1 THEN 0 ELSE " +
                                             Number("C.IMPORTO") + " END"),
               kInstalmentsClosed, kInstalmentTotals);
    schema.AddView("SCADENZARIO_COMPLETO_SCADENZE", sql);

    // A schedule-document link with the document and its movement reason.
    schema.AddView("SCADENZARIO_DOCUMENTO_COMPLETO",
                   "SELECT L.ID_SCADENZARIO AS ID_SCAD, S.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO, "
                   "L.ID_DOCUMENTO AS ID_DOC, D.DATA_DOCUMENTO AS DATA_DOC, D.DATA_MOVIMENTO AS DATA_MOVIMENTO_DOC, "
                   "D.NUMERO AS NUMERO_DOC, D.ANNO AS ANNO_DOC, D.SERIE AS SERIE_DOC, D.ID_CAUSALE AS ID_CAUSALE_DOC, "
                   "C.DESCRIZIONE AS DESCRIZIONE_CAUSALE_DOC, S.DATA_MOVIMENTO AS DATA_MOVIMENTO, "
                   "S.DESCRIZIONE AS DESCRIZIONE, S.F_ATTIVO AS F_ATTIVO, C.TIPO_DOCUMENTO AS TIPO_DOCUMENTO, "
                   "D.TOTALE AS TOTALE_DOC, L.F_RIPORTA_IN_DOCUMENTO AS F_RIPORTA_IN_DOCUMENTO "
                   "FROM SCADENZARIO_DOCUMENTO L LEFT JOIN SCADENZARIO S ON S.ID = L.ID_SCADENZARIO "
                   "LEFT JOIN DOCUMENTO D ON D.ID = L.ID_DOCUMENTO LEFT JOIN CAUSALE C ON C.ID = D.ID_CAUSALE");

    // An instalment with its payment type and its schedule. SCAD_ID is the instalment's own
    // reference, so that the instalments of a schedule are found by it.
    sql.Format("SELECT C.ID AS SCA_ID, C.DATA_REGISTRAZIONE AS SCA_DATA_REGISTRAZIONE, "
               "C.DATA_SCADENZA AS SCA_DATA_SCADENZA, C.DATA_PAGAMENTO AS SCA_DATA_PAGAMENTO, "
               "C.ID_TIPO_PAGAMENTO AS SCA_ID_TIPO_PAGAMENTO, T.DESCRIZIONE AS SCA_TIPO_PAGAMENTO, "
               "C.IMPORTO AS SCA_IMPORTO, C.NOTA AS SCA_NOTA, C.F_EVASA AS SCA_F_EVASA, C.NUMERO AS SCA_NUMERO, "
               "C.ID_SCADENZARIO AS SCAD_ID, S.DESCRIZIONE AS SCAD_DESCRIZIONE, "
               "S.DATA_MOVIMENTO AS SCAD_DATA_MOVIMENTO, S.ID_SOGGETTO AS SCAD_SOGGETTO_ID, "
               "A.RAGIONESOCIALE AS SCAD_RAGIONE_SOCIALE, S.IMPORTO_IMPONIBILE AS SCAD_IMPORTO_IMPONIBILE, "
               "S.IMPORTO_IVA AS SCAD_IMPORTO_IVA, %s AS SCAD_IMPORTO_TOTALE, "
               "S.ID_FORMULA_PAGAMENTO AS SCAD_ID_FORMULA_PAGAMENTO, S.F_ATTIVO AS SCAD_F_ATTIVO, "
               "S.F_CHIUSO AS SCAD_F_CHIUSO, S.NOTA AS SCAD_NOTA, S.ID_SOCIETA AS SCAD_ID_SOCIETA, "
               "S.ID_COLLABORATORE AS SCAD_ID_COLLABORATORE, S.NUMERO_SCADENZE AS SCAD_NUMERO_SCADENZE "
               "FROM SCADENZA C LEFT JOIN TIPO_PAGAMENTO T ON T.ID = C.ID_TIPO_PAGAMENTO "
               "LEFT JOIN SCADENZARIO S ON S.ID = C.ID_SCADENZARIO LEFT JOIN AZIENDA A ON A.ID = S.ID_SOGGETTO",
               (const char*)Amount(kind, "CASE WHEN S.ID IS NULL THEN NULL ELSE " + total + " END"));
    schema.AddView("SCADENZA_COMPLETA", sql);
}

void AddBillViews(CSchemaDefinition& schema)
{
    // A bill with the names behind it; NUM_SCADENZE counts its links to instalments.
    schema.AddView("EFFETTO_COMPLETO",
                   "SELECT E.ID AS ID, E.IMPORTO AS IMPORTO, E.DATA_REGISTRAZIONE AS DATA_REGISTRAZIONE, "
                   "E.DATA_EFFETTO AS DATA_EFFETTO, E.ID_SOGGETTO AS ID_SOGGETTO, A.RAGIONESOCIALE AS SOGGETTO, "
                   "E.ID_TIPO_EFFETTO AS ID_TIPO_EFFETTO, T.DESCRIZIONE AS TIPO_EFFETTO, E.ID_CONTO AS ID_CONTO, "
                   "C.DESCRIZIONE AS DESCRIZIONE_CONTO, E.NOTE AS NOTE, E.F_ATTIVO AS F_ATTIVO, "
                   "(SELECT CAST(COUNT(*) AS INTEGER) FROM EFFETTO_SCADENZA L WHERE L.ID_EFFETTO = E.ID) AS NUM_SCADENZE, "
                   "E.ID_SOCIETA AS ID_SOCIETA, SO.NOME AS NOME_SOCIETA, SO.RAGIONE_SOCIALE AS RAGIONE_SOCIALE_SOCIETA, "
                   "E.F_CHIUDI_SCADENZE AS F_CHIUDI_SCADENZE, E.F_REG_GIORNALE_CASSA AS F_REG_GIORNALE_CASSA "
                   "FROM EFFETTO E LEFT JOIN AZIENDA A ON A.ID = E.ID_SOGGETTO "
                   "LEFT JOIN TIPO_PAGAMENTO T ON T.ID = E.ID_TIPO_EFFETTO LEFT JOIN CONTO C ON C.ID = E.ID_CONTO "
                   "LEFT JOIN SOCIETA SO ON SO.ID = E.ID_SOCIETA");

    // A bill-instalment link with both sides; the instalment's partner and direction come from
    // its schedule.
    schema.AddView("EFFETTO_SCADENZA_COMPLETO",
                   "SELECT L.ID_EFFETTO AS ID, E.IMPORTO AS IMPORTO, E.DATA_REGISTRAZIONE AS DATA_REGISTRAZIONE, "
                   "E.DATA_EFFETTO AS DATA_EFFETTO, E.F_ATTIVO AS F_ATTIVO, L.ID_SCADENZA AS SC_ID, "
                   "C.DATA_REGISTRAZIONE AS SC_DATA_REGISTRAZIONE, C.DATA_SCADENZA AS SC_DATA_SCADENZA, "
                   "C.DATA_PAGAMENTO AS SC_DATA_PAGAMENTO, C.IMPORTO AS SC_IMPORTO, C.F_EVASA AS SC_F_EVASA, "
                   "A.RAGIONESOCIALE AS SC_SOGGETTO, S.F_ATTIVO AS SC_F_ATTIVA, E.ID_SOCIETA AS ID_SOCIETA "
                   "FROM EFFETTO_SCADENZA L LEFT JOIN EFFETTO E ON E.ID = L.ID_EFFETTO "
                   "LEFT JOIN SCADENZA C ON C.ID = L.ID_SCADENZA LEFT JOIN SCADENZARIO S ON S.ID = C.ID_SCADENZARIO "
                   "LEFT JOIN AZIENDA A ON A.ID = S.ID_SOGGETTO");
}

void AddTillViews(CSchemaDefinition& schema)
{
    schema.AddView("VOCE_FORMULA_PAGAMENTO_COMPLETA",
                   "SELECT V.ID AS ID, V.GIORNI AS GIORNI, V.PERCENTUALE AS PERCENTUALE, "
                   "V.ID_FORMULA_PAGAMENTO AS ID_FORMULA_PAGAMENTO, F.DESCRIZIONE AS DESCRIZIONE_FORMULA_PAGAMENTO, "
                   "V.F_FINE_MESE AS F_FINE_MESE, V.ID_TIPO_PAGAMENTO AS ID_TIPO_PAGAMENTO, "
                   "T.DESCRIZIONE AS DESCRIZIONE_TIPO_PAGAMENTO "
                   "FROM VOCE_FORMULA_PAGAMENTO V LEFT JOIN FORMULA_PAGAMENTO F ON F.ID = V.ID_FORMULA_PAGAMENTO "
                   "LEFT JOIN TIPO_PAGAMENTO T ON T.ID = V.ID_TIPO_PAGAMENTO");

    schema.AddView("PAGAMENTO_BANCO_COMPLETO",
                   "SELECT P.ID_DOCUMENTO AS ID_DOCUMENTO, P.ID_TIPO_PAGAMENTO AS ID_TIPO_PAGAMENTO, "
                   "P.VALORE AS VALORE, T.DESCRIZIONE AS DESCRIZIONE, T.DESCRIZIONE_RIDOTTA AS DESCRIZIONE_RIDOTTA, "
                   "T.F_BANCO AS F_BANCO, T.CODICE_CASSA AS CODICE_CASSA "
                   "FROM PAGAMENTO_BANCO P LEFT JOIN TIPO_PAGAMENTO T ON T.ID = P.ID_TIPO_PAGAMENTO");

    // A cash-journal entry down to the bank of its account (account -> branch -> bank).
    schema.AddView("VOCE_GIORNALE_CASSA_COMPLETA",
                   "SELECT V.ID AS ID, V.DATA AS DATA, V.DESCRIZIONE AS DESCRIZIONE, V.IMPORTO AS IMPORTO, "
                   "V.F_ATTIVO AS F_ATTIVO, V.INFO1 AS INFO1, V.INFO2 AS INFO2, V.INFO3 AS INFO3, V.INFO4 AS INFO4, "
                   "V.NOTA AS NOTA, V.ANNO AS ANNO, V.ID_TIPO_PAGAMENTO AS TIPO_PAG_ID, "
                   "T.DESCRIZIONE AS TIPO_PAG_DESCRIZIONE, V.ID_COLLABORATORE AS COLL_ID, K.COGNOME AS COLL_COGNOME, "
                   "K.NOME AS COLL_NOME, V.ID_SOGGETTO AS SOGG_ID, A.RAGIONESOCIALE AS SOGG_RAGIONE_SOCIALE, "
                   "V.ID_SOCIETA AS SOC_ID, SO.NOME AS SOC_NOME, SO.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, "
                   "V.ID_CONTO AS CONTO_ID, C.DESCRIZIONE AS CONTO_DESCRIZIONE, B.ID AS BANCA_ID, "
                   "B.DESCRIZIONE AS BANCA_DESCRIZIONE, G.ID AS BANCA_ID_AGENZIA, G.DESCRIZIONE AS BANCA_DESCRIZIONE_AGENZIA, "
                   "G.CAB AS BANCA_CAB, B.ABI AS BANCA_ABI, C.CIN AS BANCA_CIN, C.CONTO_CORRENTE AS BANCA_CONTO_CORRENTE "
                   "FROM VOCE_GIORNALE_CASSA V LEFT JOIN TIPO_PAGAMENTO T ON T.ID = V.ID_TIPO_PAGAMENTO "
                   "LEFT JOIN COLLABORATORE K ON K.ID = V.ID_COLLABORATORE LEFT JOIN AZIENDA A ON A.ID = V.ID_SOGGETTO "
                   "LEFT JOIN SOCIETA SO ON SO.ID = V.ID_SOCIETA LEFT JOIN CONTO C ON C.ID = V.ID_CONTO "
                   "LEFT JOIN BANCA_AGENZIA G ON G.ID = C.ID_BANCA_AGENZIA LEFT JOIN BANCA B ON B.ID = G.ID_BANCA");
}

}  // namespace

void AddPaymentSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(schema);
    AddIndexes(schema);
    AddScheduleViews(kind, schema);
    AddBillViews(schema);
    AddTillViews(schema);
}

}  // namespace orvel_schema
