// The tables and views of articles: the article itself, what it owns (suppliers, alternative codes,
// alternative units, containers carried, bill of materials), the price lists, labels, catalogues
// and the discount bands by category and by partner, and the joined views the library and the
// hosts read.
//
// Article codes are text keys that the host or the code generator supplies. Amounts, prices,
// percentages and quantities are TEXT in the invariant decimal form, so no database rounds them.
// An article owns its child rows: deleting it removes them (ON DELETE CASCADE; SQLite enforces
// foreign keys only on connections that ask for it, PostgreSQL always).
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

namespace orvel_schema {

namespace {

// A text amount as a number for arithmetic inside a view. SQLite computes in REAL (about 15
// significant digits, plenty for a cost times a quantity, and its text form is the shortest that
// reads back the same); PostgreSQL in exact NUMERIC.
CString Number(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(%s AS NUMERIC)" : "CAST(%s AS REAL)", column);
    return sql;
}

// The whole part of a text rate, as an integer column (a VAT rate of "22" gives 22, "10.5" gives
// 10 on both databases).
CString WholePart(CDialect::Kind kind, const char* column)
{
    CString sql;
    sql.Format(kind == CDialect::postgresql ? "CAST(TRUNC(CAST(%s AS NUMERIC)) AS INTEGER)"
                                            : "CAST(CAST(%s AS REAL) AS INTEGER)",
               column);
    return sql;
}

// SQLite checks foreign keys only on connections that switch them on, so there the rows a
// parent owns are removed by a trigger instead, and deleting the parent behaves the same on every
// database. The keys are matched column by column ("A, B" against "X, Y").
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
    // Kinds of article, and the price formulas an article may name for its sale price and its
    // net cost; hosts fill both.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CTipoArticoloSet), {{"ID", "PRIMARY KEY"}});
    schema.AddTable("FORMULA_PREZZO", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT");

    // The article. ID_TIPO_ARTICOLO is written as the article holds it (0 for none), so it has no
    // foreign key; UM is not tied to the unit table either, because the default unit of new
    // articles comes from the configuration and may name a unit the shop never listed.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_IVA", "REFERENCES IVA (CODICE)"}, {"ID_CATEGORIA", "REFERENCES CATEGORIA (ID)"},
        {"ID_FAMIGLIA", "REFERENCES FAMIGLIA (ID)"}, {"ID_GRUPPO", "REFERENCES GRUPPO (ID)"},
        {"ID_REPARTO", "REFERENCES REPARTO (ID)"}, {"ID_FORMULA_PREZZO_VENDITA", "REFERENCES FORMULA_PREZZO (ID)"},
        {"ID_FORMULA_COSTO_NETTO", "REFERENCES FORMULA_PREZZO (ID)"}});

