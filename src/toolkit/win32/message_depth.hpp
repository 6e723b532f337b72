#pragma once
// How deeply the toolkit's window procedures are nested on the interface
// thread: a message that a loop inside a handler delivers (a message box's,
// a menu's, a pump's) comes one level deeper than the one being handled.
// Every window procedure of the toolkit runs on that one thread.

namespace welmor::message_depth {

inline int current = 0;

class Scope {
 public:
  Scope() noexcept { ++current; }
  ~Scope() { --current; }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
};

}  // namespace welmor::message_depth
