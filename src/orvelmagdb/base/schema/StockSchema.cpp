// The tables and views of stock, history, lots and fashion attributes.
//
// Stock is kept per company, depot (a company site) and year, for articles and, in the fashion
// trade, for each garment (article, size scale, size, colour); the hosts keep these rows. The
// company-wide figures are the sums over the company's depots, computed by the views rather than
// stored twice. Quantities and values are TEXT in the invariant decimal form; the views that add
// them compute in exact NUMERIC on PostgreSQL and in REAL on SQLite (about 15 significant digits,
// far more than a stock quantity of three decimals needs), and give the result back as text.
//
// The lot table is the only one here the library writes. The history views show the document
// lines that moved an article or a lot, with their document and movement reason.
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

namespace orvel_schema {

namespace {

// A text amount as a number for arithmetic inside a view (see the opening comment).
CString Number(CDialect::Kind kind, const CString& expression)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(%s AS NUMERIC)" : "CAST(%s AS REAL)", expression.GetString());
    return sql;
}

// The sum of a text column over a group, as text; NULL when every row holds NULL.
CString Sum(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format("CAST(SUM(%s) AS TEXT)", Number(kind, column).GetString());
    return sql;
}

// The weighted average cost of a group: the value loaded over the quantity loaded; NULL when
// nothing was loaded.
CString AverageCost(CDialect::Kind kind)
{
    CString sql;
    sql.Format("CAST(SUM(%s) / NULLIF(SUM(%s), 0) AS TEXT)", Number(kind, "E.CARICATO_VAL").GetString(),
               Number(kind, "E.CARICATO").GetString());
    return sql;
}

// Rows a parent owns go with it on SQLite too, where foreign keys are not checked (see
// ArticleSchema.cpp); the key columns are matched in the order given.
void OwnedRows(CDialect::Kind kind, CSchemaDefinition& schema, const char* parent, const char* parentKey,
               const char* child, const char* childKey)
{
    if (kind == CDialect::postgresql)
        return;
    CString parents(parentKey), children(childKey), condition, sql;
    int p = 0, c = 0;
    for (;;) {
        CString left = children.Tokenize(", ", c), right = parents.Tokenize(", ", p);
        if (left.IsEmpty() || right.IsEmpty())
            break;
        if (!condition.IsEmpty())
            condition += " AND ";
        condition += left + " = OLD." + right;
    }
    sql.Format("CREATE TRIGGER %s_OF_%s_DELETE AFTER DELETE ON %s BEGIN DELETE FROM %s WHERE %s; END", child, parent,
               parent, child, condition.GetString());
    schema.AddStatement(sql);
}

void AddTables(CSchemaDefinition& schema)
{
    // Stock of an article in a depot for a year: the opening stock, what was loaded (quantity
    // and value) and unloaded, the stock now and its average cost, what customers' orders have
    // committed and what suppliers' orders will bring, and when. The columns are in the order
    // the hosts' recordset binds them.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloDepositoEsistenzaSet), {{"ANNO", "NOT NULL"},
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_DEPOSITO", "NOT NULL REFERENCES SEDE_SOCIETA (ID)"}, {"ID_SOCIETA", "NOT NULL REFERENCES SOCIETA (ID)"}},
        "PRIMARY KEY (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO)");

