// A real DLL that lacks SkinH_AttachRes, for the loader's tests.
extern "C" __declspec(dllexport) int SkinH_Other(int value) {
    return value + 1;
}
