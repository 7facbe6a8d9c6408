#pragma once

// Counts every allocation of the test program, to show that a step allocates
// nothing. Include in one source file of the program only.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> reservas { 0 };

void* operator new(std::size_t bytes)
{
    ++reservas;
    void* memoria = std::malloc(bytes == 0 ? 1 : bytes);
    return memoria ? memoria : throw std::bad_alloc();
}
void operator delete(void* memoria) noexcept
{
    std::free(memoria);
}
void operator delete(void* memoria, std::size_t) noexcept
{
    std::free(memoria);
}
