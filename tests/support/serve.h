#pragma once
// Waiting on the UI thread in tests while worker threads hand calls to it.
#include <functional>

namespace test {

// Serves hand-offs and window messages on the calling (UI) thread until done() is true.
// Gives up after limitMs and returns false, so that a broken hand-off fails a test
// instead of hanging it; the limit is generous and says nothing about speed.
bool ServeUntil(const std::function<bool()>& done, unsigned limitMs = 20000);

} // namespace test
