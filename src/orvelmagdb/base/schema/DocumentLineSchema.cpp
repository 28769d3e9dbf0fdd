// The tables and views of document lines.
//
// Every line of every document kind lives in one table, VOCI_DOCUMENTO. Beside the line's own
// columns it keeps what the line write copies from the header and the reason (the D_ dates,
// year, company, site and depot, the C_F_ stock flags), so that the stock views need no join to
// know how a line moves stock, and the fashion columns (size scale, size, colour, row number).
// The library reads and writes lines under three names that must show the same rows:
// VOCI_DOCUMENTO itself (loads, and the marking of stale lines "UPDATE VOCI_DOCUMENTO SET
// MARCATORE = 0 ..."), VOCI_DOCUMENTO_OPER (the warehouse line write and the removal of stale
// lines) and VOCI_DOCUMENTO_MODA_OPER (the same for fashion lines). The two _OPER names are views
// over the table alone, so PostgreSQL updates them by itself; SQLite gets INSTEAD OF triggers.
//
// A new line's ID is not written by the library: the database assigns it, and never hands out an
// id again (AUTOINCREMENT on SQLite, an identity on PostgreSQL), so a line object holding the id
// of a row that was deleted cannot land on another line.
#include <string>
#include <vector>

#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

namespace orvel_schema {

namespace {

// The columns of the line table that each name shows, in the order the recordsets bind them.
const char* const kOperColumns =
    "ID, TIPO, ID_ARTICOLO, DESCRIZIONE, ID_DOCUMENTO, PREZZO, PREZZO_IVATO, UM, QUANTITA, "
    "ALIQUOTA_IVA, SCONTA_IVA, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, SCONTO_EXTRA, PROVVIGIONE, "
    "PZ_X_CONF, QUANTITA_DA_EVADERE, QUANTITA_EVASA, INFO1, INFO2, INFO3, INFO4, INFO5, INFO6, NOTE, "
    "CODICE_EAN, D_DATA_DOCUMENTO, D_DATA_MOVIMENTO, D_ANNO, D_ID_SOCIETA, D_ID_SEDE_SOCIETA, "
    "D_ID_DEPOSITO, C_F_VALORE, C_F_QUANTITA, C_F_ESIST_ATTUALE, C_F_INVENTARIO_INIZIALE, "
    "C_F_INVESTIMENTO, C_F_RICAVO, C_F_RESO_QUANTITA, C_F_RESO_VALORE, C_F_ORDINE_DA_CLIENTE, "
    "C_F_ORDINE_AL_FORNITORE, C_F_MOVIMENTA_CARBURANTE, C_F_LISTINO, C_F_MODIFICA_LISTINO, "
    "QUANTITA_OMAGGIO, QUANTITA_OMAGGIO_PAGATA, MOLTIPLICATORE_QTA, COEFFICIENTE_UM, ID_IVA, "
    "PREZZO_ACQUISTO, ID_SCONTO, ID_LISTINO, ID_IMBALLO, NUMERO_IMBALLI, QUANTITA_LORDA, PESO_IMBALLO, "
    "LOTTO_ANNO, LOTTO_NUMERO, MARCATORE, NRIGA, PREZZO_COMPLETO";
const char* const kModaOperColumns =
    "ID, TIPO, ID_ARTICOLO, DESCRIZIONE, ID_DOCUMENTO, PREZZO, PREZZO_IVATO, UM, QUANTITA, "
    "ALIQUOTA_IVA, SCONTA_IVA, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, SCONTO_EXTRA, PROVVIGIONE, "
    "PZ_X_CONF, QUANTITA_DA_EVADERE, QUANTITA_EVASA, INFO1, INFO2, INFO3, INFO4, INFO5, INFO6, NOTE, "
    "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN, D_DATA_DOCUMENTO, D_DATA_MOVIMENTO, "
    "D_ANNO, D_ID_SOCIETA, D_ID_SEDE_SOCIETA, D_ID_DEPOSITO, C_F_VALORE, C_F_QUANTITA, "
    "C_F_ESIST_ATTUALE, C_F_INVENTARIO_INIZIALE, C_F_INVESTIMENTO, C_F_RICAVO, C_F_RESO_QUANTITA, "
    "C_F_RESO_VALORE, C_F_ORDINE_DA_CLIENTE, C_F_ORDINE_AL_FORNITORE, C_F_LISTINO, "
    "C_F_MODIFICA_LISTINO, QUANTITA_OMAGGIO, QUANTITA_OMAGGIO_PAGATA, MOLTIPLICATORE_QTA, "
    "COEFFICIENTE_UM, ID_IVA, PREZZO_ACQUISTO, ID_SCONTO, ID_LISTINO, ID_IMBALLO, NUMERO_IMBALLI, "
    "QUANTITA_LORDA, PESO_IMBALLO, LOTTO_ANNO, LOTTO_NUMERO, MARCATORE, NRIGA, PREZZO_COMPLETO";
const char* const kModaLoadColumns =
    "ID, TIPO, ID_ARTICOLO, DESCRIZIONE, ID_DOCUMENTO, PREZZO, PREZZO_IVATO, UM, QUANTITA, "
    "ALIQUOTA_IVA, SCONTA_IVA, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, SCONTO_EXTRA, PROVVIGIONE, "
    "PZ_X_CONF, QUANTITA_DA_EVADERE, QUANTITA_EVASA, INFO1, INFO2, INFO3, INFO4, INFO5, INFO6, NOTE, "
    "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN, QUANTITA_OMAGGIO, QUANTITA_OMAGGIO_PAGATA, "
    "MOLTIPLICATORE_QTA, COEFFICIENTE_UM, ID_IVA, PREZZO_ACQUISTO, ID_SCONTO, ID_LISTINO, ID_IMBALLO, "
    "NUMERO_IMBALLI, QUANTITA_LORDA, PESO_IMBALLO, LOTTO_ANNO, LOTTO_NUMERO, MARCATORE, NRIGA, "
    "PREZZO_COMPLETO";
// The line columns of the till-receipt views, before their department and till VAT columns.
const char* const kReceiptColumns =
    "V.ID, V.ID_ARTICOLO, V.ID_DOCUMENTO, V.PREZZO, V.PREZZO_IVATO, V.QUANTITA, V.SCONTO_1, "
    "V.SCONTO_2, V.SCONTO_3, V.SCONTO_4, V.SCONTO_EXTRA, V.PROVVIGIONE, V.ALIQUOTA_IVA, V.DESCRIZIONE, "
    "V.SCONTA_IVA, V.TIPO, V.UM, V.QUANTITA_DA_EVADERE, V.QUANTITA_EVASA, V.PZ_X_CONF, V.INFO1, "
    "V.INFO2, V.INFO3, V.INFO4, V.INFO5, V.INFO6, V.NOTE, V.CODICE_EAN, V.QUANTITA_OMAGGIO, "
    "V.QUANTITA_OMAGGIO_PAGATA, V.MOLTIPLICATORE_QTA, V.COEFFICIENTE_UM, V.ID_IVA, V.PREZZO_ACQUISTO, "
    "V.ID_SCONTO, V.ID_LISTINO, V.ID_IMBALLO, V.NUMERO_IMBALLI, V.QUANTITA_LORDA, V.PESO_IMBALLO, "
    "V.LOTTO_ANNO, V.LOTTO_NUMERO";

// "A, B, C" as {"A", "B", "C"}.
std::vector<std::string> SplitColumns(const char* columns)
{
    std::vector<std::string> names;
    std::string text(columns);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (!name.empty())
            names.push_back(name);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return names;
}

// A view over the line table alone, under which the library inserts, updates and deletes lines.
// PostgreSQL writes through such a view by itself. SQLite needs INSTEAD OF triggers that do the
// same on the table; a row is identified by its ID, so a write through the view touches the line
// the view row shows and nothing else. Columns the view does not show keep their values on update.
// (SQLite counts no changed rows for a write through a view; the recordset layer looks at the
// connection's total of changes instead.)
void AddWritableLineView(CDialect::Kind kind, CSchemaDefinition& schema, const char* name, const char* columns)
{
    schema.AddView(name, CString("SELECT ") + columns + " FROM VOCI_DOCUMENTO");
    if (kind != CDialect::sqlite)
        return;
    std::string values, sets;
    for (const std::string& column : SplitColumns(columns)) {
        values += values.empty() ? "" : ", ";
        values += column == "ID" ? "CASE WHEN NEW.ID > 0 THEN NEW.ID END" : "NEW." + column;
        sets += (sets.empty() ? "" : ", ") + column + " = NEW." + column;
    }
    // SQLite enforces the line's foreign key only on connections that ask for it: the insert
    // checks the document itself, so a line of a missing document is refused on every connection.
    CString sql;
    sql.Format("CREATE TRIGGER %s_INSERT INSTEAD OF INSERT ON %s BEGIN "
               "SELECT RAISE(ABORT, 'a document line needs an existing document (ID_DOCUMENTO)') "
               "WHERE NOT EXISTS (SELECT 1 FROM DOCUMENTO WHERE ID = NEW.ID_DOCUMENTO); "
               "INSERT INTO VOCI_DOCUMENTO (%s) VALUES (%s); END",
               name, name, columns, values.c_str());
    schema.AddStatement(sql);
    sql.Format("CREATE TRIGGER %s_UPDATE INSTEAD OF UPDATE ON %s BEGIN "
               "UPDATE VOCI_DOCUMENTO SET %s WHERE ID = OLD.ID; END",
               name, name, sets.c_str());
    schema.AddStatement(sql);
    sql.Format("CREATE TRIGGER %s_DELETE INSTEAD OF DELETE ON %s BEGIN "
               "DELETE FROM VOCI_DOCUMENTO WHERE ID = OLD.ID; END",
               name, name);
    schema.AddStatement(sql);
}

// A text amount as a number: an empty or missing amount counts as 0. SQLite computes in REAL
// (about 15 significant digits), PostgreSQL in exact NUMERIC.
CString Number(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "COALESCE(CAST(NULLIF(%s, '') AS NUMERIC), 0)"
                                            : "COALESCE(CAST(NULLIF(%s, '') AS REAL), 0)",
               column);
    return sql;
}

// The amounts of every stored line, computed as a document line computes them with the line's
// own extra discount (on a stored line it is the document's): with G = M x (Q - QO) x P the paid
// gross, F the four cascading discount factors and X the extra discount,
//   NETTO        G x F x (1 - X/100) when the price is positive, G otherwise
//   OMAGGIO_IVA  the free gift charged with VAT, M x QO x P when SCONTA_IVA is 0
//   SCONTO       the free gift given as discount (SCONTA_IVA 1) plus G x (1 - F x (1 - X/100)),
//                when the price is positive
//   LORDO        M x Q x P
// Reference lines (TIPO R) are left out of every amount. Nothing is rounded here.
CString LineAmounts(CDialect::Kind kind)
{
    CString base;
    base.Format("SELECT V.*, CASE WHEN V.TIPO LIKE 'R%%' THEN 0 ELSE 1 END AS K, "
                "COALESCE(V.MOLTIPLICATORE_QTA, 1) AS M, %s AS Q, %s AS QO, %s AS P, %s AS X, %s AS A, "
                "CASE WHEN COALESCE(V.SCONTA_IVA, 1) > 0 THEN 1 ELSE 0 END AS FS, "
                "ABS(ABS(COALESCE(V.SCONTA_IVA, 1)) - 1) AS I, "
                "(1 - %s / 100) * (1 - %s / 100) * (1 - %s / 100) * (1 - %s / 100) AS F "
                "FROM VOCI_DOCUMENTO V",
                Number(kind, "V.QUANTITA").GetString(), Number(kind, "V.QUANTITA_OMAGGIO").GetString(),
                Number(kind, "V.PREZZO").GetString(), Number(kind, "V.SCONTO_EXTRA").GetString(),
                Number(kind, "V.ALIQUOTA_IVA").GetString(), Number(kind, "V.SCONTO_1").GetString(),
                Number(kind, "V.SCONTO_2").GetString(), Number(kind, "V.SCONTO_3").GetString(),
                Number(kind, "V.SCONTO_4").GetString());
    return "(SELECT N.*, "
           "N.K * N.M * N.Q * N.P AS LORDO, "
           "N.K * CASE WHEN N.P > 0 THEN N.M * (N.Q - N.QO) * N.P * N.F * (1 - N.X / 100) "
           "ELSE N.M * (N.Q - N.QO) * N.P END AS NETTO, "
           "N.K * N.M * N.QO * N.P * N.I AS OMAGGIO_IVA, "
           "N.K * CASE WHEN N.P > 0 THEN N.FS * N.M * N.QO * N.P "
           "+ N.M * (N.Q - N.QO) * N.P * (1 - N.F * (1 - N.X / 100)) ELSE 0 END AS SCONTO "
           "FROM (" + base + ") N) L";
}

// An amount rounded to cents, as a number.
CString Cents(const char* expression)
{
    CString sql;
    sql.Format("ROUND(%s, 2)", expression);
    return sql;
}

// An amount rounded to cents, as the invariant text the library reads ("1043.10").
CString CentsText(CDialect::Kind kind, const char* expression)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(ROUND(%s, 2) AS TEXT)" : "printf('%%.2f', %s)", expression);
    return sql;
}

