/* Text handles of the print engine: a block that holds a length and the
 * text (UTF-8, zero-terminated). The engine makes them; the caller locks
 * (reads) the text, unlocks and frees the handle. Header-only, so that a
 * loader needs nothing but this file. */
#ifndef RPE_TEXT_HANDLE_H
#define RPE_TEXT_HANDLE_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#define RPE_TEXT_HANDLE_MAGIC 0x48455052u /* "RPEH" */

typedef struct RpeTextBlock
{
    uint32_t Magic;
    uint32_t Length; /* bytes including the terminating zero */
    char Text[1];
} RpeTextBlock;

/* A new handle with a copy of length bytes of text (a zero is added). */
static inline void *rpeTextHandleNew(const char *text, uint32_t length)
{
    RpeTextBlock *b = (RpeTextBlock *)malloc(sizeof(RpeTextBlock) + length);
    if (!b)
        return 0;
    b->Magic = RPE_TEXT_HANDLE_MAGIC;
    b->Length = length + 1;
    if (length)
        memcpy(b->Text, text, length);
    b->Text[length] = 0;
    return b;
}

/* The text of a handle; 0 for a null or foreign handle. */
static inline const char *rpeTextHandleLock(void *handle)
{
    const RpeTextBlock *b = (const RpeTextBlock *)handle;
    return b && b->Magic == RPE_TEXT_HANDLE_MAGIC ? b->Text : 0;
}

/* Bytes of the text including the terminating zero; 0 for an invalid handle. */
static inline uint32_t rpeTextHandleSize(void *handle)
{
    const RpeTextBlock *b = (const RpeTextBlock *)handle;
    return b && b->Magic == RPE_TEXT_HANDLE_MAGIC ? b->Length : 0;
}

static inline void rpeTextHandleUnlock(void *handle)
{
    (void)handle;
}

static inline void rpeTextHandleFree(void *handle)
{
    RpeTextBlock *b = (RpeTextBlock *)handle;
    if (b && b->Magic == RPE_TEXT_HANDLE_MAGIC) {
        b->Magic = 0;
        free(b);
    }
}

#endif /* RPE_TEXT_HANDLE_H */
