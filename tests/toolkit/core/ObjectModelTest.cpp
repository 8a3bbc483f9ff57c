#include "toolkit/core/Exception.h"
#include "toolkit/core/TCollection.h"
#include "toolkit/core/TComponent.h"
#include "toolkit/core/TList.h"
#include "toolkit/core/TMethod.h"
#include "toolkit/core/TStringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace kes {
namespace {

class TTracked : public TComponent {
public:
    TTracked(TComponent* owner, std::vector<int>* freed, int id)
        : TComponent(owner), freed_(freed), id_(id) {}
    ~TTracked() override { freed_->push_back(id_); }

private:
    std::vector<int>* freed_;
    int id_;
};

TEST(TComponent, OwnerFreesWhatItStillOwns) {
    std::vector<int> freed;
    auto* owner = new TTracked(nullptr, &freed, 0);
    new TTracked(owner, &freed, 1);
    auto* second = new TTracked(owner, &freed, 2);
    auto* third = new TTracked(owner, &freed, 3);
    new TTracked(third, &freed, 4);
    delete second;
    EXPECT_EQ(owner->ComponentCount(), 2) << "a component freed early leaves its owner";
    EXPECT_EQ(owner->Components(1), third);
    EXPECT_THROW(owner->Components(2), EListError);
    delete owner;
    EXPECT_EQ(freed, (std::vector<int>{2, 0, 3, 4, 1}))
        << "last owned first, each with what it owns";
}

TEST(TComponent, MovingToAnotherOwner) {
    TComponent a(nullptr);
    TComponent b(nullptr);
    auto* child = new TComponent(&a);
    b.InsertComponent(child);
    EXPECT_EQ(a.ComponentCount(), 0);
    EXPECT_EQ(b.ComponentCount(), 1);
    EXPECT_EQ(child->Owner(), &b);
}

class TValueItem : public TCollectionItem {
public:
    int value = 0;
    void Assign(TPersistent* source) override {
        if (auto* other = dynamic_cast<TValueItem*>(source)) {
            value = other->value;
            return;
        }
        TCollectionItem::Assign(source);
    }
    void Touch() { Changed(false); }
};

class TWatchedCollection : public TCollection {
public:
    TWatchedCollection() : TCollection(NewItem<TValueItem>) {}
    std::vector<TCollectionItem*> updates;

protected:
    void Update(TCollectionItem* item) override { updates.push_back(item); }
};

TEST(TCollection, BatchesChangesIntoOneUpdate) {
    TWatchedCollection collection;
    auto* item = static_cast<TValueItem*>(collection.Add());
    item->Touch();
    EXPECT_EQ(collection.updates, (std::vector<TCollectionItem*>{nullptr, item}));
    collection.updates.clear();
    collection.BeginUpdate();
    collection.BeginUpdate();
    collection.Add();
    item->Touch();
    collection.Delete(1);
    collection.EndUpdate();
    EXPECT_TRUE(collection.updates.empty());
    collection.EndUpdate();
    EXPECT_EQ(collection.updates, (std::vector<TCollectionItem*>{nullptr}));
    EXPECT_THROW(collection.Items(1), EListError);
    EXPECT_THROW(collection.Insert(3), EListError);
}

TEST(TCollection, ItemsKnowTheirPlaceAndLeaveWhenFreed) {
    TWatchedCollection collection;
    auto* a = static_cast<TValueItem*>(collection.Add());
    auto* b = static_cast<TValueItem*>(collection.Add());
    auto* c = static_cast<TValueItem*>(collection.Add());
    EXPECT_NE(a->ID(), b->ID());
    c->SetIndex(0);
    EXPECT_EQ(collection.Items(0), c);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_THROW(a->SetIndex(3), EListError);
    delete b;
    EXPECT_EQ(collection.Count(), 2);
    EXPECT_EQ(a->Collection(), &collection);
    EXPECT_EQ(a->GetOwner(), &collection);
}

TEST(TCollection, AssignCopiesItemsOrRefusesUnrelatedSources) {
    TWatchedCollection source;
    static_cast<TValueItem*>(source.Add())->value = 7;
    static_cast<TValueItem*>(source.Add())->value = 8;
    TWatchedCollection copy;
    copy.Add();
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(static_cast<TValueItem*>(copy.Items(1))->value, 8);
    EXPECT_EQ(copy.updates.size(), 2u) << "one for the Add, one for the whole Assign";

    TStringList strings;
    try {
        copy.Assign(&strings);
        FAIL() << "assigning a string list to a collection must fail";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "TStringList を TWatchedCollection に代入できません");
    }
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(TList, IndexChecksAndRemoval) {
    TList list;
    int a = 0;
    int b = 0;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Items(0), &a);
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.Insert(3, &a), EListError);
    EXPECT_EQ(list.Remove(&list), -1);
}

struct Base : TObject {
    int calls = 0;
    virtual void Handle(TObject*) { ++calls; }
    void Other(TObject*) {}
};
struct Derived : Base {
    void Handle(TObject*) override { calls += 10; }
};

TEST(TMethod, EqualByMemberAndObject) {
    Base x;
    Base y;
    Derived d;
    EXPECT_EQ(MethodOf<&Base::Handle>(&x), MethodOf<&Base::Handle>(&x));
    EXPECT_FALSE(MethodOf<&Base::Handle>(&x) == MethodOf<&Base::Handle>(&y));
    EXPECT_FALSE(MethodOf<&Base::Handle>(&x) == MethodOf<&Base::Other>(&x));
    TNotifyEvent viaDerived = MethodOf<&Base::Handle>(&d);
    EXPECT_EQ(viaDerived, MethodOf<&Base::Handle>(static_cast<Base*>(&d)));
    viaDerived(nullptr);
    EXPECT_EQ(d.calls, 10) << "a bound virtual calls the override";
    EXPECT_FALSE(TNotifyEvent());
}

} // namespace
} // namespace kes