const char* const kTaxable = "CASE WHEN L.A < 0 THEN 0 ELSE L.NETTO + L.OMAGGIO_IVA END";
const char* const kVat = "(L.NETTO + L.OMAGGIO_IVA) * L.A / 100";
const char* const kTotal = "L.NETTO + (L.NETTO + L.OMAGGIO_IVA) * L.A / 100";

void AddViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    // A new line arrives with an ID below 1 when its writer leaves the id to the database (a
    // recordset writes the zero of a long it was not given): the database assigns the next one.
    // SQLite does it in the insert triggers of the views below; PostgreSQL before the insert
    // reaches the table, for the views and the table alike.
    if (kind == CDialect::postgresql) {
        schema.AddStatement("CREATE FUNCTION VOCI_DOCUMENTO_NUOVO_ID() RETURNS trigger LANGUAGE plpgsql AS $$ "
                            "BEGIN IF NEW.ID IS NULL OR NEW.ID < 1 THEN "
                            "NEW.ID := nextval(pg_get_serial_sequence('voci_documento', 'id')); END IF; "
                            "RETURN NEW; END $$");
        schema.AddStatement("CREATE TRIGGER VOCI_DOCUMENTO_NUOVO_ID BEFORE INSERT ON VOCI_DOCUMENTO "
                            "FOR EACH ROW EXECUTE FUNCTION VOCI_DOCUMENTO_NUOVO_ID()");
    }

    // The names the line writes go through.
    AddWritableLineView(kind, schema, "VOCI_DOCUMENTO_OPER", kOperColumns);
    AddWritableLineView(kind, schema, "VOCI_DOCUMENTO_MODA_OPER", kModaOperColumns);
    // What a fashion document loads.
    schema.AddView("VOCI_DOCUMENTO_MODA_LOAD", CString("SELECT ") + kModaLoadColumns + " FROM VOCI_DOCUMENTO");

    // Each stored line with its taxable amount, VAT and total, rounded to cents (the amounts the
    // voucher campaigns add up over the lines of a stored document). On SQLite they are REAL
    // numbers, exact to the cent for any shop amount; on PostgreSQL exact NUMERIC.
    CString sql;
    sql.Format("SELECT L.ID AS ID, L.ID_DOCUMENTO AS ID_DOCUMENTO, L.ID_ARTICOLO AS ID_ARTICOLO, L.TIPO AS TIPO, "
               "L.DESCRIZIONE AS DESCRIZIONE, L.INFO1 AS INFO1, L.INFO2 AS INFO2, L.INFO3 AS INFO3, "
               "L.INFO4 AS INFO4, L.INFO5 AS INFO5, L.INFO6 AS INFO6, L.QUANTITA AS QUANTITA, L.PREZZO AS PREZZO, "
               "%s AS TOTALE_IMPONIBILE, %s AS TOTALE_IVA, %s AS TOTALE FROM %s",
               Cents(kTaxable).GetString(), Cents(kVat).GetString(), Cents(kTotal).GetString(),
               LineAmounts(kind).GetString());
    schema.AddView("VOCI_DOCUMENTO_CALC", sql);

    // Lines with their amounts (as cents text) and the header of their document.
    sql.Format("SELECT L.ID AS ID_VOCE_DOCUMENTO, L.ID_ARTICOLO AS ID_ARTICOLO, L.PREZZO AS PREZZO, "
               "L.QUANTITA AS QUANTITA, L.QUANTITA_DA_EVADERE AS QUANTITA_DA_EVADERE, "
               "L.QUANTITA_EVASA AS QUANTITA_EVASA, L.SCONTO_1 AS SCONTO_1, L.SCONTO_2 AS SCONTO_2, "
               "L.SCONTO_3 AS SCONTO_3, L.SCONTO_4 AS SCONTO_4, %s AS TOTALE_NO_SCONTO, %s AS TOTALE_SCONTO, "
               "%s AS TOTALE_IMPONIBILE, %s AS TOTALE_IVA, L.ALIQUOTA_IVA AS ALIQUOTA_IVA, "
               "D.ID AS D_ID, D.SERIE AS D_SERIE, D.NUMERO AS D_NUMERO, D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, "
               "D.DATA_DOCUMENTO AS D_DATA_DOCUMENTO, D.NOTA AS D_NOTA, D.SCONTO_EXTRA AS D_SCONTO_EXTRA, "
               "D.ID_PORTO AS D_ID_PORTO, D.ID_VETTORE AS D_ID_VETTORE, D.ID_TRASPORTO AS D_ID_TRASPORTO, "
               "D.ID_ASPETTO_BENI AS D_ID_ASPETTO_BENI, D.IMBALLI AS D_IMBALLI, D.NUMERO_COLLI AS D_NUMERO_COLLI, "
               "D.SPESE_TRASPORTO AS D_SPESE_TRASPORTO, D.DATA_ORA_INIZIO_TRASPORTO AS D_DATA_ORA_INIZIO_TRASPORTO, "
               "D.DATA_ORA_FINE_TRASPORTO AS D_DATA_ORA_FINE_TRASPORTO, D.ID_BANCA_AGENZIA AS D_ID_BANCA_AGENZIA, "
               "D.ID_FORMULA_PAGAMENTO AS D_ID_FORMULA_PAGAMENTO, D.ANNO AS D_ANNO, D.ID_SOCIETA AS S_ID, "
               "D.ID_SEDE_SOCIETA AS SEDE_SOC_ID, D.ID_AGENTE_SEDE_SOCIETA AS AG_ID, D.ID_DEPOSITO AS DEP_ID, "
               "D.FORN_ID AS FORN_ID, D.FORN_RAGIONE_SOCIALE AS FORN_RAGIONE_SOCIALE, "
               "D.FORN_PARTITA_IVA AS FORN_PARTITA_IVA, D.FORN_INDIRIZZO1 AS FORN_INDIRIZZO1, "
               "D.FORN_INDIRIZZO2 AS FORN_INDIRIZZO2, D.CLI_FAT_ID AS CLI_FAT_ID, "
               "D.CLI_FAT_RAGIONE_SOCIALE AS CLI_FAT_RAGIONE_SOCIALE, D.CLI_FAT_PARTITA_IVA AS CLI_FAT_PARTITA_IVA, "
               "D.CLI_FAT_INDIRIZZO1 AS CLI_FAT_INDIRIZZO1, D.CLI_FAT_INDIRIZZO2 AS CLI_FAT_INDIRIZZO2, "
               "D.CLI_SPE_INDIRIZZO1 AS CLI_SPE_INDIRIZZO1, D.CLI_SPE_INDIRIZZO2 AS CLI_SPE_INDIRIZZO2 "
               "FROM %s JOIN DOCUMENTO D ON D.ID = L.ID_DOCUMENTO",
               CentsText(kind, "L.LORDO").GetString(), CentsText(kind, "L.SCONTO").GetString(),
               CentsText(kind, kTaxable).GetString(), CentsText(kind, kVat).GetString(),
               LineAmounts(kind).GetString());
    schema.AddView("DOCUMENTO_VOCE_DOCUMENTO", sql);

    // Till receipts: the lines whose article is printed on the fiscal receipt (and the lines
    // without article), and those whose article is not. The department is the article's; the
    // till VAT code of the department is that of the department's VAT code, the one of the line
    // that of the line's VAT code, or of the article's when the line has none.
    const char* receipt =
        "SELECT %s, A.ID_REPARTO AS ID_REPARTO, IR.CODICE_CASSA AS CODICE_CASSA_IVA_REPARTO, "
        "COALESCE(IV.CODICE_CASSA, IA.CODICE_CASSA) AS CODICE_CASSA_IVA_ARTICOLO, "
        "A.F_STAMPA_IN_SCONTRINO AS F_STAMPA_IN_SCONTRINO "
        "FROM VOCI_DOCUMENTO V LEFT JOIN ARTICOLO A ON A.ID = V.ID_ARTICOLO "
        "LEFT JOIN REPARTO R ON R.ID = A.ID_REPARTO LEFT JOIN IVA IR ON IR.CODICE = R.ID_IVA "
        "LEFT JOIN IVA IV ON IV.CODICE = V.ID_IVA LEFT JOIN IVA IA ON IA.CODICE = A.ID_IVA "
        "WHERE COALESCE(A.F_STAMPA_IN_SCONTRINO, 1) %s";
    sql.Format(receipt, kReceiptColumns, "<> 0");
    schema.AddView("VOCI_DOCUMENTO_SCONTRINO", sql);
    sql.Format(receipt, kReceiptColumns, "= 0");
    schema.AddView("VOCI_DOCUMENTO_SCONTRINO_NOFISC", sql);

    // Revaluation rows with the document of their line.
    schema.AddView("VOCE_DOCUMENTO_RIV_COMP",
                   "SELECT V.ID_DOCUMENTO AS ID_DOCUMENTO, R.ID_VOCE_DOCUMENTO AS ID_VOCE_DOCUMENTO, "
                   "R.PREZZO_USD AS PREZZO_USD, R.PREZZO_EURO AS PREZZO_EURO, "
                   "R.PERCENTUALE_DAZIO AS PERCENTUALE_DAZIO, "
                   "R.COSTO_DAZIO AS COSTO_DAZIO, R.VOLUME AS VOLUME, R.COSTO_TRASPORTO AS COSTO_TRASPORTO, "
                   "R.PREZZO_COMPLETO AS PREZZO_COMPLETO, R.LUNGHEZZA_CM AS LUNGHEZZA_CM, "
                   "R.LARGHEZZA_CM AS LARGHEZZA_CM, R.ALTEZZA_CM AS ALTEZZA_CM "
                   "FROM VOCE_DOCUMENTO_RIVALUTAZIONE R JOIN VOCI_DOCUMENTO V ON V.ID = R.ID_VOCE_DOCUMENTO");
}

