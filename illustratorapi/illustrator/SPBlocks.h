/* SP Blocks Suite (version 2): the same host memory as SP Basic's block calls.
 * "SP Blocks Suite" 2. Blocks belong to the module until freed. Plain C; host UI thread only. */
#ifndef QV_SPBLOCKS_H
#define QV_SPBLOCKS_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
  SPErr (*AllocateBlock)(size_t size, const char* debug, void** block);
  SPErr (*FreeBlock)(void* block);
  SPErr (*ReallocateBlock)(void* block, size_t newSize, const char* debug, void** newblock);
} SPBlocksSuite;

#ifdef __cplusplus
}
#endif

#endif