    // What the article owns and rewrites whole on every save: one row per supplier, per
    // alternative code, per alternative unit. An alternative code leads to one article only (see
    // the unique keys below).
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CARTICOLO_FORNITORE), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_FORNITORE", "NOT NULL REFERENCES AZIENDA (ID)"}}, "PRIMARY KEY (ID_ARTICOLO, ID_FORNITORE)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCodiceAlternativoArticolo), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}, {"CODICE", "NOT NULL"},
        {"TIPO", "NOT NULL"}}, "PRIMARY KEY (ID_ARTICOLO, CODICE, TIPO)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloUmAlternativaSet), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_UNITA_MISURA", "NOT NULL REFERENCES UNITA_MISURA (ID)"}}, "PRIMARY KEY (ID_ARTICOLO, ID_UNITA_MISURA)");

    // Prices of articles in the price lists, with and without VAT as the host computed them (kept
    // both, like the article's own prices, so that no view has to round).
    schema.AddTable("LISTINO_ARTICOLO",
                    "ID_LISTINO TEXT NOT NULL REFERENCES LISTINO (ID) ON DELETE CASCADE, "
                    "ID_ARTICOLO TEXT NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE, PREZZO TEXT, "
                    "PREZZO_IVATO TEXT, PRIMARY KEY (ID_LISTINO, ID_ARTICOLO)");

    // Returnable containers and how many of each an article carries (a crate of 12 bottles
    // carries one crate and 12 bottles).
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVuotoSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CArticoloContieneVuotiSet), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_VUOTO", "NOT NULL REFERENCES VUOTO (ID)"}}, "PRIMARY KEY (ID_ARTICOLO, ID_VUOTO)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CImballoSet), {{"ID", "NOT NULL PRIMARY KEY"}});

    // Bill of materials: each raw material appears once per article, with its level in the
    // product tree and its position in the list.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CDistintaArticoloSet), {
        {"ID_ARTICOLO", "NOT NULL REFERENCES ARTICOLO (ID) ON DELETE CASCADE"},
        {"ID_ARTICOLO_MATERIA_PRIMA", "NOT NULL REFERENCES ARTICOLO (ID)"}},
        "PRIMARY KEY (ID_ARTICOLO, ID_ARTICOLO_MATERIA_PRIMA)");

    // Labels waiting to be printed, numbered by the host; a label may carry free texts only.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CEtichettaSet), {{"NUMERO", "PRIMARY KEY"},
        {"ID_ARTICOLO", "REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}});

    // Catalogues and their entries (articles, categories or families), by position.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCatalogoCategoriaSet), {{"ID", "PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVoceCatalogoArticoloSet), {{"NUMERO", "NOT NULL"},
        {"ID_CATALOGO_CATEGORIA", "NOT NULL REFERENCES CATALOGO_CATEGORIA (ID) ON DELETE CASCADE"},
        {"ID_ARTICOLO", "REFERENCES ARTICOLO (ID) ON DELETE CASCADE"}}, "PRIMARY KEY (ID_CATALOGO_CATEGORIA, NUMERO)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVoceCatalogoCategoriaSet), {{"NUMERO", "NOT NULL"},
        {"ID_CATALOGO_CATEGORIA", "NOT NULL REFERENCES CATALOGO_CATEGORIA (ID) ON DELETE CASCADE"},
        {"ID_CATEGORIA", "REFERENCES CATEGORIA (ID) ON DELETE CASCADE"}},
        "PRIMARY KEY (ID_CATALOGO_CATEGORIA, NUMERO)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CVoceCatalogoFamigliaSet), {{"NUMERO", "NOT NULL"},
        {"ID_CATALOGO_CATEGORIA", "NOT NULL REFERENCES CATALOGO_CATEGORIA (ID) ON DELETE CASCADE"},
        {"ID_FAMIGLIA", "REFERENCES FAMIGLIA (ID) ON DELETE CASCADE"}}, "PRIMARY KEY (ID_CATALOGO_CATEGORIA, NUMERO)");

    // Discount bands of an article category (at most one is its default, see the unique index
    // below) and the band a partner gets on a category, which wins over the default.
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCategoriaScontoSet), {
        {"ID_CATEGORIA", "NOT NULL REFERENCES CATEGORIA (ID) ON DELETE CASCADE"},
        {"ID_SCONTO", "NOT NULL REFERENCES SCONTO (ID) ON DELETE CASCADE"}}, "PRIMARY KEY (ID_CATEGORIA, ID_SCONTO)");
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CSoggettoCategoriaScontoSet), {
        {"ID_SOGGETTO", "NOT NULL REFERENCES AZIENDA (ID) ON DELETE CASCADE"},
        {"ID_CATEGORIA", "NOT NULL REFERENCES CATEGORIA (ID) ON DELETE CASCADE"},
        {"ID_SCONTO", "REFERENCES SCONTO (ID) ON DELETE CASCADE"}}, "PRIMARY KEY (ID_SOGGETTO, ID_CATEGORIA)");
}

