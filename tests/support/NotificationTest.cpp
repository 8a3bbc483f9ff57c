#include "support/TMethodList.h"
#include "support/TNotifyCollection.h"
#include "support/TNotifyEventList.h"
#include "support/TNotifyPersistent.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

struct Listener : TObject {
    int calls = 0;
    TObject* lastSender = nullptr;
    void Handle(TObject* sender) {
        ++calls;
        lastSender = sender;
    }
};

TEST(TNotifyPersistent, NestedUpdatesNotifyOnceAtTheOutermostEnd) {
    TNotifyPersistent object;
    Listener listener;
    object.OnChange = MethodOf<&Listener::Handle>(&listener);
    object.BeginUpdate();
    object.BeginUpdate();
    object.Changed();
    object.EndUpdate();
    EXPECT_EQ(listener.calls, 0);
    object.EndUpdate();
    EXPECT_EQ(listener.calls, 1);
    object.ChangedProc(&object);
    EXPECT_EQ(listener.calls, 1) << "a change reported by the object itself is not repeated";
}

TEST(TNotifyPersistent, UnbalancedEndUpdateDoesNotSilenceTheObject) {
    TNotifyPersistent object;
    Listener listener;
    object.OnChange = MethodOf<&Listener::Handle>(&listener);
    object.EndUpdate();
    object.Changed();
    EXPECT_EQ(listener.calls, 2);
}

TEST(TNotifyEventList, RemovingATwiceAddedHandlerLeavesOne) {
    TNotifyPersistent owner;
    TNotifyEventList list(&owner);
    Listener a;
    Listener b;
    list.Add(MethodOf<&Listener::Handle>(&a));
    list.Add(MethodOf<&Listener::Handle>(&b));
    list.Add(MethodOf<&Listener::Handle>(&a));
    list.Remove(MethodOf<&Listener::Handle>(&a));
    EXPECT_EQ(list.Count(), 2);
    list.Changed();
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(a.lastSender, &owner);
}

TEST(TMethodList, RemoveTakesTheLastEqualEntryOnly) {
    Listener a;
    Listener b;
    TMethodList list;
    list.AddMethod(MethodOf<&Listener::Handle>(&a));
    list.AddMethod(MethodOf<&Listener::Handle>(&b));
    list.AddMethod(MethodOf<&Listener::Handle>(&a));
    list.RemoveMethod(MethodOf<&Listener::Handle>(&a));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Method(0), MethodOf<&Listener::Handle>(&a));
    EXPECT_EQ(list.Method(1), MethodOf<&Listener::Handle>(&b));
    list.RemoveMethod(MethodOf<&Listener::Handle>(&b));
    list.RemoveMethod(MethodOf<&Listener::Handle>(&b));
    EXPECT_EQ(list.Count(), 1) << "removing an absent handler changes nothing";
}

TEST(TNotifyEventList, AHandlerMayRemoveItselfWhileCalled) {
    struct SelfRemover : TObject {
        TNotifyEventList* list = nullptr;
        int calls = 0;
        void Handle(TObject*) {
            ++calls;
            list->Remove(MethodOf<&SelfRemover::Handle>(this));
        }
    };
    TNotifyPersistent owner;
    TNotifyEventList list(&owner);
    SelfRemover remover;
    remover.list = &list;
    Listener other;
    list.Add(MethodOf<&SelfRemover::Handle>(&remover));
    list.Add(MethodOf<&Listener::Handle>(&other));
    list.Changed();
    EXPECT_EQ(remover.calls, 1);
    EXPECT_EQ(list.Count(), 1);
    list.BeginUpdate();
    list.Changed();
    EXPECT_EQ(other.calls, 0) << "no call inside an update";
    list.EndUpdate();
    EXPECT_EQ(other.calls, 1);
}

TEST(TNotifyCollection, ReportsChangesOutsideItsBatches) {
    TNotifyPersistent owner;
    TNotifyCollection collection(&owner, NewItem<TCollectionItem>);
    Listener listener;
    collection.OnChange = MethodOf<&Listener::Handle>(&listener);
    EXPECT_EQ(collection.GetOwner(), &owner);
    collection.Add();
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.lastSender, &collection);
    collection.BeginUpdate();
    collection.Add();
    collection.Delete(0);
    EXPECT_EQ(listener.calls, 1);
    collection.EndUpdate();
    EXPECT_EQ(listener.calls, 2);
    collection.ChangedProc(&collection);
    EXPECT_EQ(listener.calls, 2);
    TNotifyPersistent child;
    child.OnChange = MethodOf<&TNotifyCollection::ChangedProc>(&collection);
    child.Changed();
    EXPECT_EQ(listener.calls, 3) << "a child's change is the collection's change";
}

} // namespace
} // namespace kes
