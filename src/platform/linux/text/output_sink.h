#pragma once

#include <cstddef>

namespace hotlist {

// Where a converter puts its output: counts every unit, stores those that fit.
template <typename Unit>
class OutputSink {
  public:
    OutputSink(Unit* output, std::size_t capacity)
        : output_(output), capacity_(output == nullptr ? 0 : capacity) {}

    void put(Unit unit) {
        if (count_ < capacity_) {
            output_[count_] = unit;
        }
        ++count_;
    }
    [[nodiscard]] std::size_t count() const { return count_; }

  private:
    Unit* output_;
    std::size_t capacity_;
    std::size_t count_ = 0;
};

}  // namespace hotlist
