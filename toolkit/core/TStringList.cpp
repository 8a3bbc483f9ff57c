#include "toolkit/core/TStringList.h"

#include "toolkit/core/Exception.h"

#include <algorithm>

namespace kes {

TStringList::~TStringList() {
    OnChange = {};
    OnChanging = {};
}

void TStringList::Check(int index) const {
    if (index < 0 || index >= GetCount())
        throw EStringListError(index);
}

std::string TStringList::Get(int index) const {
    Check(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_)
        throw EStringListError("ソートされたリストでは実行できません", index);
    Check(index);
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    Check(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
    Check(index);
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

void TStringList::SetCapacity(int capacity) {
    if (capacity > GetCount())
        items_.reserve(static_cast<size_t>(capacity));
}

int TStringList::Add(const std::string& s) {
    int index = GetCount();
    if (sorted_) {
        if (Find(s, index)) {
            if (duplicates_ == dupIgnore)
                return index;
            if (duplicates_ == dupError)
                throw EStringListError("リストに重複した文字列があります", index);
        }
    }
    InsertItem(index, s, nullptr);
    return index;
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    if (sorted_)
        throw EStringListError("ソートされたリストでは実行できません", index);
    if (index < 0 || index > GetCount())
        throw EStringListError(index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index) {
    Check(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int a, int b) {
    Check(a);
    Check(b);
    Changing();
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
    Changed();
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0;
    int hi = GetCount() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        int c = CompareStrings(items_[static_cast<size_t>(mid)].text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
        return CompareStrings(a.text, b.text) < 0;
    });
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted_ == sorted)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive_ == caseSensitive)
        return;
    caseSensitive_ = caseSensitive;
    if (sorted_)
        Sort();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    if (caseSensitive_)
        return a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
    return TStrings::CompareStrings(a, b);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

} // namespace kes
