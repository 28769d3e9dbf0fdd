// The tables and views of returnable-container documents (crates, kegs, bottles given to and
// taken back from partners): their reasons, headers, lines and links to ordinary documents, and
// the views the hosts read them through. The library itself never writes them; hosts assign the
// header ids, the database the line ids.
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

namespace orvel_schema {

namespace {

// A container header with the flags of its reason (C_) and its own columns (D_, ANNO as text).
const char* const kReasonColumns =
    "D.ID_CAUSALE_VUOTO AS C_ID, C.DESCRIZIONE AS C_DESCRIZIONE, C.F_VALORE AS C_F_VALORE, "
    "C.F_QUANTITA AS C_F_QUANTITA, C.F_FORNITORE AS C_F_FORNITORE, C.F_CLIENTE AS C_F_CLIENTE, "
    "C.F_INVENTARIO_INIZIALE AS C_F_INVENTARIO_INIZIALE, C.F_INVENTARIO_CLIENTE AS C_F_INVENTARIO_CLIENTE, "
    "C.F_RESO_VALORE AS C_F_RESO_VALORE, C.F_RESO_QUANTITA AS C_F_RESO_QUANTITA, C.F_REPORT AS C_F_REPORT, "
    "D.ID AS D_ID, D.NUMERO AS D_NUMERO, D.DATA_MOVIMENTO AS D_DATA_MOVIMENTO, D.NOTA AS D_NOTA, "
    "CAST(D.ANNO AS TEXT) AS D_ANNO";

// A container header with everything it names; as for ordinary documents, every join is a LEFT
// JOIN, so what is missing shows as NULL. Container documents keep no copies of the partners'
// names: they are read from the partners.
const char* const kContainerJoins =
    " FROM DOCUMENTO_VUOTO D "
    "LEFT JOIN CAUSALE_VUOTO C ON C.ID = D.ID_CAUSALE_VUOTO "
    "LEFT JOIN SOCIETA S ON S.ID = D.ID_SOCIETA "
    "LEFT JOIN SEDE_SOCIETA SS ON SS.ID = D.ID_SEDE_SOCIETA "
    "LEFT JOIN TIPO_SEDE TSS ON TSS.ID = SS.IDTIPOSEDE "
    "LEFT JOIN SEDE_SOCIETA DEP ON DEP.ID = D.ID_DEPOSITO "
    "LEFT JOIN TIPO_SEDE TDEP ON TDEP.ID = DEP.IDTIPOSEDE "
    "LEFT JOIN AZIENDA CL ON CL.ID = D.ID_CLIENTE "
    "LEFT JOIN AZIENDA FO ON FO.ID = D.ID_FORNITORE";

// An amount rounded to cents as the invariant text the library reads ("12.50"); the arithmetic is
// REAL on SQLite and exact NUMERIC on PostgreSQL.
CString CentsText(CDialect::Kind kind, const char* expression)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(ROUND(%s, 2) AS TEXT)" : "printf('%%.2f', %s)", expression);
    return sql;
}

CString Number(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "COALESCE(CAST(NULLIF(%s, '') AS NUMERIC), 0)"
                                            : "COALESCE(CAST(NULLIF(%s, '') AS REAL), 0)",
               column);
    return sql;
}

void AddViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    schema.AddView("DOCUMENTO_VUOTO_CAUSALE", CString("SELECT ") + kReasonColumns + kContainerJoins);

    schema.AddView("TESTATA_DOCUMENTO_VUOTO",
                   CString("SELECT ") + kReasonColumns +
                       ", D.ID_SOCIETA AS S_ID, S.NOME AS S_NOME, S.RAGIONE_SOCIALE AS S_RAGIONESOCIALE, "
                       "S.PARTITA_IVA AS S_PARTITAIVA, D.ID_SEDE_SOCIETA AS SEDE_SOC_ID, "
                       "SS.NOMEZONAPOSTALE AS SEDE_SOC_NOMEZONAPOSTALE, SS.SIGLAPROVINCIA AS SEDE_SOC_SIGLAPROVINCIA, "
                       "SS.VIA AS SEDE_SOC_VIA, TSS.NOME AS SEDE_SOC_NOMETIPOSEDE, SS.CAP AS SEDE_SOC_CAP, "
                       "D.ID_DEPOSITO AS DEP_ID, DEP.NOMEZONAPOSTALE AS DEP_NOMEZONAPOSTALE, "
                       "DEP.SIGLAPROVINCIA AS DEP_SIGLAPROVINCIA, DEP.VIA AS DEP_VIA, TDEP.NOME AS DEP_NOMETIPOSEDE, "
                       "DEP.CAP AS DEP_CAP, D.ID_CLIENTE AS CL_ID, CL.RAGIONESOCIALE AS CL_RAGIONESOCIALE, "
                       "CL.PARTITAIVA AS CL_PARTITAIVA, D.ID_FORNITORE AS FORN_ID, "
                       "FO.RAGIONESOCIALE AS FORN_RAGIONESOCIALE, FO.PARTITAIVA AS FORN_PARTITAIVA" +
                       kContainerJoins);

    // Lists and searches; SEDE_SOCIETA and VIA_DEPOSITO are streets, as for ordinary documents.
    schema.AddView("LISTA_DOCUMENTO_VUOTO",
                   CString("SELECT D.ID AS ID_DOCUMENTO, D.DATA_MOVIMENTO AS DATA_MOVIMENTO, D.NUMERO AS NUMERO, "
                           "CAST(D.ANNO AS TEXT) AS ANNO, C.DESCRIZIONE AS DESC_CAUSALE, "
                           "S.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, SS.VIA AS SEDE_SOCIETA, "
                           "FO.RAGIONESOCIALE AS FOR_RAGIONESOCIALE, CL.RAGIONESOCIALE AS CLI_FAT_RAGIONESOCIALE, "
                           "D.NOTA AS NOTA, DEP.VIA AS VIA_DEPOSITO") +
                       kContainerJoins);
    schema.AddView("RICERCA_DOCUMENTO_VUOTI",
                   CString("SELECT D.ID AS ID_DOCUMENTO, D.DATA_MOVIMENTO AS DATA_MOVIMENTO, D.NUMERO AS NUMERO, "
                           "D.ANNO AS ANNO, D.ID_CAUSALE_VUOTO AS ID_CAUSALE, C.DESCRIZIONE AS DESC_CAUSALE, "
                           "D.ID_SOCIETA AS ID_SOCIETA, S.RAGIONE_SOCIALE AS SOC_RAGIONESOCIALE, "
                           "SS.VIA AS SEDE_SOCIETA, D.ID_FORNITORE AS FORN_ID, "
                           "FO.RAGIONESOCIALE AS FOR_RAGIONESOCIALE, "
                           "D.ID_CLIENTE AS CLI_FAT_ID, CL.RAGIONESOCIALE AS CLI_FAT_RAGIONESOCIALE, "
                           "D.ID_DEPOSITO AS ID_DEPOSITO, DEP.VIA AS VIA_DEPOSITO, S.NOME AS SOC_NOME") +
                       kContainerJoins);

    // For each ordinary document (ID), the container documents linked to it: their number,
    // reason and date.
    schema.AddView("LISTA_VUOTI_DOCUMENTI_ASSOCIATI",
                   "SELECT L.ID_DOCUMENTO_REF AS ID, D.NUMERO AS NUMERO, C.DESCRIZIONE AS DESC_CAUSALE, "
                   "D.DATA_MOVIMENTO AS DATA_MOVIMENTO FROM DOC_VUOTO_REFERENZIA_DOCS L "
                   "JOIN DOCUMENTO_VUOTO D ON D.ID = L.ID_DOCUMENTO_VUOTO "
                   "LEFT JOIN CAUSALE_VUOTO C ON C.ID = D.ID_CAUSALE_VUOTO");

    // The highest container document number in use per year and reason.
    schema.AddView("MAX_NUMERO_DOCUMENTO_VUOTO",
                   "SELECT ANNO AS ANNO, ID_CAUSALE_VUOTO AS ID_CAUSALE, CAST(MAX(NUMERO) AS INTEGER) AS NUMERO "
                   "FROM DOCUMENTO_VUOTO GROUP BY ANNO, ID_CAUSALE_VUOTO");

    // Container lines with the container's data and the line's amounts in cents: taxable amount
    // (price times quantity), VAT at the container's rate, and total.
    CString price = Number(kind, "L.PREZZO");
    CString rate = Number(kind, "VU.ALIQUOTA_IVA");
    CString taxable = price + " * COALESCE(L.QUANTITA, 0)";
    CString vat = "(" + taxable + ") * " + rate + " / 100";
    CString total = taxable + " + " + vat;
    schema.AddView("VOCI_DOCUMENTO_VUOTO_COMPLETE",
                   "SELECT L.ID_VUOTO AS ID_VUOTO, VU.CODICE_INTERNO AS CODICE_INTERNO, VU.DESCRIZIONE AS DESCRIZIONE, "
                   "VU.PREZZO_PZ_EURO AS PREZZO_PZ_EURO, VU.PREZZO_ACQ_PZ_EURO AS PREZZO_ACQ_PZ_EURO, "
                   "VU.ALIQUOTA_IVA AS ALIQUOTA_IVA, L.ID AS ID_VOCI_DOCUMENTO_VUOTO, "
                   "L.ID_DOCUMENTO_VUOTO AS ID_DOCUMENTO_VUOTO, L.PREZZO AS PREZZO, L.QUANTITA AS QUANTITA, " +
                       CentsText(kind, taxable.GetString()) + " AS TOTALE_IMPONIBILE, " +
                       CentsText(kind, vat.GetString()) + " AS TOTALE_IVA, " + CentsText(kind, total.GetString()) +
                       " AS TOTALE FROM VOCI_DOCUMENTO_VUOTO L LEFT JOIN VUOTO VU ON VU.ID = L.ID_VUOTO");
}

