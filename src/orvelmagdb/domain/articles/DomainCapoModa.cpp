// The garment: its lookups by barcode or by article, size scale, size and colour, and the
// reading of a garment row, whose prices go through the article's price setters so that the
// garment's net cost, mark-up and list price agree with each other as the article's do.
#include "orvelmagdb/domain/articles/DomainCapoModa.h"

#include "odbc/DBException.h"
#include "orvelmagdb/recordsets/stock/CapoCompletoSet.h"

CDomainCapoModa::CDomainCapoModa(CDatabase* pDatabase) : CDomainArticolo(pDatabase) {}

CDomainCapoModa::CDomainCapoModa(const CDomainCapoModa& other) = default;

CDomainCapoModa& CDomainCapoModa::operator=(const CDomainCapoModa& other) = default;

CDomainCapoModa::~CDomainCapoModa() = default;

const CString& CDomainCapoModa::Get_CODICE_EAN() const { return CAPO_CODICE_EAN; }

void CDomainCapoModa::Set_CODICE_EAN(const CString& value)
{
    CAPO_CODICE_EAN = value;
    CDomainArticolo::Set_CODICE_EAN(value);
}

bool CDomainCapoModa::DB_Load()
{
    const bool byBarcode = !CAPO_CODICE_EAN.IsEmpty();
    if (!byBarcode && (ID.IsEmpty() || CAPO_ID_SCALA_TAGLIA.IsEmpty() || CAPO_ID_TAGLIA.IsEmpty() ||
                       CAPO_ID_COLORE.IsEmpty())) {
        AfxMessageBox("Dati insufficienti per caricare il capo", MB_ICONEXCLAMATION);
        return false;
    }
    return ReportDBErrorText([&] {
        CCapoCompletoSet rs(GetDatabase());
        if (byBarcode)
            rs.m_strFilter.Format("CODICE_EAN = '%s'", (LPCTSTR)SetFilterParam(CAPO_CODICE_EAN));
        else
            rs.m_strFilter.Format("( ID_ARTICOLO = '%s' ) AND ( ID_SCALA_TAGLIA = '%s' ) AND ( ID_TAGLIA = '%s' ) "
                                  "AND ( ID_COLORE = '%s' )",
                                  (LPCTSTR)SetFilterParam(ID), (LPCTSTR)SetFilterParam(CAPO_ID_SCALA_TAGLIA),
                                  (LPCTSTR)SetFilterParam(CAPO_ID_TAGLIA), (LPCTSTR)SetFilterParam(CAPO_ID_COLORE));
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
}

void CDomainCapoModa::FromRecordset(const CCapoCompletoSet& rs)
{
    Set_ID(rs.ID_ARTICOLO);
    DESCRIZIONE = rs.DESCRIZIONE;
    DESCRIZIONE_RIDOTTA = rs.DESCRIZIONE_RIDOTTA;
    FILEFOTO = rs.FILEFOTO;
    UM = rs.UM;
    SCORTA_MINIMA = Decimal(rs.SCORTA_MINIMA, 127);

    CAPO_CODICE_EAN = rs.CODICE_EAN;
    Set_CODICE_EAN(rs.CODICE_EAN);

    ID_IVA = rs.ID_IVA;
    Set_ALIQUOTA_IVA(rs.ALIQUOTA_IVA);
    ID_CATEGORIA = rs.ID_CATEGORIA;
    ID_FAMIGLIA = rs.ID_FAMIGLIA;
    ID_GRUPPO = rs.ID_GRUPPO;
    CAPO_ID_SCALA_TAGLIA = rs.ID_SCALA_TAGLIA;
    CAPO_ID_TAGLIA = rs.ID_TAGLIA;
    CAPO_ID_COLORE = rs.ID_COLORE;
    CAPO_RN = rs.RN;

    // The price chain in the order a user would enter it, each step recomputing what follows;
    // the net cost and the sale price set last are the stored ones, and the price with VAT is
    // taken as stored, so the garment sells at exactly the model's price.
    Set_PREZZO_ACQ_LISTINO_EURO(Decimal(rs.PREZZO_ACQ_LISTINO_EURO, 127), true, true);
    Set_SCONTO_1(Decimal(rs.SCONTO_1, 127), true);
    Set_SCONTO_2(Decimal(rs.SCONTO_2, 127), true);
    Set_SCONTO_3(Decimal(rs.SCONTO_3, 127), true);
    Set_SCONTO_4(Decimal(rs.SCONTO_4, 127), true);
    Set_PREZZO_ACQ_PZ_EURO(Decimal(rs.PREZZO_ACQ_PZ_EURO, 127), true, true);
    Set_PREZZO_PZ_EURO(Decimal(rs.PREZZO_PZ_EURO, 127), true);
    PREZZO_PZ_EURO_IVATO = Decimal(rs.PREZZO_PZ_EURO_IVATO, 127);

    ImpostaPrecisioni();
    RICARICO = CalcolaRicarico();
    ImpostaPrecisioni();
}
