#pragma once

// While one of these lives, memory that is freed goes back to the system as it is freed, the ends of the
// threads' heaps included, which malloc_trim leaves alone; when the last one ends, whatever is still free
// is handed back and the allocator again keeps freed memory for reuse, blocks of up to 32 MB included (as
// glibc's dynamic rule keeps them once it has seen one freed). For closing a large file: glibc otherwise
// keeps what the file took, for reuse, however large. Does nothing where the allocator offers no way to do
// it. UI thread only.
class FreedMemoryReturn {
public:
    FreedMemoryReturn();
    ~FreedMemoryReturn();
    FreedMemoryReturn(const FreedMemoryReturn&) = delete;
    FreedMemoryReturn& operator=(const FreedMemoryReturn&) = delete;
};
