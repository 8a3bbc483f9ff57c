#pragma once

#include "toolkit/core/TPersistent.h"

#include <vector>

namespace kes {

class TCollection;

// One item of a collection. An item reports its own changes to its collection, which turns
// them into Update calls unless an update batch is open.
class TCollectionItem : public TPersistent {
public:
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    int Index() const;
    void SetIndex(int index);
    int ID() const { return id_; }
    TPersistent* GetOwner() override;

protected:
    // allItems: the change concerns every item (Update receives nullptr), else this one.
    virtual void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

// A list of items of one class that it creates and owns. Changes are batched: while
// BeginUpdate is open no Update runs; EndUpdate back at zero runs one Update(nullptr).
class TCollection : public TPersistent {
public:
    using ItemFactory = TCollectionItem* (*)();

    explicit TCollection(ItemFactory itemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    virtual TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;
    int UpdateCount() const { return updateCount_; }

    virtual void BeginUpdate();
    virtual void EndUpdate();
    void Assign(TPersistent* source) override;

protected:
    // Called for every change outside a batch: item is the changed item, or nullptr when
    // the collection as a whole (or every item) changed.
    virtual void Update(TCollectionItem* /*item*/) {}
    virtual void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item, int index);
    void RemoveItem(TCollectionItem* item);

    ItemFactory itemClass_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};

// Factory for TCollection's constructor: TCollection(NewItem<TMyItem>).
template <class T> TCollectionItem* NewItem() { return new T(); }

} // namespace kes
