// Builds the C entry points of the host's suites from plain C++ functions. Each entry counts
// its calls, answers an armed failure (fault injection), and turns any C++ exception into an
// error code, so nothing but codes and values crosses into a module:
//   .AddMenuItem = QV_ENTRY(kAIMenuSuite, AddMenuItem, menu::AddMenuItem)
// An entry whose function returns a value rather than a code answers a failure with a zeroed
// value (QV_VALUE_ENTRY). Calls the host does not offer yet answer kSPUnimplementedError, or a
// zeroed value (QV_PENDING, QV_PENDING_VALUE).
#pragma once

#include <algorithm>
#include <exception>
#include <new>
#include <type_traits>

#include "call_sites.h"

namespace qv::host {

template <std::size_t N>
struct FixedString {
  constexpr FixedString(const char (&text)[N]) { std::copy_n(text, N, value); }
  char value[N];
};

// Records a C++ exception that reached a suite boundary (misuse log of the active host).
void noteEntryException(const char* suite, const char* call, const char* what);

template <typename R, bool ReturnsCode>
R failedValue(SPErr code) {
  if constexpr (std::is_void_v<R>) {
    return;
  } else if constexpr (ReturnsCode) {
    return static_cast<R>(code);
  } else {
    return R{};
  }
}

template <FixedString Suite, FixedString Call, bool ReturnsCode, typename F, F Impl>
struct Entry;

template <FixedString Suite, FixedString Call, bool ReturnsCode, typename R, typename... A,
          R (*Impl)(A...)>
struct Entry<Suite, Call, ReturnsCode, R (*)(A...), Impl> {
  inline static CallSite site{Suite.value, Call.value};
  static R call(A... args) {
    if (const SPErr code = site.enter()) return failedValue<R, ReturnsCode>(code);
    try {
      return Impl(args...);
    } catch (const std::bad_alloc&) {
      return failedValue<R, ReturnsCode>(kSPOutOfMemoryError);
    } catch (const std::exception& error) {
      noteEntryException(Suite.value, Call.value, error.what());
    } catch (...) {
      noteEntryException(Suite.value, Call.value, "unknown exception");
    }
    return failedValue<R, ReturnsCode>(kSPBadParameterError);
  }
};

template <FixedString Suite, FixedString Call, bool ReturnsCode, typename F>
struct Pending;

template <FixedString Suite, FixedString Call, bool ReturnsCode, typename R, typename... A>
struct Pending<Suite, Call, ReturnsCode, R (*)(A...)> {
  inline static CallSite site{Suite.value, Call.value};
  static R call(A...) {
    site.enter();
    return failedValue<R, ReturnsCode>(kSPUnimplementedError);
  }
};

}  // namespace qv::host

#define QV_ENTRY(suite, name, impl) \
  &::qv::host::Entry<suite, #name, true, decltype(&impl), &impl>::call
#define QV_VALUE_ENTRY(suite, name, impl) \
  &::qv::host::Entry<suite, #name, false, decltype(&impl), &impl>::call
#define QV_PENDING(suite, Struct, name) \
  &::qv::host::Pending<suite, #name, true, decltype(Struct::name)>::call
#define QV_PENDING_VALUE(suite, Struct, name) \
  &::qv::host::Pending<suite, #name, false, decltype(Struct::name)>::call