// What the delete procedures remove, in order, for the document whose id replaces @ID: the
// revaluation rows of its lines, its lines, its VAT summary, its links to and from other documents
// and container documents, the payments taken for it at the till and its links to payment
// schedules. Vouchers issued for it stay (they were handed out) and forget the document; documents
// generated from it forget where they came from. The schedules themselves stay: a schedule may
// cover other documents and holds instalments already paid.
const char* const kDeleteDocument[] = {
    ("DELETE FROM VOCE_DOCUMENTO_RIVALUTAZIONE WHERE ID_VOCE_DOCUMENTO IN "
     "(SELECT ID FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = @ID)"),
    "DELETE FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = @ID",
    "DELETE FROM IVA_DOCUMENTO WHERE ID_DOCUMENTO = @ID",
    "DELETE FROM DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO = @ID OR ID_DOCUMENTO_REF = @ID",
    "DELETE FROM DOC_VUOTO_REFERENZIA_DOCS WHERE ID_DOCUMENTO_REF = @ID",
    "DELETE FROM PAGAMENTO_BANCO WHERE ID_DOCUMENTO = @ID",
    "DELETE FROM SCADENZARIO_DOCUMENTO WHERE ID_DOCUMENTO = @ID",
    "UPDATE BUONO_EMESSO SET ID_DOCUMENTO = NULL WHERE ID_DOCUMENTO = @ID",
    "UPDATE DOCUMENTO SET ID_DOCUMENTO_GENERATORE = NULL WHERE ID_DOCUMENTO_GENERATORE = @ID",
    "DELETE FROM DOCUMENTO WHERE ID = @ID",
};