void AddIndexes(CSchemaDefinition& schema)
{
    // Article lookups: by barcode, by internal code, and the first article of a category,
    // family or group.
    schema.AddIndex("IX_ARTICOLO_CODICE_EAN", "ARTICOLO", "CODICE_EAN");
    schema.AddIndex("IX_ARTICOLO_CODICE_INTERNO", "ARTICOLO", "CODICE_INTERNO");
    schema.AddIndex("IX_ARTICOLO_CATEGORIA", "ARTICOLO", "ID_CATEGORIA, ID");
    schema.AddIndex("IX_ARTICOLO_FAMIGLIA", "ARTICOLO", "ID_FAMIGLIA, ID");
    schema.AddIndex("IX_ARTICOLO_GRUPPO", "ARTICOLO", "ID_GRUPPO, ID");
    // An alternative code is looked up by code and type; the articles of a supplier, a
    // container or a raw material from that side.
    schema.AddIndex("IX_CODICE_ALTERNATIVO_CODICE", "CODICE_ALTERNATIVO_ARTICOLO", "CODICE, TIPO");
    schema.AddIndex("IX_ARTICOLO_FORNITORE_FORNITORE", "ARTICOLO_FORNITORE", "ID_FORNITORE");
    schema.AddIndex("IX_ARTICOLO_CONTIENE_VUOTO_VUOTO", "ARTICOLO_CONTIENE_VUOTO", "ID_VUOTO");
    schema.AddIndex("IX_DISTINTA_MATERIA_PRIMA", "DISTINTA_ARTICOLO", "ID_ARTICOLO_MATERIA_PRIMA");
    schema.AddIndex("IX_LISTINO_ARTICOLO_ARTICOLO", "LISTINO_ARTICOLO", "ID_ARTICOLO");
    schema.AddIndex("IX_ETICHETTA_ARTICOLO", "ETICHETTA", "ID_ARTICOLO");
    schema.AddIndex("IX_VOCE_CATALOGO_ARTICOLO_ARTICOLO", "VOCE_CATALOGO_ARTICOLO", "ID_ARTICOLO");
    schema.AddIndex("IX_SOGGETTO_CATEGORIA_SCONTO_CATEGORIA", "SOGGETTO_CATEGORIA_SCONTO", "ID_CATEGORIA");
}

