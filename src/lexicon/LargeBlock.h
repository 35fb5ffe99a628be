#pragma once

// A zero-filled block of memory for the large tables of a list, asked of the
// system in whole huge pages (2 MiB) where it offers them: a table of a few
// megabytes then becomes present in a few page faults instead of a thousand,
// which is most of the cost of filling it. Elsewhere it is ordinary memory.
#include <cstddef>

class LargeBlock {
public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t size);
    LargeBlock(const LargeBlock &other);
    LargeBlock &operator=(const LargeBlock &other);
    LargeBlock(LargeBlock &&other) noexcept;
    LargeBlock &operator=(LargeBlock &&other) noexcept;
    ~LargeBlock();

    char *data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    void release() noexcept;
    void swap(LargeBlock &other) noexcept;

    char *m_data = nullptr;
    std::size_t m_size = 0;
    // What was asked of the system, when it was a mapping.
    void *m_mapping = nullptr;
    std::size_t m_mappingSize = 0;
};
