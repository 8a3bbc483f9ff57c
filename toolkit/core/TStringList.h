#pragma once

#include "toolkit/core/TMethod.h"
#include "toolkit/core/TStrings.h"

#include <vector>

namespace kes {

enum TDuplicates { dupIgnore, dupAccept, dupError };

// The toolkit's concrete string list: lines with an object pointer each (not owned), an
// optional sorted order kept by binary search, and change events.
class TStringList : public TStrings {
public:
    ~TStringList() override;

    std::string Get(int index) const override;
    int GetCount() const override { return static_cast<int>(items_.size()); }
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int GetCapacity() const override { return static_cast<int>(items_.capacity()); }
    void SetCapacity(int capacity) override;

    int Add(const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int a, int b) override;
    int IndexOf(std::string_view s) const override;

    // Binary search of a sorted list: true when found; index is where s is or would go.
    virtual bool Find(std::string_view s, int& index) const;
    virtual void Sort();

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void Check(int index) const;
    void InsertItem(int index, const std::string& s, TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

} // namespace kes
