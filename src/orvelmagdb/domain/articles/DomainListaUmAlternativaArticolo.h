// CDomainListaUmAlternativaArticolo: the alternative units of measure of one article, owned by the
// article and saved through it. Every element carries the article's code, which SetArticolo keeps
// equal to the list's. A save replaces the article's rows with the elements in list order; the
// list's own operations let database errors through to the article, which shows them.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/articles/DomainArticoloUmAlternativa.h"

class ORVEL_API CDomainListaUmAlternativaArticolo : public CDomainClass {
public:
    explicit CDomainListaUmAlternativaArticolo(CDatabase* pDatabase = nullptr);
    CDomainListaUmAlternativaArticolo(const CDomainListaUmAlternativaArticolo& other) = default;
    CDomainListaUmAlternativaArticolo& operator=(const CDomainListaUmAlternativaArticolo& other) = default;
    ~CDomainListaUmAlternativaArticolo() override;

    // Stores the article code and writes it into every element already in the list.
    void SetArticolo(const CString& id);
    const CString& GetArticolo() const { return m_strArticolo; }

    int GetCount() const { return static_cast<int>(m_array.GetSize()); }
    // Index outside 0..count-1: CInvalidArgException.
    CDomainArticoloUmAlternativa& GetAt(int index);
    const CDomainArticoloUmAlternativa& GetAt(int index) const;
    void SetAt(int index, const CDomainArticoloUmAlternativa& element);
    // Index of the first element from start onward whose unit equals unit (case-sensitive), or -1.
    int Search(const CString& unit, int start = 0) const;
    // Appends a copy and returns its index, or returns -1 (and changes nothing) when the list
    // already holds that unit.
    int Add(const CDomainArticoloUmAlternativa& element);
    void RemoveAll() { m_array.RemoveAll(); }

    // Appends the article's rows, ordered by unit, to the list (which is not emptied first).
    bool DB_Load() override;
    // Rewrites the article's rows: ops 2 and 3 delete them first, every op inserts the elements.
    bool DB_Update(EDB_Operation op) override;

private:
    CString m_strArticolo;
    CArray<CDomainArticoloUmAlternativa> m_array;
};
