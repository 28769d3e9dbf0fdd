// The fashion article: its load with the fashion view and the garment rows, and the garments
// made from the list in memory.
#include "orvelmagdb/domain/articles/DomainArticoloModa.h"

#include "odbc/DBException.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaCompletoSet.h"
#include "orvelmagdb/recordsets/stock/CapoSet.h"

CDomainArticoloModa::CDomainArticoloModa(CDatabase* pDatabase) : CDomainArticolo(pDatabase) {}

CDomainArticoloModa::CDomainArticoloModa(const CDomainArticoloModa& other) = default;

CDomainArticoloModa& CDomainArticoloModa::operator=(const CDomainArticoloModa& other) = default;

CDomainArticoloModa::~CDomainArticoloModa() = default;

bool CDomainArticoloModa::DB_Load(bool loadGarments)
{
    if (ID.IsEmpty())
        return false;
    return ReportDBErrorText([&] {
        const CString id = SetFilterParam(ID);
        {
            CArticoloModaCompletoSet rs(GetDatabase());
            rs.m_strFilter.Format("ID = '%s'", (LPCTSTR)id);
            rs.Open();
            if (rs.IsEOF())
                return false;
            FromRecordset(rs);
            rs.Close();
            ImpostaPrecisioni();
        }
        if (!loadGarments)
            return true;
        CCapoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_ARTICOLO = '%s'", (LPCTSTR)id);
        rs.m_strSort = "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE";
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CDomainVarianteCapo variant;
            variant.Set_CAPO_ID_SCALA_TAGLIA(rs.ID_SCALA_TAGLIA);
            variant.Set_CAPO_ID_TAGLIA(rs.ID_TAGLIA);
            variant.Set_CAPO_ID_COLORE(rs.ID_COLORE);
            variant.Set_CAPO_CODICE_EAN(rs.CODICE_EAN);
            variant.Set_CAPO_RN(rs.RN);
            m_arrCapi.Add(variant);
        }
        rs.Close();
        return true;
    });
}

void CDomainArticoloModa::FromRecordset(CArticoloModaCompletoSet& rs)
{
    CDomainArticolo::FromRecordset(rs);
    ID_STAGIONE = rs.ID_STAGIONE;
    STAGIONE = rs.STAGIONE;
    ID_LINEA = rs.ID_LINEA;
    LINEA = rs.LINEA;
    ID_TESSUTO = rs.ID_TESSUTO;
    TESSUTO = rs.TESSUTO;
}

template <typename Match>
CDomainCapoModa CDomainArticoloModa::FindCapo(Match&& match) const
{
    CDomainCapoModa capo(GetDatabase());
    for (INT_PTR i = 0; i < m_arrCapi.GetSize(); ++i) {
        if (match(m_arrCapi[i])) {
            static_cast<CDomainArticolo&>(capo) = *this;
            static_cast<CDomainVarianteCapo&>(capo) = m_arrCapi[i];
            break;
        }
    }
    return capo;
}

CDomainCapoModa CDomainArticoloModa::GetCapo(const CString& ean) const
{
    return FindCapo([&](const CDomainVarianteCapo& v) { return v.Get_CAPO_CODICE_EAN() == ean; });
}

CDomainCapoModa CDomainArticoloModa::GetCapo(const CString& scalaTaglia, const CString& taglia,
                                             const CString& colore) const
{
    return FindCapo([&](const CDomainVarianteCapo& v) {
        return v.Get_CAPO_ID_SCALA_TAGLIA() == scalaTaglia && v.Get_CAPO_ID_TAGLIA() == taglia &&
               v.Get_CAPO_ID_COLORE() == colore;
    });
}

CDomainCapoModa CDomainArticoloModa::GetCapo(long rn) const
{
    return FindCapo([&](const CDomainVarianteCapo& v) { return v.Get_CAPO_RN() == rn; });
}
