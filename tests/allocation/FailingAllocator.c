/* An allocator for LD_PRELOAD that fails one allocation: the n-th call of malloc, calloc,
 * realloc or the aligned allocations, n given by LUMETRIX_FAIL_ALLOCATION, answers null as when
 * memory runs out; every other call is the C library's. With LUMETRIX_COUNT_ALLOCATIONS set, the
 * number of calls is written to standard error at the end, to choose the n to try. */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>

void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* old, size_t size);
void* __libc_memalign(size_t alignment, size_t size);

static unsigned long g_calls;
static unsigned long g_failing; /* 0: none, or not read yet */
static int g_read;

/* Read on the first call: getenv allocates nothing. */
static int IsTheFailingCall(void) {
    if (!g_read) {
        const char* failing = getenv("LUMETRIX_FAIL_ALLOCATION");
        g_failing = failing != NULL ? strtoul(failing, NULL, 10) : 0;
        g_read = 1;
    }
    ++g_calls;
    if (g_calls == g_failing) {
        errno = ENOMEM;
        return 1;
    }
    return 0;
}

void* malloc(size_t size) {
    return IsTheFailingCall() ? NULL : __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    return IsTheFailingCall() ? NULL : __libc_calloc(count, size);
}

void* realloc(void* old, size_t size) {
    return IsTheFailingCall() ? NULL : __libc_realloc(old, size);
}

void* memalign(size_t alignment, size_t size) {
    return IsTheFailingCall() ? NULL : __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    return memalign(alignment, size);
}

int posix_memalign(void** result, size_t alignment, size_t size) {
    void* memory = memalign(alignment, size);
    if (memory == NULL) {
        return ENOMEM;
    }
    *result = memory;
    return 0;
}

__attribute__((destructor)) static void ReportCalls(void) {
    if (getenv("LUMETRIX_COUNT_ALLOCATIONS") != NULL) {
        fprintf(stderr, "allocations: %lu\n", g_calls);
    }
}
