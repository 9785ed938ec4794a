// The sanitizers' settings for the test programs of a sanitized build. The environment's
// ASAN_OPTIONS, LSAN_OPTIONS and UBSAN_OPTIONS still take precedence.

extern "C" {

// Leaks are checked at every exit; the first fault ends the program with a failing status.
const char* __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1";
}

// Only leaks shown to lie wholly inside libraries that are not ours are let through.
const char* __lsan_default_options() {
    return "suppressions=" VARNOK_LEAK_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
}