CString DeleteStatements(const char* argument)
{
    CString body, statement;
    for (const char* text : kDeleteDocument) {
        statement = text;
        statement.Replace("@ID", argument);
        body += statement + "; ";
    }
    return body;
}

// "ELIMINA_DOCUMENTO" removes a warehouse or restaurant document, "ELIMINA_DOCUMENTO_MODA" a
// fashion document; both kinds keep their lines in the same table, so both do the same. On
// PostgreSQL each is a function returning the number of headers it removed (0 for an unknown
// id), called as SELECT * FROM elimina_documento(n). On SQLite a call inserts the id into
// <NAME>_CALL, whose trigger does the deletes and writes the count into RESULT.
void AddDeleteProcedures(CDialect::Kind kind, CSchemaDefinition& schema)
{
    for (const char* name : {"ELIMINA_DOCUMENTO", "ELIMINA_DOCUMENTO_MODA"}) {
        CString sql;
        if (kind == CDialect::postgresql) {
            sql.Format("CREATE FUNCTION %s(P_ID INTEGER) RETURNS TABLE (RESULT INTEGER) LANGUAGE plpgsql AS $$ "
                       "DECLARE N INTEGER; BEGIN "
                       "SELECT COUNT(*) INTO N FROM DOCUMENTO WHERE ID = P_ID; %s"
                       "RETURN QUERY SELECT N; END $$",
                       name, DeleteStatements("P_ID").GetString());
            schema.AddStatement(sql);
            continue;
        }
        CString table = CString(name) + "_CALL";
        schema.AddTable(table, "ARG1 INTEGER, RESULT INTEGER");
        sql.Format("CREATE TRIGGER %s_RUN AFTER INSERT ON %s BEGIN "
                   "UPDATE %s SET RESULT = (SELECT COUNT(*) FROM DOCUMENTO WHERE ID = NEW.ARG1) "
                   "WHERE rowid = NEW.rowid; "
                   "%s"
                   "DELETE FROM %s WHERE rowid < NEW.rowid; END",
                   name, table.GetString(), table.GetString(), DeleteStatements("NEW.ARG1").GetString(),
                   table.GetString());
        schema.AddStatement(sql);
    }
}

