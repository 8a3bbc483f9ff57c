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

} // namespace
} // namespace kes
