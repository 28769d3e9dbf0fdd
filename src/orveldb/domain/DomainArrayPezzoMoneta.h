// CDomainArrayPezzoMoneta: the coins and banknotes of one till operation (a cash withdrawal, a
// till count), each kind with its count, kept by value in the order they were added.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "orveldb/domain/DomainPezzoMoneta.h"

class CDatabase;

class ORVEL_API CDomainArrayPezzoMoneta {
public:
    CDomainArrayPezzoMoneta();
    CDomainArrayPezzoMoneta(const CDomainArrayPezzoMoneta& other);
    CDomainArrayPezzoMoneta& operator=(const CDomainArrayPezzoMoneta& other);
    virtual ~CDomainArrayPezzoMoneta();

    // Appends a copy; returns its index.
    int Add(const CDomainPezzoMoneta& piece);
    // An index outside 0..GetSize()-1 throws the framework's invalid-argument exception.
    const CDomainPezzoMoneta& GetAt(int index) const;
    CDomainPezzoMoneta& GetAt(int index);
    int GetSize() const;
    void RemoveAll();
    // Replaces the pieces with copies of the other array's.
    void Copy(const CDomainArrayPezzoMoneta& other);

    // The value of all the pieces: the sum of each kind's face value times its count.
    Decimal Get_TOTALE_VALORE() const;

    // Replaces the pieces with every kind the till knows, by id, each with its face value and a
    // count of 0: the blank form of a till count. False on a database error (shown in the error
    // box), which leaves the array empty.
    bool DB_LoadPezzi(CDatabase* pDatabase);

private:
    CArray<CDomainPezzoMoneta, const CDomainPezzoMoneta&> m_pieces;
};
