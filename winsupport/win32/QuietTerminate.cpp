// Compiled into every program of the set in place of the C++ library's
// default terminate handler. That handler writes the exception's demangled
// type to stderr, which a window-less program does not have, and brings the
// whole demangler (about 45 KB) into each program. Here a terminate before
// a program installs its own handler ends the process as the default one
// does after its message: with abort.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