void AddViews(CDialect::Kind kind, CSchemaDefinition& schema)
{
    // The article with the descriptions of what it refers to; every reference is a LEFT JOIN, so
    // an article whose category (say) is missing still shows, with NULL descriptions.
    schema.AddView(
        "ARTICOLO_COMPLETO",
        "SELECT A.ID, A.CODICE_EAN, A.CODICE_INTERNO, A.DESCRIZIONE, A.DESCRIZIONE_RIDOTTA, A.FILEFOTO, "
        "A.PREZZO_PZ_EURO, A.PREZZO_ACQ_PZ_EURO, A.PEZZI_X_CONFEZIONE, A.UM, A.ID_IVA, "
        "I.DESCRIZIONE AS DESCRIZIONE_IVA, I.ALIQUOTA AS ALIQUOTA_IVA, A.SCORTA_MINIMA, A.ID_CATEGORIA, "
        "A.ID_FAMIGLIA, A.ID_GRUPPO, C.DESCRIZIONE AS CATEGORIA, F.DESCRIZIONE AS FAMIGLIA, G.DESCRIZIONE AS GRUPPO, "
        "A.PROVVIGIONE, A.F_PUBBLICA, A.PREZZO_ACQ_LISTINO_EURO, A.SCONTO_1, A.SCONTO_2, A.SCONTO_3, A.SCONTO_4, "
        "I.CODICE_CASSA AS CODICE_CASSA_IVA, A.ID_REPARTO, R.DESCRIZIONE AS REPARTO, "
        "FV.ID AS FOR_PREZZO_VENDITA_ID, FV.DESCRIZIONE AS FOR_PREZZO_VENDITA_DESCRIZIONE, "
        "FC.ID AS FOR_COSTO_NETTO_ID, FC.DESCRIZIONE AS FOR_COSTO_NETTO_DESCRIZIONE, A.PREZZO_PZ_EURO_IVATO, "
        "A.DENSITA, A.ID_TIPO_ARTICOLO, A.F_RIPORTA_NOTE, A.F_GESTISCI_GIACENZE, A.F_STAMPA_IN_SCONTRINO, "
        "A.F_GESTISCI_LOTTI, A.NOTE, A.INFO_STR1, A.INFO_STR2, A.INFO_STR3, A.INFO_STR4, A.INFO_STR5, A.INFO_NUM1, "
        "A.INFO_NUM2, A.INFO_NUM3, A.INFO_NUM4, A.INFO_NUM5, F.PERC_COSTO_OMAGGIO, A.PREZZO_IMPOSTO_IVATO, "
        "A.SCONTO_PREZZO_IMPOSTO, A.SCONTO_VEND1, A.SCONTO_VEND2, A.SCONTO_VEND3, A.SCONTO_VEND4, A.F_MODIFICATO, "
        "A.ART_PESO_KG, A.ART_LUNGHEZZA_CM, A.ART_LARGHEZZA_CM, A.ART_ALTEZZA_CM, A.ART_VOLUME_M3, A.CONF_PESO_KG, "
        "A.CONF_LUNGHEZZA_CM, A.CONF_LARGHEZZA_CM, A.CONF_ALTEZZA_CM, A.CONF_VOLUME_M3, A.PERCENTUALE_DAZIO, "
        "A.RAEE_EURO "
        "FROM ARTICOLO A LEFT JOIN IVA I ON I.CODICE = A.ID_IVA LEFT JOIN CATEGORIA C ON C.ID = A.ID_CATEGORIA "
        "LEFT JOIN FAMIGLIA F ON F.ID = A.ID_FAMIGLIA LEFT JOIN GRUPPO G ON G.ID = A.ID_GRUPPO "
        "LEFT JOIN REPARTO R ON R.ID = A.ID_REPARTO "
        "LEFT JOIN FORMULA_PREZZO FV ON FV.ID = A.ID_FORMULA_PREZZO_VENDITA "
        "LEFT JOIN FORMULA_PREZZO FC ON FC.ID = A.ID_FORMULA_COSTO_NETTO");

    schema.AddView("ARTICOLO_LIST",
                   "SELECT A.ID, A.DESCRIZIONE, A.CODICE_EAN, A.PREZZO_PZ_EURO, A.PREZZO_ACQ_PZ_EURO, A.ID_CATEGORIA, "
                   "A.F_PUBBLICA, A.ID_FAMIGLIA, A.ID_GRUPPO, A.ID_IVA, A.ID_REPARTO, A.PREZZO_PZ_EURO_IVATO, "
                   "I.ALIQUOTA AS ALIQUOTA_IVA, A.ID_TIPO_ARTICOLO, A.CODICE_INTERNO "
                   "FROM ARTICOLO A LEFT JOIN IVA I ON I.CODICE = A.ID_IVA");

    schema.AddView("ARTICOLO_IVA",
                   "SELECT A.ID, A.CODICE_EAN, A.CODICE_INTERNO, A.DESCRIZIONE, A.DESCRIZIONE_RIDOTTA, A.FILEFOTO, "
                   "A.PREZZO_PZ_EURO, A.PREZZO_ACQ_PZ_EURO, A.PEZZI_X_CONFEZIONE, A.UM, A.ID_IVA, "
                   "I.ALIQUOTA AS ALIQUOTA_IVA, A.SCORTA_MINIMA, A.ID_CATEGORIA, A.ID_FAMIGLIA, A.ID_GRUPPO, A.NOTE, "
                   "A.INFO_STR1, A.INFO_STR2, A.INFO_STR3, A.INFO_STR4, A.INFO_STR5, A.INFO_NUM1, A.INFO_NUM2, "
                   "A.INFO_NUM3, A.INFO_NUM4, A.INFO_NUM5, A.F_PUBBLICA, A.PREZZO_ACQ_LISTINO_EURO, A.PROVVIGIONE, "
                   "A.SCONTO_1, A.SCONTO_2, A.SCONTO_3, A.SCONTO_4, A.PREZZO_PZ_EURO_IVATO "
                   "FROM ARTICOLO A LEFT JOIN IVA I ON I.CODICE = A.ID_IVA");

    schema.AddView("ARTICOLO_CASSA",
                   "SELECT A.ID, A.CODICE_EAN, A.CODICE_INTERNO, A.DESCRIZIONE, A.DESCRIZIONE_RIDOTTA, A.FILEFOTO, "
                   "A.PREZZO_PZ_EURO, A.PREZZO_ACQ_PZ_EURO, A.PEZZI_X_CONFEZIONE, A.UM, A.ID_IVA, "
                   "I.ALIQUOTA AS ALIQUOTA_IVA, I.CODICE_CASSA AS CODICE_CASSA_IVA, A.SCORTA_MINIMA, A.PROVVIGIONE, "
                   "A.F_PUBBLICA, A.SCONTO_1, A.SCONTO_2, A.PREZZO_ACQ_LISTINO_EURO, R.ID AS REP_ID, "
                   "R.DESCRIZIONE AS REP_DESCRIZIONE, A.ID_CATEGORIA, A.ID_FAMIGLIA, A.ID_GRUPPO, "
                   "A.PREZZO_PZ_EURO_IVATO "
                   "FROM ARTICOLO A LEFT JOIN IVA I ON I.CODICE = A.ID_IVA LEFT JOIN REPARTO R ON R.ID = A.ID_REPARTO");

    schema.AddView("ARTICOLO_PROG_CASSA",
                   "SELECT A.ID, A.CODICE_EAN, A.DESCRIZIONE, A.DESCRIZIONE_RIDOTTA, A.PREZZO_PZ_EURO_IVATO, "
                   "A.ID_REPARTO, I.CODICE_CASSA AS CODICE_CASSA_IVA, A.F_MODIFICATO "
                   "FROM ARTICOLO A LEFT JOIN IVA I ON I.CODICE = A.ID_IVA");

    schema.AddView("ARTICOLO_FORNITORE_COMPLETO",
                   "SELECT AF.ID_ARTICOLO, AF.ID_FORNITORE, AZ.RAGIONESOCIALE AS RAGIONE_SOCIALE, AF.CODICE_FORNITORE, "
                   "AF.DESCRIZIONE_FORNITORE "
                   "FROM ARTICOLO_FORNITORE AF LEFT JOIN AZIENDA AZ ON AZ.ID = AF.ID_FORNITORE");

    schema.AddView("LISTINO_ARTICOLO_IVA",
                   "SELECT L.ID AS LIS_ID, L.DESCRIZIONE AS LIS_DESCRIZIONE, L.TIPO_LISTINO AS LIS_TIPO_LISTINO, "
                   "A.ID AS ART_ID, A.DESCRIZIONE AS ART_DESCRIZIONE, I.ALIQUOTA AS ART_ALIQUOTA_IVA, "
                   "LA.PREZZO AS ART_PREZZO, LA.PREZZO_IVATO AS ART_PREZZO_IVATO "
                   "FROM LISTINO_ARTICOLO LA JOIN LISTINO L ON L.ID = LA.ID_LISTINO "
                   "JOIN ARTICOLO A ON A.ID = LA.ID_ARTICOLO LEFT JOIN IVA I ON I.CODICE = A.ID_IVA");

    CString sql;
    sql.Format("SELECT ACV.ID_ARTICOLO, ACV.ID_VUOTO, ACV.NUMERO AS V_NUMERO_VUOTI_ARTICOLO, "
               "V.CODICE_INTERNO AS V_CODICE_INTERNO, V.DESCRIZIONE AS V_DESCRIZIONE, "
               "V.PREZZO_PZ_EURO AS V_PREZZO_PZ_EURO, %s AS V_ALIQUOTA_IVA, "
               "V.PREZZO_ACQ_PZ_EURO AS V_PREZZO_ACQ_PZ_EURO "
               "FROM ARTICOLO_CONTIENE_VUOTO ACV LEFT JOIN VUOTO V ON V.ID = ACV.ID_VUOTO",
               WholePart(kind, "V.ALIQUOTA_IVA").GetString());
    schema.AddView("ARTICOLO_CONTIENE_VUOTO_COMPL", sql);

    // The raw materials of an article with their data; the net cost of a line is the raw
    // material's net purchase price per piece times the quantity (NULL when either is missing).
    sql.Format("SELECT D.ID_ARTICOLO, D.ID_ARTICOLO_MATERIA_PRIMA, M.DESCRIZIONE AS DESCR_ARTICOLO_MATERIA_PRIMA, "
               "M.PEZZI_X_CONFEZIONE, M.CODICE_EAN, M.ID_IVA, I.ALIQUOTA AS ALIQUOTA_IVA, D.UM, D.QUANTITA, "
               "D.ORDINAMENTO, M.PREZZO_ACQ_PZ_EURO AS COSTO_NETTO_UNITARIO, CAST(%s * %s AS TEXT) AS COSTO_NETTO, "
               "D.LIVELLO "
               "FROM DISTINTA_ARTICOLO D LEFT JOIN ARTICOLO M ON M.ID = D.ID_ARTICOLO_MATERIA_PRIMA "
               "LEFT JOIN IVA I ON I.CODICE = M.ID_IVA",
               Number(kind, "M.PREZZO_ACQ_PZ_EURO").GetString(), Number(kind, "D.QUANTITA").GetString());
    schema.AddView("DISTINTA_ARTICOLO_COMPLETA", sql);

    schema.AddView("VOCE_CATALOGO_ARTICOLO_COMP",
                   "SELECT V.NUMERO, V.ID_ARTICOLO, A.DESCRIZIONE, A.FILEFOTO, V.ID_CATALOGO_CATEGORIA "
                   "FROM VOCE_CATALOGO_ARTICOLO V LEFT JOIN ARTICOLO A ON A.ID = V.ID_ARTICOLO");
    schema.AddView("VOCE_CATALOGO_CATEGORIA_COMP",
                   "SELECT V.NUMERO AS VC_NUMERO, K.ID AS CATALOGO_ID, K.NOME AS CATALOGO_NOME, "
                   "V.ID_CATEGORIA AS CATEGORIA_ID, C.DESCRIZIONE AS CATEGORIA_DESCRIZIONE "
                   "FROM VOCE_CATALOGO_CATEGORIA V JOIN CATALOGO_CATEGORIA K ON K.ID = V.ID_CATALOGO_CATEGORIA "
                   "LEFT JOIN CATEGORIA C ON C.ID = V.ID_CATEGORIA");
    schema.AddView("VOCE_CATALOGO_FAMIGLIA_COMP",
                   "SELECT V.NUMERO AS VC_NUMERO, K.ID AS CATALOGO_ID, K.NOME AS CATALOGO_NOME, "
                   "V.ID_FAMIGLIA AS FAMIGLIA_ID, F.DESCRIZIONE AS FAMIGLIA_DESCRIZIONE "
                   "FROM VOCE_CATALOGO_FAMIGLIA V JOIN CATALOGO_CATEGORIA K ON K.ID = V.ID_CATALOGO_CATEGORIA "
                   "LEFT JOIN FAMIGLIA F ON F.ID = V.ID_FAMIGLIA");

    schema.AddView("CATEGORIA_SCONTO_COMPLETO",
                   "SELECT CS.ID_CATEGORIA AS CATEGORIA_ID, C.DESCRIZIONE AS CATEGORIA_DESCRIZIONE, "
                   "CS.ID_SCONTO AS SCONTO_ID, S.DESCRIZIONE AS SCONTO_DESCRIZIONE, S.SCONTO_1, S.SCONTO_2, "
                   "S.SCONTO_3, S.SCONTO_4, S.PROVVIGIONE, CS.F_PREDEFINITO "
                   "FROM CATEGORIA_SCONTO CS LEFT JOIN CATEGORIA C ON C.ID = CS.ID_CATEGORIA "
                   "LEFT JOIN SCONTO S ON S.ID = CS.ID_SCONTO");
    schema.AddView("SOGGETTO_CATEGORIA_SCONTO_COMP",
                   "SELECT SCS.ID_SOGGETTO AS SOGGETTO_ID, SCS.ID_CATEGORIA AS CATEGORIA_ID, SCS.ID_SCONTO AS SCONTO_ID, "
                   "S.DESCRIZIONE AS SCONTO_DESCRIZIONE, S.SCONTO_1, S.SCONTO_2, S.SCONTO_3, S.SCONTO_4, S.PROVVIGIONE "
                   "FROM SOGGETTO_CATEGORIA_SCONTO SCS LEFT JOIN SCONTO S ON S.ID = SCS.ID_SCONTO");
}

}  // namespace

