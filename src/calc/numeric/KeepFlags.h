// The floating-point status flags kept as they are across a stretch of code.
// The window reports a fault when a calculation raises a flag; arithmetic
// that only steers a calculation (a search's guesses, which may meet
// infinities or an empty prediction) and library code that raises flags of
// its own must not seem to.
#pragma once

#include <cfenv>

namespace Numeric {

class KeepFlags {
 public:
  KeepFlags() { fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~KeepFlags() { fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  KeepFlags(const KeepFlags&) = delete;
  KeepFlags& operator=(const KeepFlags&) = delete;

 private:
  fexcept_t saved_;
};

}  // namespace Numeric
