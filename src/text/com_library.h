#pragma once

namespace hotlist {

// COM initialisation of the calling thread, reference-counted by the platform.
class ComLibrary {
  public:
    virtual ~ComLibrary() = default;
    virtual void CoInitialize() = 0;    // NOLINT(readability-identifier-naming)
    virtual void CoUninitialize() = 0;  // NOLINT(readability-identifier-naming)
};

// Balances one CoInitialize with one CoUninitialize on every path out of a scope.
class ScopedComInitialization {
  public:
    explicit ScopedComInitialization(ComLibrary& com) : com_(com) { com_.CoInitialize(); }
    ~ScopedComInitialization() { com_.CoUninitialize(); }
    ScopedComInitialization(const ScopedComInitialization&) = delete;
    ScopedComInitialization& operator=(const ScopedComInitialization&) = delete;

  private:
    ComLibrary& com_;
};

}  // namespace hotlist
