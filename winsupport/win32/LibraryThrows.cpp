// Compiled into every program of the set in place of the C++ library's own
// throw helpers (std::__throw_out_of_range and the like, which the library's
// containers and strings call on a bad index or size). The library's helpers
// throw std::out_of_range, std::length_error and their kin, whose message is
// a reference-counted string of the old ABI: constructing one brings a
// second, complete instantiation of std::string into each program (about
// 45 KB of a 320 KB tool). Here they throw LibraryFault, a std::exception
// whose what() is the library's own message; nothing in the set catches the
// specific kinds, and every handler that catches std::exception reports it
// as before. The exceptions that carry no text stay the library's own.
#include <cstdarg>
#include <exception>
#include <new>
#include <typeinfo>

namespace vr {
namespace {

class LibraryFault final : public std::exception {
  public:
    explicit LibraryFault(const char* message) noexcept : message_(message) {}
    [[nodiscard]] const char* what() const noexcept override { return message_; }

  private:
    const char* message_; // the library passes string literals
};

} // namespace
} // namespace vr

namespace std {

void __throw_bad_exception() {
    throw std::bad_exception();
}
void __throw_bad_alloc() {
    throw std::bad_alloc();
}
void __throw_bad_array_new_length() {
    throw std::bad_array_new_length();
}
void __throw_bad_cast() {
    throw std::bad_cast();
}
void __throw_bad_typeid() {
    throw std::bad_typeid();
}
void __throw_logic_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_domain_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_invalid_argument(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_length_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_out_of_range(const char* message) {
    throw vr::LibraryFault(message);
}
// The format's numbers are left out: formatting them would bring back the
// formatter this replacement avoids. Its formats begin with "%s" for the
// name of the call (basic_string::substr, vector::_M_range_check), which
// is what the fault reports.
void __throw_out_of_range_fmt(const char* format, ...) {
    const char* message = format;
    if (format[0] == '%' && format[1] == 's') {
        va_list values;
        va_start(values, format);
        message = va_arg(values, const char*);
        va_end(values);
    }
    throw vr::LibraryFault(message);
}
void __throw_runtime_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_range_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_overflow_error(const char* message) {
    throw vr::LibraryFault(message);
}
void __throw_underflow_error(const char* message) {
    throw vr::LibraryFault(message);
}

} // namespace std
