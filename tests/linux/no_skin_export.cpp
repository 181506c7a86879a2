// A real shared library that lacks SkinH_AttachRes, for the loader's tests.
extern "C" __attribute__((visibility("default"))) int SkinH_Other(int value) {
    return value + 1;
}
