// The installer catches no exception: one would end the program, which it
// does quietly. So the standard library's failures (a length or position out
// of range) end it at once, without building an exception first. This keeps
// the library's exception classes, their strings and its symbol demangler
// out of the executable.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_cast() { abort(); }
void __throw_bad_alloc() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_bad_exception() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_domain_error(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_runtime_error(const char*) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std
