// The C++ library's bad index and bad size errors, thrown by the programs'
// own throw helpers (linked into this test program as into every program):
// still a std::exception naming the library call, and no longer one of the
// library's string-carrying kinds.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vr {
namespace {

TEST(LibraryThrows, BadIndexesAndSizesAreStdExceptionsNamingTheCall) {
    struct Case {
        const char* name;
        std::function<void()> fault;
        const char* named; // part of what()
    };
    // Through a volatile, so that the compiler cannot see the fault coming.
    volatile std::size_t beyond = 10;
    const Case cases[] = {
        {"substr past the end", [&] { (void)std::string("abc").substr(beyond); }, "substr"},
        {"at past the end", [&] { (void)std::string("abc").at(beyond); }, "basic_string"},
        {"vector at past the end", [&] { (void)std::vector<int>(3).at(beyond); }, "vector"},
        {"a string too long", [&] { std::string().reserve(std::string().max_size() + beyond); },
         "basic_string"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.fault();
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& fault) {
            EXPECT_NE(std::string(fault.what()).find(c.named), std::string::npos) << fault.what();
            // Ours, not the library's string-carrying kinds.
            EXPECT_EQ(dynamic_cast<const std::logic_error*>(&fault), nullptr);
        } catch (...) {
            ADD_FAILURE() << "not a std::exception";
        }
    }
}

TEST(LibraryThrows, OutOfMemoryStaysTheLibrarysBadAlloc) {
    EXPECT_THROW(std::__throw_bad_alloc(), std::bad_alloc);
}

} // namespace
} // namespace vr
