/* SP Basic Suite: how a module acquires every other suite and gets every block of memory.
 * The host passes it in each message (SPMessageData.basic). Suites returned by AcquireSuite
 * stay valid until the matching ReleaseSuite; blocks belong to the module until FreeBlock.
 * Plain C; every call comes on the host's user-interface thread. */
#ifndef QV_SPBASIC_H
#define QV_SPBASIC_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

struct SPBasicSuite {
  /* Fills *suite with the named suite; kSPSuiteNotFoundError (and *suite null) when the host has
   * no such name and version. Each success must be balanced by one ReleaseSuite. */
  SPErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  /* Gives back one acquisition; kSPMisuseError when the module holds none. */
  SPErr (*ReleaseSuite)(const char* name, int32_t version);
  /* True when the two C strings are equal. */
  ASBoolean (*IsEqual)(const char* token1, const char* token2);
  /* A new block of `size` bytes in *block; kSPOutOfMemoryError (and *block null) when none. */
  SPErr (*AllocateBlock)(size_t size, void** block);
  /* Returns a block from AllocateBlock; kSPBadHandleError for anything else. */
  SPErr (*FreeBlock)(void* block);
  /* Resizes a block, keeping its bytes; *newblock null and the old block intact on failure. */
  SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
  /* Placeholder slot; answers kSPUnimplementedError. */
  SPErr (*Undefined)(void);
};

#ifdef __cplusplus
}
#endif

#endif