void AddArticleSchema(CDialect::Kind kind, CSchemaDefinition& schema)
{
    AddTables(schema);
    AddIndexes(schema);
    AddViews(kind, schema);
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_FORNITORE", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "CODICE_ALTERNATIVO_ARTICOLO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_UM_ALTERNATIVA", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "LISTINO_ARTICOLO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "LISTINO", "ID", "LISTINO_ARTICOLO", "ID_LISTINO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ARTICOLO_CONTIENE_VUOTO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "DISTINTA_ARTICOLO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "ETICHETTA", "ID_ARTICOLO");
    OwnedRows(kind, schema, "CATALOGO_CATEGORIA", "ID", "VOCE_CATALOGO_ARTICOLO", "ID_CATALOGO_CATEGORIA");
    OwnedRows(kind, schema, "CATALOGO_CATEGORIA", "ID", "VOCE_CATALOGO_CATEGORIA", "ID_CATALOGO_CATEGORIA");
    OwnedRows(kind, schema, "CATALOGO_CATEGORIA", "ID", "VOCE_CATALOGO_FAMIGLIA", "ID_CATALOGO_CATEGORIA");
    OwnedRows(kind, schema, "ARTICOLO", "ID", "VOCE_CATALOGO_ARTICOLO", "ID_ARTICOLO");
    OwnedRows(kind, schema, "CATEGORIA", "ID", "VOCE_CATALOGO_CATEGORIA", "ID_CATEGORIA");
    OwnedRows(kind, schema, "FAMIGLIA", "ID", "VOCE_CATALOGO_FAMIGLIA", "ID_FAMIGLIA");
    OwnedRows(kind, schema, "CATEGORIA", "ID", "CATEGORIA_SCONTO", "ID_CATEGORIA");
    OwnedRows(kind, schema, "SCONTO", "ID", "CATEGORIA_SCONTO", "ID_SCONTO");
    OwnedRows(kind, schema, "AZIENDA", "ID", "SOGGETTO_CATEGORIA_SCONTO", "ID_SOGGETTO");
    OwnedRows(kind, schema, "CATEGORIA", "ID", "SOGGETTO_CATEGORIA_SCONTO", "ID_CATEGORIA");
    OwnedRows(kind, schema, "SCONTO", "ID", "SOGGETTO_CATEGORIA_SCONTO", "ID_SCONTO");
    for (const UniqueKey& key : UniqueKeys())
        schema.AddStatement(key.CreateStatement());
}

