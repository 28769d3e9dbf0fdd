// The coins and banknotes of a till operation.
#include "orveldb/domain/DomainArrayPezzoMoneta.h"

#include "odbc/DBException.h"
#include "orveldb/recordsets/PezzoMonetaSet.h"

CDomainArrayPezzoMoneta::CDomainArrayPezzoMoneta() = default;
CDomainArrayPezzoMoneta::CDomainArrayPezzoMoneta(const CDomainArrayPezzoMoneta& other) = default;
CDomainArrayPezzoMoneta& CDomainArrayPezzoMoneta::operator=(const CDomainArrayPezzoMoneta& other) = default;
CDomainArrayPezzoMoneta::~CDomainArrayPezzoMoneta() = default;

int CDomainArrayPezzoMoneta::Add(const CDomainPezzoMoneta& piece)
{
    return static_cast<int>(m_pieces.Add(piece));
}

const CDomainPezzoMoneta& CDomainArrayPezzoMoneta::GetAt(int index) const
{
    return m_pieces.GetAt(index);
}

CDomainPezzoMoneta& CDomainArrayPezzoMoneta::GetAt(int index)
{
    return m_pieces.GetAt(index);
}

int CDomainArrayPezzoMoneta::GetSize() const
{
    return static_cast<int>(m_pieces.GetSize());
}

void CDomainArrayPezzoMoneta::RemoveAll()
{
    m_pieces.RemoveAll();
}

void CDomainArrayPezzoMoneta::Copy(const CDomainArrayPezzoMoneta& other)
{
    if (this != &other)
        m_pieces = other.m_pieces;
}

Decimal CDomainArrayPezzoMoneta::Get_TOTALE_VALORE() const
{
    Decimal total(0L);
    for (INT_PTR i = 0; i < m_pieces.GetSize(); ++i)
        total += m_pieces.GetAt(i).Get_TOTALE_VALORE();
    return total;
}

bool CDomainArrayPezzoMoneta::DB_LoadPezzi(CDatabase* pDatabase)
{
    RemoveAll();
    const bool loaded = CDomainClass::ReportDBErrors([&] {
        CPezzoMonetaSet rs(pDatabase);
        rs.m_strSort = "ID";
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CDomainPezzoMoneta piece(pDatabase);
            piece.FromRecordset(rs);
            m_pieces.Add(piece);
        }
        rs.Close();
        return true;
    });
    // A load that failed half-way leaves no pieces rather than some.
    if (!loaded)
        RemoveAll();
    return loaded;
}