    // Fashion attributes. Sizes belong to a size scale (the same size name may appear in
    // several scales), in the order RN.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CStagioneSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTessutoSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CColoreSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CScalaTaglieSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTagliaSet), {{"ID", "NOT NULL"},
        {"ID_SCALA_TAGLIA", "NOT NULL REFERENCES SCALA_TAGLIA (ID) ON DELETE CASCADE"}},
        "PRIMARY KEY (ID_SCALA_TAGLIA, ID)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CLineaSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_FORNITORE", "REFERENCES AZIENDA (ID)"}});

    // A fashion article: an article with a season, line, fabric and size scale.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloModaSet), {
        {"ID_ARTICOLO", "NOT NULL PRIMARY KEY REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_STAGIONE", "REFERENCES STAGIONE (ID)"}, {"ID_LINEA", "REFERENCES LINEA (ID)"},
        {"ID_TESSUTO", "REFERENCES TESSUTO (ID)"}, {"ID_SCALA_TAGLIA", "REFERENCES SCALA_TAGLIA (ID)"}});
    // Garments: one per article, size and colour, each with its own barcode.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCapoSet), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}, {"ID_TAGLIA", "NOT NULL"},
        {"ID_SCALA_TAGLIA", "NOT NULL"}, {"ID_COLORE", "NOT NULL REFERENCES COLORE (ID)"}},
        "PRIMARY KEY (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE), "
        "FOREIGN KEY (ID_SCALA_TAGLIA, ID_TAGLIA) REFERENCES TAGLIA (ID_SCALA_TAGLIA, ID)");
    // Stock of a garment in a depot for a year, with the same figures as an article's.
    schema.AddTable("CAPO_DEPOSITO_ESISTENZA",
                    "ID_SOCIETA INTEGER NOT NULL REFERENCES SOCIETA (ID), "
                    "ID_DEPOSITO INTEGER NOT NULL REFERENCES SEDE_SOCIETA (ID), ANNO INTEGER NOT NULL, "
                    "ID_ARTICOLO TEXT NOT NULL, ID_SCALA_TAGLIA TEXT NOT NULL, ID_TAGLIA TEXT NOT NULL, "
                    "ID_COLORE TEXT NOT NULL, ESISTENZA_INIZIALE TEXT, CARICATO TEXT, SCARICATO TEXT, "
                    "CARICATO_VAL TEXT, ESISTENZA TEXT, CMP TEXT, QUANTITA_IMPEGNATA TEXT, QUANTITA_IN_ARRIVO TEXT, "
                    "DATA_PREVISTO_ARRIVO TIMESTAMP, "
                    "PRIMARY KEY (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE), "
                    "FOREIGN KEY (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE) "
                    "REFERENCES CAPO (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE) ON DELETE CASCADE");
    // A priced option of an article, with its own price (with or without VAT, as F_PREZZO_IVATO
    // says) and category.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloVarianteSet), {{"ID", "PRIMARY KEY"},
        {"ID_ARTICOLO", "REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}, {"ID_CATEGORIA", "REFERENCES CATEGORIA (ID)"}});

    // Lots, numbered within their year. An article that has lots cannot be deleted: their
    // history would lose its article.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CLottoSet), {{"ANNO", "NOT NULL"}, {"NUMERO", "NOT NULL"},
        {"ID_ARTICOLO", "REFERENCES ARTICOLO (ID)"}}, "PRIMARY KEY (ANNO, NUMERO)");
    // Lot labels waiting to be printed.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEtichettaLottoSet), {{"NUMERO", "PRIMARY KEY"},
        {"ID_ARTICOLO", "REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}},
        "FOREIGN KEY (LOTTO_ANNO, LOTTO_NUMERO) REFERENCES LOTTO (ANNO, NUMERO) ON DELETE CASCADE");
}

void AddIndexes(CSchemaDefinition& schema)
{
    // Stock is read by article; garments by barcode and, for an article, in scale order; lots by
    // article.
    schema.AddIndex("IX_ARTICOLO_DEPOSITO_ESISTENZA_ARTICOLO", "ARTICOLO_DEPOSITO_ESISTENZA", "ID_ARTICOLO, ANNO");
    schema.AddIndex("IX_CAPO_DEPOSITO_ESISTENZA_ARTICOLO", "CAPO_DEPOSITO_ESISTENZA", "ID_ARTICOLO, ANNO");
    schema.AddIndex("IX_CAPO_CODICE_EAN", "CAPO", "CODICE_EAN");
    schema.AddIndex("IX_ARTICOLO_VARIANTE_ARTICOLO", "ARTICOLO_VARIANTE", "ID_ARTICOLO");
    schema.AddIndex("IX_LOTTO_ARTICOLO", "LOTTO", "ID_ARTICOLO");
    schema.AddIndex("IX_ETICHETTA_LOTTO_LOTTO", "ETICHETTA_LOTTO", "LOTTO_ANNO, LOTTO_NUMERO");
}

void AddStockViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    CString sql;

    // Company-wide stock per year: the depots' rows added up. ANNO is a text column here, as the
    // hosts have always read it.
    sql.Format("SELECT E.ID_SOCIETA, CAST(E.ANNO AS TEXT) AS ANNO, E.ID_ARTICOLO, %s AS ESISTENZA, %s AS CARICATO, "
               "%s AS CARICATO_VAL, %s AS CMP, MIN(E.DATA_PREVISTO_ARRIVO) AS DATA_PREVISTO_ARRIVO, "
               "%s AS QUANTITA_IMPEGNATA, %s AS QUANTITA_IN_ARRIVO, %s AS SCARICATO, %s AS ESISTENZA_INIZIALE "
               "FROM ARTICOLO_DEPOSITO_ESISTENZA E GROUP BY E.ID_SOCIETA, E.ANNO, E.ID_ARTICOLO",
               Sum(kind, "E.ESISTENZA").GetString(), Sum(kind, "E.CARICATO").GetString(),
               Sum(kind, "E.CARICATO_VAL").GetString(), AverageCost(kind).GetString(),
               Sum(kind, "E.QUANTITA_IMPEGNATA").GetString(), Sum(kind, "E.QUANTITA_IN_ARRIVO").GetString(),
               Sum(kind, "E.SCARICATO").GetString(), Sum(kind, "E.ESISTENZA_INIZIALE").GetString());
    schema.AddView("ARTICOLO_ESISTENZA", sql);

    schema.AddView("ARTICOLO_DEPOSITO_ESIST_COMP",
                   "SELECT E.ID_SOCIETA, E.ID_DEPOSITO, E.ANNO, E.ID_ARTICOLO, E.ESISTENZA, E.CMP, E.ESISTENZA_INIZIALE, "
                   "E.CARICATO, E.SCARICATO, E.CARICATO_VAL, E.QUANTITA_IMPEGNATA, E.QUANTITA_IN_ARRIVO, "
                   "E.DATA_PREVISTO_ARRIVO, D.VIA AS DEP_VIA, D.NOMEZONAPOSTALE AS DEP_NOME_ZONA_POSTALE, "
                   "D.CAP AS DEP_CAP, D.SIGLAPROVINCIA AS DEP_SIGLA_PROVINCIA "
                   "FROM ARTICOLO_DEPOSITO_ESISTENZA E LEFT JOIN SEDE_SOCIETA D ON D.ID = E.ID_DEPOSITO");

    schema.AddView("ARTICOLO_DEPOS_ESIST_COMP_MODA",
                   "SELECT E.ID_SOCIETA, E.ID_DEPOSITO, E.ANNO, E.ID_ARTICOLO, E.ID_SCALA_TAGLIA, E.ID_TAGLIA, "
                   "E.ID_COLORE, E.ESISTENZA, E.CMP, E.ESISTENZA_INIZIALE, E.CARICATO, E.SCARICATO, E.CARICATO_VAL, "
                   "E.QUANTITA_IMPEGNATA, E.QUANTITA_IN_ARRIVO, E.DATA_PREVISTO_ARRIVO, D.VIA AS DEP_VIA, "
                   "D.NOMEZONAPOSTALE AS DEP_NOME_ZONA_POSTALE, D.CAP AS DEP_CAP, "
                   "D.SIGLAPROVINCIA AS DEP_SIGLA_PROVINCIA "
                   "FROM CAPO_DEPOSITO_ESISTENZA E LEFT JOIN SEDE_SOCIETA D ON D.ID = E.ID_DEPOSITO");

    sql.Format("SELECT E.ID_SOCIETA, E.ANNO, E.ID_ARTICOLO, E.ID_SCALA_TAGLIA, E.ID_TAGLIA, E.ID_COLORE, "
               "%s AS ESISTENZA, %s AS CMP, %s AS ESISTENZA_INIZIALE, %s AS CARICATO, %s AS SCARICATO, "
               "%s AS CARICATO_VAL, %s AS QUANTITA_IMPEGNATA, %s AS QUANTITA_IN_ARRIVO, "
               "MIN(E.DATA_PREVISTO_ARRIVO) AS DATA_PREVISTO_ARRIVO "
               "FROM CAPO_DEPOSITO_ESISTENZA E "
               "GROUP BY E.ID_SOCIETA, E.ANNO, E.ID_ARTICOLO, E.ID_SCALA_TAGLIA, E.ID_TAGLIA, E.ID_COLORE",
               Sum(kind, "E.ESISTENZA").GetString(), AverageCost(kind).GetString(),
               Sum(kind, "E.ESISTENZA_INIZIALE").GetString(), Sum(kind, "E.CARICATO").GetString(),
               Sum(kind, "E.SCARICATO").GetString(), Sum(kind, "E.CARICATO_VAL").GetString(),
               Sum(kind, "E.QUANTITA_IMPEGNATA").GetString(), Sum(kind, "E.QUANTITA_IN_ARRIVO").GetString());
    schema.AddView("ARTICOLO_MODA_ESISTENZA", sql);

    // What is available of an article: the stock of its latest year over every company and
    // depot, and what it will be once the suppliers' orders arrive and the customers' orders
    // leave, with the first expected arrival.
    CString expected;
    expected.Format("CAST(COALESCE(SUM(%s), 0) + COALESCE(SUM(%s), 0) - COALESCE(SUM(%s), 0) AS TEXT)",
                    Number(kind, "E.ESISTENZA").GetString(), Number(kind, "E.QUANTITA_IN_ARRIVO").GetString(),
                    Number(kind, "E.QUANTITA_IMPEGNATA").GetString());
    sql.Format("SELECT E.ID_ARTICOLO, %s AS ESISTENZA, %s AS QUANTITA_PREVISTA, "
               "MIN(E.DATA_PREVISTO_ARRIVO) AS DATA_PREVISTA "
               "FROM ARTICOLO_DEPOSITO_ESISTENZA E "
               "WHERE E.ANNO = (SELECT MAX(L.ANNO) FROM ARTICOLO_DEPOSITO_ESISTENZA L WHERE L.ID_ARTICOLO = E.ID_ARTICOLO) "
               "GROUP BY E.ID_ARTICOLO",
               Sum(kind, "E.ESISTENZA").GetString(), expected.GetString());
    schema.AddView("DISPONIBILITA_ARTICOLO", sql);

    // Movement totals: the stock rows without the stock itself, per depot and added up per
    // company.
    schema.AddView("MOVIMENTO_ARTICOLO_DEPOSITO",
                   "SELECT E.ID_ARTICOLO, E.ID_SOCIETA, E.ID_DEPOSITO, E.CMP, E.CARICATO, E.SCARICATO, E.CARICATO_VAL, "
                   "E.ANNO, E.ESISTENZA_INIZIALE, E.QUANTITA_IMPEGNATA, E.QUANTITA_IN_ARRIVO, E.DATA_PREVISTO_ARRIVO "
                   "FROM ARTICOLO_DEPOSITO_ESISTENZA E");
    sql.Format("SELECT E.ID_ARTICOLO, E.ID_SOCIETA, %s AS CMP, %s AS CARICATO, %s AS SCARICATO, E.ANNO, "
               "%s AS CARICATO_VAL, %s AS ESISTENZA_INIZIALE, %s AS QUANTITA_IMPEGNATA, %s AS QUANTITA_IN_ARRIVO, "
               "MIN(E.DATA_PREVISTO_ARRIVO) AS DATA_PREVISTO_ARRIVO "
               "FROM ARTICOLO_DEPOSITO_ESISTENZA E GROUP BY E.ID_SOCIETA, E.ANNO, E.ID_ARTICOLO",
               AverageCost(kind).GetString(), Sum(kind, "E.CARICATO").GetString(), Sum(kind, "E.SCARICATO").GetString(),
               Sum(kind, "E.CARICATO_VAL").GetString(), Sum(kind, "E.ESISTENZA_INIZIALE").GetString(),
               Sum(kind, "E.QUANTITA_IMPEGNATA").GetString(), Sum(kind, "E.QUANTITA_IN_ARRIVO").GetString());
    schema.AddView("MOVIMENTO_ARTICOLO_SOCIETA", sql);
}

