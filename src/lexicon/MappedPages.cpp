#include "lexicon/MappedPages.h"

#include <cstdint>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

void ReleaseMappedPages(QByteArrayView mappedBytes)
{
#ifdef __linux__
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(mappedBytes.data());
    const std::uintptr_t end = begin + std::uintptr_t(mappedBytes.size());
    // The whole pages inside the bytes only: the pages they share with
    // whatever lies around them stay.
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = end / page * page;
    if (mappedBytes.isEmpty() || last <= first)
        return;
    ::madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
#else
    Q_UNUSED(mappedBytes);
#endif
}
