#pragma once

#include "lisp/Interpreter.h"

#include <utility>
#include <vector>

namespace standin::lisp {

// Binds symbols for the time of a call and puts the old values back, as the
// CAD's dynamic scope does.
class DynamicBinding {
  public:
    explicit DynamicBinding(Interpreter& interpreter) : interpreter_(interpreter) {}
    ~DynamicBinding() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            interpreter_.Set(it->first, it->second);
        }
    }
    DynamicBinding(const DynamicBinding&) = delete;
    DynamicBinding& operator=(const DynamicBinding&) = delete;

    void Bind(const Text& name, ValuePtr value) {
        saved_.emplace_back(name, interpreter_.Get(name));
        interpreter_.Set(name, std::move(value));
    }

  private:
    Interpreter& interpreter_;
    std::vector<std::pair<Text, ValuePtr>> saved_;
};

} // namespace standin::lisp