// The select list of a history view from its column names: D_X is column X of the document,
// C_X of its movement reason and VC_X of the line.
CString HistoryColumns(const char* names)
{
    CString list(names), result, name;
    int start = 0;
    while (!(name = list.Tokenize(", ", start)).IsEmpty()) {
        CString source;
        if (name.Left(3) == "VC_")
            source = "VC." + name.Mid(3);
        else if (name.Left(2) == "D_")
            source = "D." + name.Mid(2);
        else
            source = "C." + name.Mid(2);
        if (!result.IsEmpty())
            result += ", ";
        result += source + " AS " + name;
    }
    return result;
}

// The document and reason columns every history view starts with.
const char* const kHistoryHead =
    "D_ID, D_DATA_DOCUMENTO, D_DATA_MOVIMENTO, D_NUMERO, D_ANNO, D_SERIE, D_FORN_ID, D_FORN_RAGIONE_SOCIALE, "
    "D_CLI_FAT_ID, D_CLI_FAT_RAGIONE_SOCIALE, D_ID_SOCIETA, D_ID_SEDE_SOCIETA, D_ID_DEPOSITO, D_SCONTO_EXTRA, C_ID, "
    "C_DESCRIZIONE, C_TIPO_DOCUMENTO, C_F_VALORE, C_F_QUANTITA, C_F_FORNITORE, C_F_CLIENTE, C_F_AGENTE, "
    "C_F_ESIST_ATTUALE, C_F_INVENTARIO_INIZIALE, C_F_INVESTIMENTO, C_F_RICAVO, C_F_RESO_QUANTITA, C_F_RESO_VALORE, "
    "C_F_ORDINE_DA_CLIENTE, C_F_ORDINE_AL_FORNITORE";

