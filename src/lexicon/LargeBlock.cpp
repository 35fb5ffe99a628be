#include "lexicon/LargeBlock.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Below this a huge page would hold mostly nothing.
constexpr std::size_t kSmallest = std::size_t(1) << 20;

std::size_t roundedUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}
} // namespace

LargeBlock::LargeBlock(std::size_t size) : m_size(size)
{
    if (size == 0)
        return;
#ifdef __linux__
    if (size >= kSmallest) {
        // A mapping one huge page longer than needed, cut down to whole huge
        // pages from an aligned start.
        const std::size_t wanted = roundedUp(size, kHugePage);
        const std::size_t asked = wanted + kHugePage;
        void *mapping = ::mmap(nullptr, asked, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapping != MAP_FAILED) {
            char *start = static_cast<char *>(mapping);
            char *aligned = reinterpret_cast<char *>(roundedUp(reinterpret_cast<std::uintptr_t>(start), kHugePage));
            if (aligned > start)
                ::munmap(start, std::size_t(aligned - start));
            const std::size_t after = asked - std::size_t(aligned - start) - wanted;
            if (after > 0)
                ::munmap(aligned + wanted, after);
            ::madvise(aligned, wanted, MADV_HUGEPAGE);
            m_mapping = aligned;
            m_mappingSize = wanted;
            m_data = aligned;
            return;
        }
    }
#endif
    m_data = static_cast<char *>(std::calloc(size, 1));
    if (!m_data)
        throw std::bad_alloc();
}

LargeBlock::LargeBlock(const LargeBlock &other) : LargeBlock(other.m_size)
{
    if (m_size)
        std::memcpy(m_data, other.m_data, m_size);
}

LargeBlock &LargeBlock::operator=(const LargeBlock &other)
{
    if (this != &other) {
        LargeBlock copy(other);
        swap(copy);
    }
    return *this;
}

LargeBlock::LargeBlock(LargeBlock &&other) noexcept
{
    swap(other);
}

LargeBlock &LargeBlock::operator=(LargeBlock &&other) noexcept
{
    if (this != &other) {
        release();
        swap(other);
    }
    return *this;
}

LargeBlock::~LargeBlock()
{
    release();
}

void LargeBlock::release() noexcept
{
#ifdef __linux__
    if (m_mapping)
        ::munmap(m_mapping, m_mappingSize);
    else
#endif
        std::free(m_data);
    m_data = nullptr;
    m_size = 0;
    m_mapping = nullptr;
    m_mappingSize = 0;
}

void LargeBlock::swap(LargeBlock &other) noexcept
{
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    std::swap(m_mapping, other.m_mapping);
    std::swap(m_mappingSize, other.m_mappingSize);
}
