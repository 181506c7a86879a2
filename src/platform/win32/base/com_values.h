#pragma once

#include <windows.h>

#include <utility>

namespace hotlist {

// Owns a BSTR; SysFreeString on destruction. Move-only.
class UniqueBstr {
  public:
    UniqueBstr() = default;
    explicit UniqueBstr(BSTR owned) noexcept : string_(owned) {}
    UniqueBstr(UniqueBstr&& other) noexcept : string_(std::exchange(other.string_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        if (this != &other) {
            SysFreeString(string_);
            string_ = std::exchange(other.string_, nullptr);
        }
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    ~UniqueBstr() { SysFreeString(string_); }

    [[nodiscard]] BSTR get() const noexcept { return string_; }
    // Gives up ownership, for a VARIANT that takes the string over.
    BSTR release() noexcept { return std::exchange(string_, nullptr); }

  private:
    BSTR string_ = nullptr;
};

// Owns a VARIANT and whatever it holds; VariantClear on destruction. Move-only.
class UniqueVariant {
  public:
    UniqueVariant() noexcept { VariantInit(&value_); }
    UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) {
        VariantInit(&other.value_);
    }
    UniqueVariant& operator=(UniqueVariant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&value_); }

    [[nodiscard]] const VARIANT& get() const noexcept { return value_; }
    [[nodiscard]] VARTYPE type() const noexcept { return V_VT(&value_); }
    // Clears the current value and hands out the slot for a function that fills it.
    VARIANT* put() noexcept {
        VariantClear(&value_);
        return &value_;
    }

  private:
    VARIANT value_;
};

}  // namespace hotlist