CString UniqueKey::CreateStatement() const
{
    CString sql;
    sql.Format("CREATE UNIQUE INDEX %s ON %s (%s) WHERE %s", index, table, column, condition);
    return sql;
}

const std::vector<UniqueKey>& UniqueKeys()
{
    // A till resolves what it reads to one article: an EAN, or a barcode-like alternative code
    // (any type but 0), through the barcodes; a typed code through the article codes and the
    // type-0 alternative codes. Each must therefore lead to one article only; the lookups take the
    // first match and would otherwise pick one at random. An empty EAN is no EAN. (That an article
    // code is not another article's type-0 code, or an EAN another's barcode, spans two tables
    // and is checked by the writers.) A category has at most one default discount band, for the
    // same reason. A numbered document is the only one of its reason, company, series and year
    // with its number, whichever till numbered it.
    static const std::vector<UniqueKey> keys = {
        {"UX_ARTICOLO_CODICE_EAN", "ARTICOLO", "CODICE_EAN", "ID", "CODICE_EAN IS NOT NULL AND CODICE_EAN <> ''",
         "EAN", "articles"},
        {"UX_CODICE_ALTERNATIVO_BARCODE", "CODICE_ALTERNATIVO_ARTICOLO", "CODICE", "ID_ARTICOLO", "TIPO <> 0",
         "barcode-like alternative code", "articles"},
        {"UX_CODICE_ALTERNATIVO_ARTICOLO", "CODICE_ALTERNATIVO_ARTICOLO", "CODICE", "ID_ARTICOLO", "TIPO = 0",
         "type-0 alternative code", "articles"},
        {"UX_CATEGORIA_SCONTO_PREDEFINITO", "CATEGORIA_SCONTO", "ID_CATEGORIA", "ID_SCONTO", "F_PREDEFINITO = 1",
         "default discount band of category", "bands"},
        {"UX_DOCUMENTO_NUMERO", "DOCUMENTO", "ID_CAUSALE, ID_SOCIETA, SERIE, ANNO, NUMERO", "ID", "NUMERO > 0",
         "number (reason, company, series, year, number)", "documents"},
    };
    return keys;
}

}  // namespace orvel_schema
