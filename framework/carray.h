#pragma once
#include "cobject.h"
#include "cstring.h"
#include <vector>

// Growable array; only append, count, element read and clear are needed.
template <class TYPE, class ARG_TYPE>
class CArray : public CObject {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int Add(ARG_TYPE item) { m_items.push_back(item); return GetSize() - 1; }
    TYPE GetAt(int nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<TYPE> m_items;
};

typedef CArray<CString, const CString&> CStringArray;
