#pragma once

// How the mail libraries built for tests export their entry points: under their plain names, as
// the program looks them up.
#ifdef _WIN32
#define TEST_PROVIDER_EXPORT extern "C" __declspec(dllexport)
#else
#define TEST_PROVIDER_EXPORT extern "C" __attribute__((visibility("default")))
#endif
