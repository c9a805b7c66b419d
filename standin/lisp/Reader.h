#pragma once

#include "lisp/Value.h"

namespace standin::lisp {

struct ReadError {
    Text message;
    int line = 0;   // 1-based
    int column = 0; // 1-based, in characters
};

// Reads AutoLISP source one form at a time, so that a load can run the forms
// before a read error and none after it.
class Reader {
  public:
    // The reader keeps a view of the source: it must outlive the reader.
    explicit Reader(TextView source) : source_(source) {}
    explicit Reader(const char16_t* source) : source_(source) {}
    explicit Reader(Text&& temporary) = delete;

    enum class Status { Form, End, Error };
    struct Result {
        Status status = Status::End;
        ValuePtr form;
        ReadError error;
    };

    [[nodiscard]] Result Next();

    // Lists and quotes nest at most this deep in one form; deeper is a read
    // error, so that the recursive reader cannot overflow the stack.
    static constexpr int kMaxNesting = 1000;

  private:
    struct Failed {
        ReadError error;
    };

    [[nodiscard]] bool AtEnd() const { return pos_ >= source_.size(); }
    [[nodiscard]] char16_t Peek() const { return source_[pos_]; }
    char16_t Take();
    void SkipBlanksAndComments();
    [[nodiscard]] ValuePtr ReadForm();
    [[nodiscard]] ValuePtr ReadList();
    [[nodiscard]] ValuePtr ReadString();
    [[nodiscard]] ValuePtr ReadAtom();
    [[noreturn]] void Fail(TextView message) const;

    TextView source_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
    int nesting_ = 0;
};

} // namespace standin::lisp
