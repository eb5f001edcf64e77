// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Default run-time options of AddressSanitizer and UndefinedBehaviorSanitizer,
// linked into every program of a sanitized build (the build-time asset
// generator and every test included), so a sanitized
// program behaves the same however it is started: by ctest, by the build, or
// by hand. Options in ASAN_OPTIONS or UBSAN_OPTIONS are applied after these and
// add to them.
//
// intercept_tls_get_addr=0: up to GCC 13 the runtime's __tls_get_addr hook can
// take a dynamic TLS block for an old glibc layout, depending only on where the
// block happens to lie in its page. The leak check at exit then scans a bogus
// range and crashes ("Tracer caught signal 11") on some machines and not on
// others. Any program that loads a shared library with thread-local storage
// (the Qt platform plugins) can hit it. Leak checking stays on without the hook.

extern "C" {

const char* __asan_default_options() {
  return "intercept_tls_get_addr=0:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}