void AddTables(CDialect::Kind kind, CSchemaDefinition& schema)
{
    CString body = kind == CDialect::postgresql ? "ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, "
                                                : "ID INTEGER PRIMARY KEY AUTOINCREMENT, ";
    body += "ID_ARTICOLO TEXT, ID_DOCUMENTO INTEGER NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE, "
            "PREZZO TEXT, PREZZO_IVATO TEXT, QUANTITA TEXT, "
            "SCONTO_1 TEXT, SCONTO_2 TEXT, SCONTO_3 TEXT, SCONTO_4 TEXT, SCONTO_EXTRA TEXT, "
            "PROVVIGIONE TEXT, ALIQUOTA_IVA TEXT, DESCRIZIONE TEXT, SCONTA_IVA INTEGER, TIPO TEXT, "
            "UM TEXT, QUANTITA_DA_EVADERE TEXT, QUANTITA_EVASA TEXT, PZ_X_CONF TEXT, INFO1 TEXT, "
            "INFO2 TEXT, INFO3 TEXT, INFO4 TEXT, INFO5 TEXT, INFO6 TEXT, NOTE TEXT, CODICE_EAN TEXT, "
            "QUANTITA_OMAGGIO TEXT, QUANTITA_OMAGGIO_PAGATA TEXT, MOLTIPLICATORE_QTA INTEGER, "
            "COEFFICIENTE_UM TEXT, ID_IVA TEXT, PREZZO_ACQUISTO TEXT, ID_SCONTO TEXT, ID_LISTINO TEXT, "
            "ID_IMBALLO TEXT, NUMERO_IMBALLI INTEGER, QUANTITA_LORDA TEXT, PESO_IMBALLO TEXT, "
            "LOTTO_ANNO INTEGER, LOTTO_NUMERO INTEGER, MARCATORE INTEGER, NRIGA INTEGER, "
            "PREZZO_COMPLETO TEXT, "
            // copies of the header and of its reason, written with every line
            "D_DATA_DOCUMENTO TIMESTAMP, D_DATA_MOVIMENTO TIMESTAMP, D_ANNO INTEGER, D_ID_SOCIETA INTEGER, "
            "D_ID_SEDE_SOCIETA INTEGER, D_ID_DEPOSITO INTEGER, C_F_VALORE INTEGER, C_F_QUANTITA INTEGER, "
            "C_F_ESIST_ATTUALE INTEGER, C_F_INVENTARIO_INIZIALE INTEGER, C_F_INVESTIMENTO INTEGER, "
            "C_F_RICAVO INTEGER, C_F_RESO_QUANTITA INTEGER, C_F_RESO_VALORE INTEGER, "
            "C_F_ORDINE_DA_CLIENTE INTEGER, C_F_ORDINE_AL_FORNITORE INTEGER, C_F_MOVIMENTA_CARBURANTE INTEGER, "
            "C_F_LISTINO INTEGER, C_F_MODIFICA_LISTINO INTEGER, "
            // fashion lines: size scale, size, colour and row number
            "ID_SCALA_TAGLIA TEXT, ID_TAGLIA TEXT, ID_COLORE TEXT, RN INTEGER";
    schema.AddTable("VOCI_DOCUMENTO", body);

    // Revaluation of an imported line: foreign price, duty, volume and transport cost per line.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVOCE_DOCUMENTO_RIVALUTAZIONE), {
        {"ID_VOCE_DOCUMENTO", "PRIMARY KEY REFERENCES VOCI_DOCUMENTO (ID) ON DELETE CASCADE"}});

    // Kinds of line the hosts offer (article, free line, reference...).
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTipoVoceDocumentoSet), {{"ID", "NOT NULL PRIMARY KEY"}});

    // Lines are read and marked per document; the stock views look them up by article.
    schema.AddIndex("IX_VOCI_DOCUMENTO_DOCUMENTO", "VOCI_DOCUMENTO", "ID_DOCUMENTO, NRIGA");
    schema.AddIndex("IX_VOCI_DOCUMENTO_ARTICOLO", "VOCI_DOCUMENTO", "ID_ARTICOLO");
}

}  // namespace

void AddDocumentLineSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(kind, schema);
    AddViews(kind, schema);
    AddDeleteProcedures(kind, schema);
}

}  // namespace orvel_schema
