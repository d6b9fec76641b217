// ai::Error: the one exception of the module side. It carries a host or module error code
// through nested calls and is turned back into that code before it can reach the host.
// C++ only; modules include it, the host never sees it.
#ifndef QV_AIERROR_HPP
#define QV_AIERROR_HPP

#include <exception>

#include "SPTypes.h"

namespace ai {

class Error : public std::exception {
 public:
  explicit Error(ASErr code) noexcept : code_(code) {}
  ASErr code() const noexcept { return code_; }
  operator ASErr() const noexcept { return code_; }
  const char* what() const noexcept override { return "ai::Error"; }

 private:
  ASErr code_;
};

}  // namespace ai

#endif