void AddTables(CDialect::Kind kind, CSchemaDefinition& schema)
{
    // Movement reasons for containers.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCausaleVuotoSet), {{"ID", "PRIMARY KEY"}});

    // The header of a container document; ID_DOC_VUOTO_GENERATO names the container document
    // made from this one, if any.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CDocumentoVuotoSet), {{"ID", "PRIMARY KEY"}});

    // Links from a container document to the ordinary documents it accompanies; a link goes
    // with either document.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CDocVuotoReferenziaDocsSet), {
        {"ID_DOCUMENTO_VUOTO", "NOT NULL REFERENCES DOCUMENTO_VUOTO (ID) ON DELETE CASCADE"},
        {"ID_DOCUMENTO_REF", "NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE"}},
        "PRIMARY KEY (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF)");

    // Lines: which container, at what unit price, how many.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVociDocumentoVuotoSet), {
        {"ID", kind == CDialect::postgresql ? "GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"
                                            : "PRIMARY KEY AUTOINCREMENT"},
        {"ID_VUOTO", "REFERENCES VUOTO (ID)"},
        {"ID_DOCUMENTO_VUOTO", "NOT NULL REFERENCES DOCUMENTO_VUOTO (ID) ON DELETE CASCADE"}});

    schema.AddIndex("IX_DOCUMENTO_VUOTO_NUMERO", "DOCUMENTO_VUOTO", "ID_CAUSALE_VUOTO, ANNO, NUMERO");
    schema.AddIndex("IX_DOC_VUOTO_REFERENZIA_DOCS_REF", "DOC_VUOTO_REFERENZIA_DOCS", "ID_DOCUMENTO_REF");
    schema.AddIndex("IX_VOCI_DOCUMENTO_VUOTO_DOCUMENTO", "VOCI_DOCUMENTO_VUOTO", "ID_DOCUMENTO_VUOTO");
}

}  // namespace

void AddContainerSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(kind, schema);
    AddViews(kind, schema);
}

}  // namespace orvel_schema