// Stored lines with their document; the reason may be missing (then its columns are NULL).
const char* const kHistoryFrom =
    " FROM VOCI_DOCUMENTO VC JOIN DOCUMENTO D ON D.ID = VC.ID_DOCUMENTO LEFT JOIN CAUSALE C ON C.ID = D.ID_CAUSALE";

void AddHistoryViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    CString sql;
    sql.Format("SELECT %s, %s%s", HistoryColumns(kHistoryHead).GetString(),
               HistoryColumns("C_F_LISTINO, C_F_ULTIMO_PREZZO, C_F_MODIFICA_LISTINO, VC_ID, VC_ID_ARTICOLO, "
                              "VC_DESCRIZIONE, VC_PREZZO, VC_PREZZO_IVATO, VC_QUANTITA, VC_QUANTITA_DA_EVADERE, "
                              "VC_QUANTITA_EVASA, VC_UM, VC_ALIQUOTA_IVA, VC_SCONTA_IVA, VC_SCONTO_1, VC_SCONTO_2, "
                              "VC_SCONTO_3, VC_SCONTO_4, VC_PROVVIGIONE")
                   .GetString(),
               kHistoryFrom);
    schema.AddView("STORIA_ARTICOLO", sql);

    sql.Format("SELECT %s, %s%s", HistoryColumns(kHistoryHead).GetString(),
               HistoryColumns("C_F_LISTINO, C_F_ULTIMO_PREZZO, C_F_MODIFICA_LISTINO, VC_ID, VC_ID_ARTICOLO, "
                              "VC_DESCRIZIONE, VC_ID_TAGLIA, VC_ID_COLORE, VC_PREZZO, VC_PREZZO_IVATO, VC_QUANTITA, "
                              "VC_QUANTITA_DA_EVADERE, VC_QUANTITA_EVASA, VC_ALIQUOTA_IVA, VC_SCONTA_IVA, "
                              "VC_SCONTO_1, VC_SCONTO_2, VC_SCONTO_3, VC_SCONTO_4, VC_PROVVIGIONE")
                   .GetString(),
               kHistoryFrom);
    schema.AddView("STORIA_ARTICOLO_MODA", sql);

    // Only the lines that moved a lot.
    sql.Format("SELECT %s, %s%s WHERE VC.LOTTO_ANNO IS NOT NULL AND VC.LOTTO_NUMERO IS NOT NULL",
               HistoryColumns(kHistoryHead).GetString(),
               HistoryColumns("VC_ID, VC_ID_ARTICOLO, VC_DESCRIZIONE, VC_PREZZO, VC_QUANTITA, VC_QUANTITA_DA_EVADERE, "
                              "VC_QUANTITA_EVASA, VC_ALIQUOTA_IVA, VC_SCONTA_IVA, VC_SCONTO_1, VC_SCONTO_2, "
                              "VC_SCONTO_3, VC_SCONTO_4, VC_PROVVIGIONE, VC_LOTTO_ANNO, VC_LOTTO_NUMERO")
                   .GetString(),
               kHistoryFrom);
    schema.AddView("STORIA_LOTTO", sql);

    // The movement totals of an article per company and year recomputed from the stored lines,
    // to check the stock rows against: loads and unloads by the reason's quantity direction,
    // the value loaded at the line price (before discounts) by its value direction, the opening
    // inventory, and what open customer and supplier orders still have to deliver. Documents
    // carry no expected arrival date, so DATA_PREVISTO_ARRIVO is NULL here.
    CString quantity = Number(kind, "VC.QUANTITA"), pending = Number(kind, "VC.QUANTITA_DA_EVADERE");
    CString value;
    value.Format("%s * %s", quantity.GetString(), Number(kind, "VC.PREZZO").GetString());
    CString loaded, loadedValue;
    loaded.Format("SUM(CASE WHEN C.F_QUANTITA = 1 THEN %s ELSE 0 END)", quantity.GetString());
    loadedValue.Format("SUM(CASE WHEN C.F_VALORE = 1 THEN %s ELSE 0 END)", value.GetString());
    sql.Format("SELECT D.ID_SOCIETA AS ID_SOCIETA, D.ANNO AS ANNO, VC.ID_ARTICOLO AS ID_ARTICOLO, "
               "CAST(%s / NULLIF(%s, 0) AS TEXT) AS CMP, CAST(%s AS TEXT) AS CARICATO, "
               "CAST(SUM(CASE WHEN C.F_QUANTITA = -1 THEN %s ELSE 0 END) AS TEXT) AS SCARICATO, "
               "CAST(%s AS TEXT) AS CARICATO_VAL, "
               "CAST(SUM(CASE WHEN C.F_INVENTARIO_INIZIALE = 1 THEN %s ELSE 0 END) AS TEXT) AS ESISTENZA_INIZIALE, "
               "CAST(SUM(CASE WHEN C.F_ORDINE_DA_CLIENTE = 1 THEN %s ELSE 0 END) AS TEXT) AS QUANTITA_IMPEGNATA, "
               "CAST(SUM(CASE WHEN C.F_ORDINE_AL_FORNITORE = 1 THEN %s ELSE 0 END) AS TEXT) AS QUANTITA_IN_ARRIVO, "
               "CAST(NULL AS TIMESTAMP) AS DATA_PREVISTO_ARRIVO%s "
               "WHERE VC.ID_ARTICOLO IS NOT NULL GROUP BY D.ID_SOCIETA, D.ANNO, VC.ID_ARTICOLO",
               loadedValue.GetString(), loaded.GetString(), loaded.GetString(), quantity.GetString(),
               loadedValue.GetString(), quantity.GetString(), pending.GetString(), pending.GetString(), kHistoryFrom);
    schema.AddView("CTRL_MOVIMENTO_ARTICOLO_SOCIETA", sql);
}

