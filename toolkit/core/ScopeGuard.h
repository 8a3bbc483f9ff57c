#pragma once

#include <type_traits>
#include <utility>

namespace kes {

// Runs body, then cleanup on every way out of it, and returns what body returns. A cleanup
// may fail too (ending an update tells the editors of the change, and an editor may fail on
// that notice): after a body that returned, its error reaches the caller; after a body that
// threw, the body's error goes on and the cleanup's is dropped. Unlike a guard object, this
// never needs a destructor that throws.
template <class Body, class Cleanup> decltype(auto) WithCleanup(Body&& body, Cleanup&& cleanup) {
    struct Finisher {
        Cleanup& cleanup;
        bool done = false;
        ~Finisher() {
            if (done)
                return;
            try {
                cleanup();
            } catch (...) {
            }
        }
    } finisher{cleanup};
    if constexpr (std::is_void_v<decltype(body())>) {
        body();
        finisher.done = true;
        cleanup();
    } else {
        decltype(auto) result = body();
        finisher.done = true;
        cleanup();
        return result;
    }
}

// Runs body inside one update of list (BeginUpdate ... EndUpdate), ending it on every way out.
template <class List, class Body> decltype(auto) WithUpdate(List& list, Body&& body) {
    list.BeginUpdate();
    return WithCleanup(std::forward<Body>(body), [&list] { list.EndUpdate(); });
}

} // namespace kes
