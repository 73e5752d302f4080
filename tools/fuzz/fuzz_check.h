#pragma once
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

// What must hold after a reader has had its input: a broken promise ends the run with a
// message, which the fuzzer keeps as a crash together with the input that caused it.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: does not hold: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