void AddLotViews(CSchemaDefinition& schema)
{
    schema.AddView("LOTTO_COMPLETO",
                   "SELECT L.ANNO, L.NUMERO, L.DATA_CREAZIONE, L.DATA_SCADENZA, L.ID_ARTICOLO AS ARTICOLO_ID, "
                   "A.DESCRIZIONE AS ARTICOLO_DESCRIZIONE, L.QUANTITA_CARICATA, L.QUANTITA_SCARICATA, L.F_CHIUSO, "
                   "L.CODICE_FORNITORE "
                   "FROM LOTTO L LEFT JOIN ARTICOLO A ON A.ID = L.ID_ARTICOLO");
}

void AddFashionViews(CSchemaDefinition& schema)
{
    // Every article can be read as a fashion article; one without fashion attributes shows
    // them as NULL.
    schema.AddView("ARTICOLO_MODA_COMPLETO",
                   "SELECT AC.*, M.ID_STAGIONE, S.DESCRIZIONE AS STAGIONE, M.ID_LINEA, L.DESCRIZIONE AS LINEA, "
                   "M.ID_TESSUTO, T.DESCRIZIONE AS TESSUTO "
                   "FROM ARTICOLO_COMPLETO AC LEFT JOIN ARTICOLO_MODA M ON M.ID_ARTICOLO = AC.ID "
                   "LEFT JOIN STAGIONE S ON S.ID = M.ID_STAGIONE LEFT JOIN LINEA L ON L.ID = M.ID_LINEA "
                   "LEFT JOIN TESSUTO T ON T.ID = M.ID_TESSUTO");
    schema.AddView("ARTICOLO_MODA_LIST",
                   "SELECT AL.*, M.ID_STAGIONE, M.ID_LINEA, M.ID_TESSUTO "
                   "FROM ARTICOLO_LIST AL LEFT JOIN ARTICOLO_MODA M ON M.ID_ARTICOLO = AL.ID");
    schema.AddView("ARTICOLO_MODA_LINEA",
                   "SELECT M.ID_ARTICOLO, M.ID_STAGIONE, M.ID_LINEA, M.ID_TESSUTO, M.ID_SCALA_TAGLIA, "
                   "L.DESCRIZIONE AS LINEA_DESCRIZIONE "
                   "FROM ARTICOLO_MODA M LEFT JOIN LINEA L ON L.ID = M.ID_LINEA");
    schema.AddView("ARTICOLO_VARIANTE_COMPLETO",
                   "SELECT V.ID, V.DESCRIZIONE, V.PREZZO, V.F_PREZZO_IVATO, V.ID_ARTICOLO AS ARTICOLO_ID, "
                   "A.DESCRIZIONE AS ARTICOLO_DESCRIZIONE, V.ID_CATEGORIA AS CATEGORIA_ID, "
                   "C.DESCRIZIONE AS CATEGORIA_DESCRIZIONE "
                   "FROM ARTICOLO_VARIANTE V LEFT JOIN ARTICOLO A ON A.ID = V.ID_ARTICOLO "
                   "LEFT JOIN CATEGORIA C ON C.ID = V.ID_CATEGORIA");
    // A garment as the till sells it: its own barcode, its article's data and prices.
    schema.AddView("CAPO_COMPLETO",
                   "SELECT K.ID_ARTICOLO, K.CODICE_EAN, A.DESCRIZIONE, A.DESCRIZIONE_RIDOTTA, A.FILEFOTO, "
                   "A.PREZZO_PZ_EURO, A.PREZZO_PZ_EURO_IVATO, A.PREZZO_ACQ_PZ_EURO, A.PEZZI_X_CONFEZIONE, A.UM, "
                   "A.ID_IVA, I.ALIQUOTA AS ALIQUOTA_IVA, A.SCORTA_MINIMA, A.ID_CATEGORIA, A.ID_FAMIGLIA, A.ID_GRUPPO, "
                   "A.PROVVIGIONE, A.F_PUBBLICA, A.SCONTO_1, A.SCONTO_2, A.PREZZO_ACQ_LISTINO_EURO, K.ID_SCALA_TAGLIA, "
                   "K.ID_TAGLIA, K.ID_COLORE, K.RN, A.CODICE_INTERNO AS CODICE_INTERNO_ARTICOLO, "
                   "C.DESCRIZIONE AS COLORE, S.DESCRIZIONE AS SCALA_TAGLIA, A.SCONTO_3, A.SCONTO_4 "
                   "FROM CAPO K LEFT JOIN ARTICOLO A ON A.ID = K.ID_ARTICOLO LEFT JOIN IVA I ON I.CODICE = A.ID_IVA "
                   "LEFT JOIN COLORE C ON C.ID = K.ID_COLORE LEFT JOIN SCALA_TAGLIA S ON S.ID = K.ID_SCALA_TAGLIA");
    schema.AddView("TAGLIA_COMPLETA",
                   "SELECT T.ID AS ID_TAGLIA, T.ID_SCALA_TAGLIA, S.DESCRIZIONE AS DESCRIZIONE_SCALA_TAGLIA "
                   "FROM TAGLIA T LEFT JOIN SCALA_TAGLIA S ON S.ID = T.ID_SCALA_TAGLIA");
    schema.AddView("LINEA_COMPLETA",
                   "SELECT L.ID, L.DESCRIZIONE, L.RICARICO, L.ID_FORNITORE, AZ.RAGIONESOCIALE AS DESCRIZIONE_FORNITORE "
                   "FROM LINEA L LEFT JOIN AZIENDA AZ ON AZ.ID = L.ID_FORNITORE");
}

}  // namespace

void AddStockSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(schema);
    AddIndexes(schema);
    AddStockViews(kind, schema);
    AddLotViews(schema);
    AddFashionViews(schema);
    AddHistoryViews(kind, schema);
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_DEPOSITO_ESISTENZA", "ID_ARTICOLO");
    OwnedRows(kind, schema, "SCALA_TAGLIA", "ID", "TAGLIA", "ID_SCALA_TAGLIA");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_MODA", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "CAPO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "CAPO", "ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE", "CAPO_DEPOSITO_ESISTENZA",
              "ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_VARIANTE", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ETICHETTA_LOTTO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "LOTTO", "ANNO, NUMERO", "ETICHETTA_LOTTO", "LOTTO_ANNO, LOTTO_NUMERO");
}

}  // namespace orvel_schema
