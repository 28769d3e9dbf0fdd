// Restaurant document: the restaurant-order detail, the lines read back in writing order, and the
// pre-bill of a restaurant order with its service and cover charges.
#include "orvelmagdb/domain/documents/DomainDocumentoComanda.h"

#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoComanda.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelristdb/recordsets/ComandaOrdineSet.h"
#include "orvelristdb/recordsets/ComandaSet.h"

namespace {

CConfigAdministrator* Config() { return CApplicationAdministrator::GetInstance()->GetConfig(); }

}  // namespace

CDomainDocumentoComanda::CDomainDocumentoComanda(CDatabase* pDatabase)
    : CDomainDocumentoMagazzino(pDatabase),
      m_strDescrizioneCoperto(Config()->GetParam("default/ristorazione/coperto/descrizione")),
      m_strDescrizioneServizio(Config()->GetParam("default/ristorazione/servizio/descrizione"))
{
    DETTAGLIO = std::make_unique<CDomainDettaglioDocumentoComanda>(pDatabase);
}

// The header copy clones the source's detail, which is a restaurant-order detail already.
CDomainDocumentoComanda::CDomainDocumentoComanda(const CDomainDocumentoComanda& other) = default;

CDomainDocumentoComanda& CDomainDocumentoComanda::operator=(const CDomainDocumentoComanda& other) = default;

CDomainDocumentoComanda::~CDomainDocumentoComanda() = default;

bool CDomainDocumentoComanda::Load_DETTAGLIO()
{
    return LoadVoci("ID");
}

// Each row of the restaurant order names one order document sent to the kitchen. A document that
// is already linked is skipped by the link itself, so a pre-bill built again brings in only the
// orders sent since. An order whose header does not load has no lines to give.
bool CDomainDocumentoComanda::CaricaPreConto(long idComanda, bool servizio, bool coperti)
{
    return ReportDBErrors([&] {
        DETTAGLIO->RemoveAll();
        SetCausale(ID_CAUSALE_PRECONTO);

        CComandaOrdineSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_COMANDA = %ld", idComanda);
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CDomainDocumentoComanda ordine(GetDatabase());
            ordine.Set_ID(rs.IsFieldNull(&rs.ID_DOCUMENTO) ? -1 : rs.ID_DOCUMENTO);
            if (ordine.Load_DOCUMENTO() && ordine.Load_DOCUMENTI_ASSOCIATI())
                ordine.Load_DETTAGLIO();
            AssociaDocumento(ordine, true, true, false);
        }
        rs.Close();
        if (servizio)
            AggiungiServizio(idComanda);
        if (coperti)
            AggiungiCoperti(idComanda);
        return true;
    });
}

bool CDomainDocumentoComanda::AggiungiCoperti(long idComanda)
{
    CComandaSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %ld", idComanda);
    rs.Open();
    if (rs.IsEOF())
        return false;
    const Decimal prezzo(rs.PREZZO_COPERTO, 127);
    const long coperti = rs.IsFieldNull(&rs.COPERTI) ? 0 : rs.COPERTI;
    rs.Close();
    if (!(prezzo > Decimal(0)) || coperti < 1)
        return false;
    AggiungiAddebito(m_strDescrizioneCoperto, Decimal(coperti), prezzo);
    return true;
}

// The service is a percentage of the total as the document holds it when this runs: the host
// recomputes the totals first if the service is to cover lines just imported.
bool CDomainDocumentoComanda::AggiungiServizio(long idComanda)
{
    CComandaSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %ld", idComanda);
    rs.Open();
    if (rs.IsEOF())
        return false;
    const Decimal percentuale(rs.PERC_SERVIZIO, 127);
    rs.Close();
    if (!(percentuale > Decimal(0)))
        return false;
    const Decimal importo = TOTALE / Decimal(100) * percentuale;
    if (!(importo > Decimal(0)))
        return false;
    AggiungiAddebito(m_strDescrizioneServizio, Decimal(1), importo);
    return true;
}

void CDomainDocumentoComanda::AggiungiAddebito(const CString& descrizione, const Decimal& quantita,
                                               const Decimal& prezzoIvato)
{
    CDomainVoceDocumentoMagazzino voce(GetDatabase());
    voce.Set_TIPO("B");
    voce.Set_DESCRIZIONE(descrizione);
    voce.Set_QUANTITA(quantita);
    voce.Set_ID_IVA(Config()->GetParam("default/documento/iva"), true);
    voce.Set_PREZZO_PZ_IVATO(prezzoIvato, true);
    DETTAGLIO->Add(&voce, false);
}
